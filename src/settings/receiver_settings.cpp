#include "settings/receiver_settings.h"

#include <algorithm>

namespace vorlane {

namespace L = settings_layout;

std::string_view ReceiverSettings::tag() const {
    return {reinterpret_cast<const char*>(m_bytes.data() + L::kTag), L::kTagLength};
}

std::array<std::uint8_t, 2> ReceiverSettings::tag_version() const {
    return {m_bytes[L::kTagVersion], m_bytes[L::kTagVersion + 1]};
}

ReceiverTime ReceiverSettings::clock() const {
    return ReadReceiverTime(m_bytes.subspan(L::kClock, receiver_time_layout::kSize).data());
}

void ReceiverSettings::set_clock(const ReceiverTime& time) {
    WriteReceiverTime(m_bytes.subspan(L::kClock, receiver_time_layout::kSize).data(), time);
}

std::array<std::uint8_t, kPasswordDigits> ReceiverSettings::password_digits() const {
    const std::uint8_t high = m_bytes[L::kPassword];
    const std::uint8_t low = m_bytes[L::kPassword + 1];
    return {static_cast<std::uint8_t>(high >> 4), static_cast<std::uint8_t>(high & 0x0F),
            static_cast<std::uint8_t>(low >> 4), static_cast<std::uint8_t>(low & 0x0F)};
}

void ReceiverSettings::set_password(unsigned value) {
    const auto digit = [value](unsigned divisor) { return static_cast<std::uint8_t>((value / divisor) % 10); };
    m_bytes[L::kPassword] = static_cast<std::uint8_t>((digit(1000) << 4) | digit(100));
    m_bytes[L::kPassword + 1] = static_cast<std::uint8_t>((digit(10) << 4) | digit(1));
}

std::uint16_t ReceiverSettings::position_word(PositionGroup group, std::size_t index) const {
    if (index >= group.count)
        return 0;
    return u16(group.offset + 2 * index);
}

void ReceiverSettings::set_position_word(PositionGroup group, std::size_t index, std::uint16_t v) {
    if (index < group.count)
        setU16(group.offset + 2 * index, v);
}

std::string ReceiverSettings::fav_name(std::size_t group) const {
    if (group >= L::kFavouriteGroupCount)
        return {};
    const auto field = m_bytes.subspan(L::kFavName + group * L::kFavNameLength, L::kFavNameLength);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return {field.begin(), end};
}

void ReceiverSettings::set_fav_name(std::size_t group, std::string_view name) {
    if (group >= L::kFavouriteGroupCount)
        return;
    const auto field = m_bytes.subspan(L::kFavName + group * L::kFavNameLength, L::kFavNameLength);
    const std::size_t copied = std::min(name.size(), field.size());
    std::copy_n(name.begin(), copied, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(copied), field.end(), std::uint8_t{0});
}

} // namespace vorlane
