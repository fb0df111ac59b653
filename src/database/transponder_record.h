#pragma once
// View over one 48-byte transponder record in the receiver's layout.

#include "database/link_word.h"
#include "database/record_fields.h"
#include "database/record_words.h"
#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

template <typename Byte> class BasicTransponderRecord {
public:
    static constexpr std::size_t kSize = 48;

    static constexpr std::size_t kNetworkId = 0x00;
    static constexpr std::size_t kNetworkName = 0x02;
    static constexpr std::size_t kNetworkNameLength = 14;
    static constexpr std::size_t kFrequency = 0x10;
    static constexpr std::size_t kSymbolRate = 0x12;
    static constexpr std::size_t kTransportStreamId = 0x14;
    static constexpr std::size_t kTuning = 0x18;
    static constexpr std::size_t kSatelliteLink = 0x1C;
    static constexpr std::size_t kListLink = 0x20;
    static constexpr std::size_t kBandLink = 0x24;
    static constexpr std::size_t kNewRecordMark = 0x28;

    explicit BasicTransponderRecord(Byte* bytes) : m_p(bytes) {}
    template <typename Other>
    requires std::is_convertible_v<Other*, Byte*> BasicTransponderRecord(BasicTransponderRecord<Other> other)
        : m_p(other.RecordBytes()) {}

    Byte* RecordBytes() const { return m_p; }
    bool IsFree() const { return ReadLe32(m_p) == kFreeRecordWord; }

    std::uint16_t NetworkId() const { return ReadLe16(m_p + kNetworkId); }
    std::string NetworkName() const { return ReadFixedString(m_p + kNetworkName, kNetworkNameLength); }
    std::uint16_t Frequency() const { return ReadLe16(m_p + kFrequency); }
    std::uint16_t SymbolRate() const { return ReadLe16(m_p + kSymbolRate); }
    std::uint16_t TransportStreamId() const { return ReadLe16(m_p + kTransportStreamId); }
    TuningWord Tuning() const { return TuningWord(ReadLe32(m_p + kTuning)); }
    LinkWord SatelliteLink() const { return LinkWord(ReadLe32(m_p + kSatelliteLink)); }
    std::uint16_t ListLink() const { return ReadLe16(m_p + kListLink); }
    LinkWord BandLink() const { return LinkWord(ReadLe32(m_p + kBandLink)); }
    std::uint8_t NewRecordMark() const { return m_p[kNewRecordMark]; }

    void SetNetworkId(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kNetworkId, v); }
    void SetNetworkName(std::string_view v) const requires MutableBytes<Byte> {
        WriteFixedString(m_p + kNetworkName, kNetworkNameLength, v);
    }
    void SetFrequency(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kFrequency, v); }
    void SetSymbolRate(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kSymbolRate, v); }
    void SetTransportStreamId(std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(m_p + kTransportStreamId, v);
    }
    void SetTuning(TuningWord v) const requires MutableBytes<Byte> { WriteLe32(m_p + kTuning, v.Value()); }
    void SetSatelliteLink(LinkWord v) const requires MutableBytes<Byte> { WriteLe32(m_p + kSatelliteLink, v.Value()); }
    void SetListLink(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kListLink, v); }
    void SetBandLink(LinkWord v) const requires MutableBytes<Byte> { WriteLe32(m_p + kBandLink, v.Value()); }
    void SetNewRecordMark(std::uint8_t v) const requires MutableBytes<Byte> { m_p[kNewRecordMark] = v; }

private:
    Byte* m_p;
};

using TransponderRecord = BasicTransponderRecord<std::uint8_t>;
using ConstTransponderRecord = BasicTransponderRecord<const std::uint8_t>;

} // namespace vorlane
