#include "settings/position_reset.h"

namespace vorlane {

namespace {

constexpr std::uint16_t kPositionFlag = 0x8000;
constexpr std::uint16_t kListEnd = 0xFFFF;
constexpr std::uint16_t kSatelliteCapacity = 64;
constexpr std::uint16_t kTransponderCapacity = 1500;
constexpr std::uint16_t kChannelCapacity = 5000;

} // namespace

void ResetPositions(ReceiverSettings& settings) {
    for (const auto& group : settings_layout::kPositionGroups) {
        settings.set_position_word(group, 0, kPositionFlag);
        for (std::size_t i = 1; i < group.count; ++i)
            settings.set_position_word(group, i, settings.position_word(group, i) & kPositionFlag);
    }
    settings.set_pos_end_a(kListEnd);
    settings.set_pos_end_b(kListEnd);
    settings.set_pos_word(0);
    settings.set_last_satellite_slot(kSatelliteCapacity - 1);
    settings.set_last_transponder_slot(kTransponderCapacity - 1);
    settings.set_last_channel_slot(kChannelCapacity - 1);
}

} // namespace vorlane
