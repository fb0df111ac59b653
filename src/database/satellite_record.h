#pragma once
// View over one 132-byte satellite record in the receiver's layout.

#include "database/record_fields.h"
#include "database/record_words.h"
#include "database/tuner_side.h"
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
        : m_p(other.RecordBytes()) {}

    Byte* RecordBytes() const { return m_p; }
    bool IsFree() const { return ReadLe32(m_p) == kFreeRecordWord; }

    // At most 16 bytes, up to the first NUL: a name filling the field has no terminator.
    std::string Name() const { return ReadFixedString(m_p + kName, kNameLength); }
    std::uint16_t LnbHighFrequency() const { return ReadLe16(m_p + kLnbHighFrequency); }
    std::uint16_t LnbLowFrequency() const { return ReadLe16(m_p + kLnbLowFrequency); }
    std::string TestChannelName(int i) const { return ReadFixedString(Test(i) + kTestName, kTestNameLength); }
    std::uint16_t TestChannelFrequency(int i) const { return ReadLe16(Test(i) + kTestFrequency); }
    std::uint16_t TestChannelSymbolRate(int i) const { return ReadLe16(Test(i) + kTestSymbolRate); }
    std::uint16_t TestChannelPolarisation(int i) const { return ReadLe16(Test(i) + kTestPolarisation); }
    std::uint16_t TestChannelVideoPid(int i) const { return ReadLe16(Test(i) + kTestVideoPid); }
    std::uint16_t TestChannelAudioPid(int i) const { return ReadLe16(Test(i) + kTestAudioPid); }
    std::uint16_t TestChannelPcrPid(int i) const { return ReadLe16(Test(i) + kTestPcrPid); }
    std::int16_t OrbitalPosition() const { return static_cast<std::int16_t>(ReadLe16(m_p + kOrbitalPosition)); }
    std::uint8_t MotorIndex() const { return m_p[kMotorIndex]; }
    std::int8_t LnbType() const { return static_cast<std::int8_t>(m_p[kLnbType]); }
    LnbSwitchWord LnbSwitch(TunerSide tunerSide) const {
        return LnbSwitchWord(ReadLe32(m_p + SwitchOffset(tunerSide)));
    }
    std::uint16_t ListLink() const { return ReadLe16(m_p + kListLink); }
    std::int8_t TunerConnection() const { return static_cast<std::int8_t>(m_p[kTunerConnection]); }

    void SetName(std::string_view v) const requires MutableBytes<Byte> {
        WriteFixedString(m_p + kName, kNameLength, v);
    }
    void SetLnbHighFrequency(std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(m_p + kLnbHighFrequency, v);
    }
    void SetLnbLowFrequency(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kLnbLowFrequency, v); }
    void SetTestChannelName(int i, std::string_view v) const requires MutableBytes<Byte> {
        WriteFixedString(Test(i) + kTestName, kTestNameLength, v);
    }
    void SetTestChannelFrequency(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(Test(i) + kTestFrequency, v);
    }
    void SetTestChannelSymbolRate(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(Test(i) + kTestSymbolRate, v);
    }
    void SetTestChannelPolarisation(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(Test(i) + kTestPolarisation, v);
    }
    void SetTestChannelVideoPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(Test(i) + kTestVideoPid, v);
    }
    void SetTestChannelAudioPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(Test(i) + kTestAudioPid, v);
    }
    void SetTestChannelPcrPid(int i, std::uint16_t v) const requires MutableBytes<Byte> {
        WriteLe16(Test(i) + kTestPcrPid, v);
    }
    void SetOrbitalPosition(std::int16_t v) const requires MutableBytes<Byte> {
        WriteLe16(m_p + kOrbitalPosition, static_cast<std::uint16_t>(v));
    }
    void SetMotorIndex(std::uint8_t v) const requires MutableBytes<Byte> { m_p[kMotorIndex] = v; }
    void SetLnbType(std::int8_t v) const requires MutableBytes<Byte> { m_p[kLnbType] = static_cast<std::uint8_t>(v); }
    void SetLnbSwitch(TunerSide tunerSide, LnbSwitchWord v) const requires MutableBytes<Byte> {
        WriteLe32(m_p + SwitchOffset(tunerSide), v.Value());
    }
    void SetListLink(std::uint16_t v) const requires MutableBytes<Byte> { WriteLe16(m_p + kListLink, v); }
    void SetTunerConnection(std::int8_t v) const requires MutableBytes<Byte> {
        m_p[kTunerConnection] = static_cast<std::uint8_t>(v);
    }

private:
    Byte* Test(int i) const { return m_p + kTestChannels + kTestChannelSize * static_cast<std::size_t>(i); }
    static std::size_t SwitchOffset(TunerSide tunerSide) {
        return kLnbSwitch + 4u * static_cast<std::size_t>(SideIndex(tunerSide));
    }

    Byte* m_p;
};

using SatelliteRecord = BasicSatelliteRecord<std::uint8_t>;
using ConstSatelliteRecord = BasicSatelliteRecord<const std::uint8_t>;

} // namespace vorlane
