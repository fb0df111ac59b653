#pragma once
// View over one 112-byte channel record in the receiver's layout. Fields kept per tuner are
// addressed by tuner side 0 (tuner 1) or 1 (tuner 2); the tuner-2 copy follows the tuner-1 copy.

#include "database/link_word.h"
#include "database/record_fields.h"
#include "database/record_words.h"
#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

template <typename Byte> class BasicChannelRecord {
public:
    static constexpr std::size_t kSize = 112;
    static constexpr int kAudioPidCount = 6;
    static constexpr int kFavouriteGroupCount = 8;

    static constexpr std::size_t kName = 0x00;
    static constexpr std::size_t kNameLength = 20;
    static constexpr std::size_t kPmtPid = 0x14;
    static constexpr std::size_t kProgramNumber = 0x16;
    static constexpr std::size_t kAudioPids = 0x18;
    static constexpr std::size_t kVideoPid = 0x24;
    static constexpr std::size_t kPcrPid = 0x26;
    static constexpr std::size_t kTeletextPid = 0x28;
    static constexpr std::size_t kAc3Pid = 0x2A;
    static constexpr std::size_t kAudioLanguages = 0x2C;
    static constexpr std::size_t kServiceWord = 0x30;
    static constexpr std::size_t kServiceType = 0x38;
    static constexpr std::size_t kMainLink = 0x3C;
    static constexpr std::size_t kFsLink = 0x44;
    static constexpr std::size_t kSatelliteLink = 0x4C;
    static constexpr std::size_t kTransponderLink = 0x54;
    static constexpr std::size_t kFavouriteBytes = 0x5C;
    static constexpr std::size_t kPresence = 0x6C;

    explicit BasicChannelRecord(Byte* bytes) : m_p(bytes) {}
    template <typename Other>
    requires std::is_convertible_v<Other*, Byte*> BasicChannelRecord(BasicChannelRecord<Other> other)
        : m_p(other.bytes()) {}

    Byte* bytes() const { return m_p; }
    bool isFree() const { return readLe32(m_p) == kFreeRecordWord; }

    std::string name() const { return readFixedString(m_p + kName, kNameLength); }
    std::uint16_t pmtPid() const { return readLe16(m_p + kPmtPid); }
    std::uint16_t programNumber() const { return readLe16(m_p + kProgramNumber); }
    std::uint16_t audioPid(int i) const { return readLe16(m_p + audioPidOffset(i)); }
    std::uint16_t videoPid() const { return readLe16(m_p + kVideoPid); }
    std::uint16_t pcrPid() const { return readLe16(m_p + kPcrPid); }
    std::uint16_t teletextPid() const { return readLe16(m_p + kTeletextPid); }
    std::uint16_t ac3Pid() const { return readLe16(m_p + kAc3Pid); }
    AudioLanguages audioLanguages() const { return AudioLanguages(readLe32(m_p + kAudioLanguages)); }
    std::uint8_t serviceType() const { return m_p[kServiceType]; }

    ServiceWord serviceWord(int side) const { return ServiceWord(readLe32(m_p + sided(kServiceWord, side))); }
    LinkWord mainLink(int side) const { return LinkWord(readLe32(m_p + sided(kMainLink, side))); }
    LinkWord fsLink(int side) const { return LinkWord(readLe32(m_p + sided(kFsLink, side))); }
    LinkWord satelliteLink(int side) const { return LinkWord(readLe32(m_p + sided(kSatelliteLink, side))); }
    LinkWord transponderLink(int side) const { return LinkWord(readLe32(m_p + sided(kTransponderLink, side))); }
    std::uint8_t favouriteByte(int side, int group) const { return m_p[favouriteOffset(side, group)]; }
    std::uint8_t presence(int side) const { return m_p[kPresence + static_cast<std::size_t>(side)]; }
    bool presentOn(int side) const { return presence(side) != 0; }

    void setName(std::string_view v) const requires MutableBytes<Byte> {
        writeFixedString(m_p + kName, kNameLength, v);
    }
    void setPmtPid(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kPmtPid, v); }
    void setProgramNumber(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kProgramNumber, v); }
    void setAudioPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(m_p + audioPidOffset(i), v);
    }
    void setVideoPid(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kVideoPid, v); }
    void setPcrPid(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kPcrPid, v); }
    void setTeletextPid(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kTeletextPid, v); }
    void setAc3Pid(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kAc3Pid, v); }
    void setAudioLanguages(AudioLanguages v) const requires MutableBytes<Byte> {
        writeLe32(m_p + kAudioLanguages, v.value());
    }
    void setServiceType(std::uint8_t v) const requires MutableBytes<Byte> { m_p[kServiceType] = v; }
    void setServiceWord(int side, ServiceWord v) const requires MutableBytes<Byte> {
        writeLe32(m_p + sided(kServiceWord, side), v.value());
    }
    void setMainLink(int side, LinkWord v) const requires MutableBytes<Byte> {
        writeLe32(m_p + sided(kMainLink, side), v.value());
    }
    void setFsLink(int side, LinkWord v) const requires MutableBytes<Byte> {
        writeLe32(m_p + sided(kFsLink, side), v.value());
    }
    void setSatelliteLink(int side, LinkWord v) const requires MutableBytes<Byte> {
        writeLe32(m_p + sided(kSatelliteLink, side), v.value());
    }
    void setTransponderLink(int side, LinkWord v) const requires MutableBytes<Byte> {
        writeLe32(m_p + sided(kTransponderLink, side), v.value());
    }
    void setFavouriteByte(int side, int group, std::uint8_t v) const requires MutableBytes<Byte> {
        m_p[favouriteOffset(side, group)] = v;
    }
    void setPresence(int side, std::uint8_t v) const requires MutableBytes<Byte> {
        m_p[kPresence + static_cast<std::size_t>(side)] = v;
    }

private:
    static std::size_t audioPidOffset(int i) { return kAudioPids + 2u * static_cast<std::size_t>(i); }
    static std::size_t sided(std::size_t offset, int side) { return offset + 4u * static_cast<std::size_t>(side); }
    static std::size_t favouriteOffset(int side, int group) {
        return kFavouriteBytes + 8u * static_cast<std::size_t>(side) + static_cast<std::size_t>(group);
    }

    Byte* m_p;
};

using ChannelRecord = BasicChannelRecord<std::uint8_t>;
using ConstChannelRecord = BasicChannelRecord<const std::uint8_t>;

} // namespace vorlane
