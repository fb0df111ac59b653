#pragma once
// View over one 132-byte satellite record in the receiver's layout.

#include "database/record_fields.h"
#include "database/record_words.h"
#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

template <typename Byte> class BasicSatelliteRecord {
public:
    static constexpr std::size_t kSize = 132;
    static constexpr int kTestChannelCount = 3;

    static constexpr std::size_t kName = 0x00;
    static constexpr std::size_t kNameLength = 16;
    static constexpr std::size_t kLnbHighFrequency = 0x10;
    static constexpr std::size_t kLnbLowFrequency = 0x12;
    static constexpr std::size_t kTestChannels = 0x14;
    static constexpr std::size_t kTestChannelSize = 32;
    static constexpr std::size_t kTestName = 0;
    static constexpr std::size_t kTestNameLength = 20;
    static constexpr std::size_t kTestFrequency = 20;
    static constexpr std::size_t kTestSymbolRate = 22;
    static constexpr std::size_t kTestPolarisation = 24;
    static constexpr std::size_t kTestVideoPid = 26;
    static constexpr std::size_t kTestAudioPid = 28;
    static constexpr std::size_t kTestPcrPid = 30;
    static constexpr std::size_t kOrbitalPosition = 0x74;
    static constexpr std::size_t kMotorIndex = 0x76;
    static constexpr std::size_t kLnbType = 0x77;
    static constexpr std::size_t kLnbSwitch = 0x78;
    static constexpr std::size_t kListLink = 0x80;
    static constexpr std::size_t kTunerConnection = 0x82;

    static constexpr int kLnbTypeUniversal = 1;

    explicit BasicSatelliteRecord(Byte* bytes) : m_p(bytes) {}
    template <typename Other>
    requires std::is_convertible_v<Other*, Byte*> BasicSatelliteRecord(BasicSatelliteRecord<Other> other)
        : m_p(other.bytes()) {}

    Byte* bytes() const { return m_p; }
    bool isFree() const { return readLe32(m_p) == kFreeRecordWord; }

    // At most 16 bytes, up to the first NUL: a name filling the field has no terminator.
    std::string name() const { return readFixedString(m_p + kName, kNameLength); }
    std::uint16_t lnbHighFrequency() const { return readLe16(m_p + kLnbHighFrequency); }
    std::uint16_t lnbLowFrequency() const { return readLe16(m_p + kLnbLowFrequency); }
    std::string testChannelName(int i) const { return readFixedString(test(i) + kTestName, kTestNameLength); }
    std::uint16_t testChannelFrequency(int i) const { return readLe16(test(i) + kTestFrequency); }
    std::uint16_t testChannelSymbolRate(int i) const { return readLe16(test(i) + kTestSymbolRate); }
    std::uint16_t testChannelPolarisation(int i) const { return readLe16(test(i) + kTestPolarisation); }
    std::uint16_t testChannelVideoPid(int i) const { return readLe16(test(i) + kTestVideoPid); }
    std::uint16_t testChannelAudioPid(int i) const { return readLe16(test(i) + kTestAudioPid); }
    std::uint16_t testChannelPcrPid(int i) const { return readLe16(test(i) + kTestPcrPid); }
    std::int16_t orbitalPosition() const { return static_cast<std::int16_t>(readLe16(m_p + kOrbitalPosition)); }
    std::uint8_t motorIndex() const { return m_p[kMotorIndex]; }
    std::int8_t lnbType() const { return static_cast<std::int8_t>(m_p[kLnbType]); }
    LnbSwitchWord lnbSwitch(int tunerSide) const { return LnbSwitchWord(readLe32(m_p + switchOffset(tunerSide))); }
    std::uint16_t listLink() const { return readLe16(m_p + kListLink); }
    std::int8_t tunerConnection() const { return static_cast<std::int8_t>(m_p[kTunerConnection]); }

    void setName(std::string_view v) const requires MutableBytes<Byte> {
        writeFixedString(m_p + kName, kNameLength, v);
    }
    void setLnbHighFrequency(std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(m_p + kLnbHighFrequency, v);
    }
    void setLnbLowFrequency(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kLnbLowFrequency, v); }
    void setTestChannelName(int i, std::string_view v) const requires MutableBytes<Byte> {
        writeFixedString(test(i) + kTestName, kTestNameLength, v);
    }
    void setTestChannelFrequency(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(test(i) + kTestFrequency, v);
    }
    void setTestChannelSymbolRate(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(test(i) + kTestSymbolRate, v);
    }
    void setTestChannelPolarisation(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(test(i) + kTestPolarisation, v);
    }
    void setTestChannelVideoPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(test(i) + kTestVideoPid, v);
    }
    void setTestChannelAudioPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(test(i) + kTestAudioPid, v);
    }
    void setTestChannelPcrPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        writeLe16(test(i) + kTestPcrPid, v);
    }
    void setOrbitalPosition(std::int16_t v) const requires MutableBytes<Byte> {
        writeLe16(m_p + kOrbitalPosition, static_cast<std::uint16_t>(v));
    }
    void setMotorIndex(std::uint8_t v) const requires MutableBytes<Byte> { m_p[kMotorIndex] = v; }
    void setLnbType(std::int8_t v) const requires MutableBytes<Byte> { m_p[kLnbType] = static_cast<std::uint8_t>(v); }
    void setLnbSwitch(int tunerSide, LnbSwitchWord v) const requires MutableBytes<Byte> {
        writeLe32(m_p + switchOffset(tunerSide), v.value());
    }
    void setListLink(std::uint16_t v) const requires MutableBytes<Byte> { writeLe16(m_p + kListLink, v); }
    void setTunerConnection(std::int8_t v) const requires MutableBytes<Byte> {
        m_p[kTunerConnection] = static_cast<std::uint8_t>(v);
    }

private:
    Byte* test(int i) const { return m_p + kTestChannels + kTestChannelSize * static_cast<std::size_t>(i); }
    static std::size_t switchOffset(int tunerSide) { return kLnbSwitch + 4u * static_cast<std::size_t>(tunerSide); }

    Byte* m_p;
};

using SatelliteRecord = BasicSatelliteRecord<std::uint8_t>;
using ConstSatelliteRecord = BasicSatelliteRecord<const std::uint8_t>;

} // namespace vorlane
