#pragma once
// View over one 112-byte channel record in the receiver's layout. Fields kept per tuner are
// addressed by their TunerSide; the tuner-2 copy follows the tuner-1 copy.

#include "database/link_word.h"
#include "database/record_fields.h"
#include "database/record_words.h"
#include "database/tuner_side.h"
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
        : m_p(other.RecordBytes()) {}

    Byte* RecordBytes() const { return m_p; }
    bool IsFree() const { return ReadLe32(m_p) == kFreeRecordWord; }

    std::string Name() const { return ReadFixedString(m_p + kName, kNameLength); }
    std::uint16_t PmtPid() const { return ReadLe16(m_p + kPmtPid); }
    std::uint16_t ProgramNumber() const { return ReadLe16(m_p + kProgramNumber); }
    std::uint16_t AudioPid(int i) const { return ReadLe16(m_p + AudioPidOffset(i)); }
    std::uint16_t VideoPid() const { return ReadLe16(m_p + kVideoPid); }
    std::uint16_t PcrPid() const { return ReadLe16(m_p + kPcrPid); }
    std::uint16_t TeletextPid() const { return ReadLe16(m_p + kTeletextPid); }
    std::uint16_t Ac3Pid() const { return ReadLe16(m_p + kAc3Pid); }
    AudioLanguages AudioLanguagesWord() const { return AudioLanguages(ReadLe32(m_p + kAudioLanguages)); }
    std::uint8_t ServiceTypeCode() const { return m_p[kServiceType]; }

    ServiceWord SidedServiceWord(TunerSide side) const {
        return ServiceWord(ReadLe32(m_p + Sided(kServiceWord, side)));
    }
    LinkWord MainLink(TunerSide side) const { return LinkWord(ReadLe32(m_p + Sided(kMainLink, side))); }
    LinkWord FsLink(TunerSide side) const { return LinkWord(ReadLe32(m_p + Sided(kFsLink, side))); }
    LinkWord SatelliteLink(TunerSide side) const { return LinkWord(ReadLe32(m_p + Sided(kSatelliteLink, side))); }
    LinkWord TransponderLink(TunerSide side) const { return LinkWord(ReadLe32(m_p + Sided(kTransponderLink, side))); }
    std::uint8_t FavouriteByte(TunerSide side, int group) const { return m_p[FavouriteOffset(side, group)]; }
    std::uint8_t Presence(TunerSide side) const { return m_p[kPresence + static_cast<std::size_t>(SideIndex(side))]; }
    bool PresentOn(TunerSide side) const { return Presence(side) != 0; }

    void SetName(std::string_view v) const requires MutableBytes<Byte> {
        WriteFixedString(m_p + kName, kNameLength, v);
    }
    void SetPmtPid(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kPmtPid, v); }
    void SetProgramNumber(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kProgramNumber, v); }
    void SetAudioPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(m_p + AudioPidOffset(i), v);
    }
    void SetVideoPid(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kVideoPid, v); }
    void SetPcrPid(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kPcrPid, v); }
    void SetTeletextPid(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kTeletextPid, v); }
    void SetAc3Pid(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kAc3Pid, v); }
    void SetAudioLanguages(AudioLanguages v) const requires MutableBytes<Byte> {
        WriteLe32(m_p + kAudioLanguages, v.Value());
    }
    void SetServiceType(std::uint8_t v) const requires MutableBytes<Byte> { m_p[kServiceType] = v; }
    void SetServiceWord(TunerSide side, ServiceWord v) const requires MutableBytes<Byte> {
        WriteLe32(m_p + Sided(kServiceWord, side), v.Value());
    }
    void SetMainLink(TunerSide side, LinkWord v) const requires MutableBytes<Byte> {
        WriteLe32(m_p + Sided(kMainLink, side), v.Value());
    }
    void SetFsLink(TunerSide side, LinkWord v) const requires MutableBytes<Byte> {
        WriteLe32(m_p + Sided(kFsLink, side), v.Value());
    }
    void SetSatelliteLink(TunerSide side, LinkWord v) const requires MutableBytes<Byte> {
        WriteLe32(m_p + Sided(kSatelliteLink, side), v.Value());
    }
    void SetTransponderLink(TunerSide side, LinkWord v) const requires MutableBytes<Byte> {
        WriteLe32(m_p + Sided(kTransponderLink, side), v.Value());
    }
    void SetFavouriteByte(TunerSide side, int group, std::uint8_t v) const requires MutableBytes<Byte> {
        m_p[FavouriteOffset(side, group)] = v;
    }
    void SetPresence(TunerSide side, std::uint8_t v) const requires MutableBytes<Byte> {
        m_p[kPresence + static_cast<std::size_t>(SideIndex(side))] = v;
    }

private:
    static std::size_t AudioPidOffset(int i) { return kAudioPids + 2u * static_cast<std::size_t>(i); }
    static std::size_t Sided(std::size_t offset, TunerSide side) {
        return offset + 4u * static_cast<std::size_t>(SideIndex(side));
    }
    static std::size_t FavouriteOffset(TunerSide side, int group) {
        return kFavouriteBytes + 8u * static_cast<std::size_t>(SideIndex(side)) + static_cast<std::size_t>(group);
    }

    Byte* m_p;
};

using ChannelRecord = BasicChannelRecord<std::uint8_t>;
using ConstChannelRecord = BasicChannelRecord<const std::uint8_t>;

} // namespace vorlane
