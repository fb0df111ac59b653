#pragma once
// Bit-field words carried inside the records: the satellite's LNB switch word, the transponder's
// tuning word, the channel's per-tuner service word and its audio language word.

#include "database/record_fields.h"

#include <cstdint>

namespace vorlane {

class LnbSwitchWord {
public:
    constexpr LnbSwitchWord() = default;
    constexpr explicit LnbSwitchWord(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t value() const { return m_value; }

    // Carried through unchanged: which value turns the tone on is the receiver's business.
    constexpr unsigned toneFlag() const { return bitsOf(m_value, 0, 1); }
    constexpr unsigned lnbPower() const { return bitsOf(m_value, 1, 2); }
    constexpr unsigned diseqcType() const { return bitsOf(m_value, 3, 4); }
    constexpr unsigned diseqcPort() const { return bitsOf(m_value, 7, 4); }
    constexpr unsigned cableCompensation() const { return bitsOf(m_value, 12, 1); }
    constexpr unsigned toneBurst() const { return bitsOf(m_value, 13, 2); }
    constexpr unsigned motorControl() const { return bitsOf(m_value, 15, 2); }

    constexpr void setToneFlag(unsigned v) { m_value = withBits(m_value, 0, 1, v); }
    constexpr void setLnbPower(unsigned v) { m_value = withBits(m_value, 1, 2, v); }
    constexpr void setDiseqcType(unsigned v) { m_value = withBits(m_value, 3, 4, v); }
    constexpr void setDiseqcPort(unsigned v) { m_value = withBits(m_value, 7, 4, v); }
    constexpr void setCableCompensation(unsigned v) { m_value = withBits(m_value, 12, 1, v); }
    constexpr void setToneBurst(unsigned v) { m_value = withBits(m_value, 13, 2, v); }
    constexpr void setMotorControl(unsigned v) { m_value = withBits(m_value, 15, 2, v); }

private:
    std::uint32_t m_value = 0;
};

enum Polarisation : unsigned { kPolarisationAuto = 0, kPolarisationHorizontal = 1, kPolarisationVertical = 2 };

class TuningWord {
public:
    constexpr TuningWord() = default;
    constexpr explicit TuningWord(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t value() const { return m_value; }

    constexpr unsigned polarisation() const { return bitsOf(m_value, 0, 2); }
    constexpr unsigned fec() const { return bitsOf(m_value, 2, 3); }
    constexpr bool freeToAirOnly() const { return bitsOf(m_value, 6, 1) != 0; }

    constexpr void setPolarisation(unsigned v) { m_value = withBits(m_value, 0, 2, v); }
    constexpr void setFec(unsigned v) { m_value = withBits(m_value, 2, 3, v); }
    constexpr void setFreeToAirOnly(bool v) { m_value = withBits(m_value, 6, 1, v ? 1u : 0u); }

private:
    std::uint32_t m_value = 0;
};

class ServiceWord {
public:
    constexpr ServiceWord() = default;
    constexpr explicit ServiceWord(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t value() const { return m_value; }

    constexpr bool scrambled() const { return bitsOf(m_value, 0, 1) != 0; }
    constexpr bool locked() const { return bitsOf(m_value, 1, 1) != 0; }
    constexpr bool skipped() const { return bitsOf(m_value, 2, 1) != 0; }
    constexpr unsigned audioPidCount() const { return bitsOf(m_value, 11, 3); }
    constexpr unsigned selectedAudio() const { return bitsOf(m_value, 14, 3); }
    constexpr unsigned audioMode() const { return bitsOf(m_value, 17, 2); }

    constexpr void setScrambled(bool v) { m_value = withBits(m_value, 0, 1, v ? 1u : 0u); }
    constexpr void setLocked(bool v) { m_value = withBits(m_value, 1, 1, v ? 1u : 0u); }
    constexpr void setSkipped(bool v) { m_value = withBits(m_value, 2, 1, v ? 1u : 0u); }
    constexpr void setAudioPidCount(unsigned v) { m_value = withBits(m_value, 11, 3, v); }
    constexpr void setSelectedAudio(unsigned v) { m_value = withBits(m_value, 14, 3, v); }
    constexpr void setAudioMode(unsigned v) { m_value = withBits(m_value, 17, 2, v); }

private:
    std::uint32_t m_value = 0;
};

// Six 5-bit language indices; bits 30-31 are kept as they are.
class AudioLanguages {
public:
    static constexpr int kCount = 6;

    constexpr AudioLanguages() = default;
    constexpr explicit AudioLanguages(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t value() const { return m_value; }

    constexpr unsigned language(int i) const { return bitsOf(m_value, 5u * static_cast<unsigned>(i), 5); }
    constexpr void setLanguage(int i, unsigned v) { m_value = withBits(m_value, 5u * static_cast<unsigned>(i), 5, v); }

private:
    std::uint32_t m_value = 0;
};

} // namespace vorlane
