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
        : m_p(other.bytes()) {}

    Byte* bytes() const { return m_p; }
    bool isFree() const { return readLe32(m_p) == kFreeRecordWord; }

    std::uint16_t networkId() const { return readLe16(m_p + kNetworkId); }
    std::string networkName() const { return readFixedString(m_p + kNetworkName, kNetworkNameLength); }
    std::uint16_t frequency() const { return readLe16(m_p + kFrequency); }
    std::uint16_t symbolRate() const { return readLe16(m_p + kSymbolRate); }
    std::uint16_t transportStreamId() const { return readLe16(m_p + kTransportStreamId); }
    TuningWord tuning() const { return TuningWord(readLe32(m_p + kTuning)); }
    LinkWord satelliteLink() const { return LinkWord(readLe32(m_p + kSatelliteLink)); }
    std::uint16_t listLink() const { return readLe16(m_p + kListLink); }
    LinkWord bandLink() const { return LinkWord(readLe32(m_p + kBandLink)); }
    std::uint8_t newRecordMark() const { return m_p[kNewRecordMark]; }

    void setNetworkId(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kNetworkId, v); }
    void setNetworkName(std::string_view v) const requires MutableBytes<Byte> {
        writeFixedString(m_p + kNetworkName, kNetworkNameLength, v);
    }
    void setFrequency(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kFrequency, v); }
    void setSymbolRate(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kSymbolRate, v); }
    void setTransportStreamId(std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(m_p + kTransportStreamId, v);
    }
    void setTuning(TuningWord v) const requires MutableBytes<Byte> { writeLe32(m_p + kTuning, v.value()); }
    void setSatelliteLink(LinkWord v) const requires MutableBytes<Byte> { writeLe32(m_p + kSatelliteLink, v.value()); }
    void setListLink(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kListLink, v); }
    void setBandLink(LinkWord v) const requires MutableBytes<Byte> { writeLe32(m_p + kBandLink, v.value()); }
    void setNewRecordMark(std::uint8_t v) const requires MutableBytes<Byte> { m_p[kNewRecordMark] = v; }

private:
    Byte* m_p;
};

using TransponderRecord = BasicTransponderRecord<std::uint8_t>;
using ConstTransponderRecord = BasicTransponderRecord<const std::uint8_t>;

} // namespace vorlane
