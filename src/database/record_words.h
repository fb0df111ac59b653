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
    constexpr std::uint32_t Value() const { return m_value; }

    // Carried through unchanged: which value turns the tone on is the receiver's business.
    constexpr unsigned ToneFlag() const { return BitsOf(m_value, 0, 1); }
    constexpr unsigned LnbPower() const { return BitsOf(m_value, 1, 2); }
    constexpr unsigned DiseqcType() const { return BitsOf(m_value, 3, 4); }
    constexpr unsigned DiseqcPort() const { return BitsOf(m_value, 7, 4); }
    constexpr unsigned CableCompensation() const { return BitsOf(m_value, 12, 1); }
    constexpr unsigned ToneBurst() const { return BitsOf(m_value, 13, 2); }
    constexpr unsigned MotorControl() const { return BitsOf(m_value, 15, 2); }

    constexpr void SetToneFlag(unsigned v) { m_value = WithBits(m_value, 0, 1, v); }
    constexpr void SetLnbPower(unsigned v) { m_value = WithBits(m_value, 1, 2, v); }
    constexpr void SetDiseqcType(unsigned v) { m_value = WithBits(m_value, 3, 4, v); }
    constexpr void SetDiseqcPort(unsigned v) { m_value = WithBits(m_value, 7, 4, v); }
    constexpr void SetCableCompensation(unsigned v) { m_value = WithBits(m_value, 12, 1, v); }
    constexpr void SetToneBurst(unsigned v) { m_value = WithBits(m_value, 13, 2, v); }
    constexpr void SetMotorControl(unsigned v) { m_value = WithBits(m_value, 15, 2, v); }

private:
    std::uint32_t m_value = 0;
};

enum Polarisation : unsigned { kPolarisationAuto = 0, kPolarisationHorizontal = 1, kPolarisationVertical = 2 };

// "A", "H" or "V" for polarisation codes 0-2. Code 3 ("unused") has no letter of its own: each text names the one
// it shows.
constexpr char PolarisationLetter(unsigned code, char unusedLetter) {
    constexpr char kLetters[] = "AHV";
    return code < 3 ? kLetters[code] : unusedLetter;
}

class TuningWord {
public:
    constexpr TuningWord() = default;
    constexpr explicit TuningWord(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t Value() const { return m_value; }

    constexpr unsigned PolarisationCode() const { return BitsOf(m_value, 0, 2); }
    constexpr unsigned Fec() const { return BitsOf(m_value, 2, 3); }
    constexpr bool FreeToAirOnly() const { return BitsOf(m_value, 6, 1) != 0; }

    constexpr void SetPolarisation(unsigned v) { m_value = WithBits(m_value, 0, 2, v); }
    constexpr void SetFec(unsigned v) { m_value = WithBits(m_value, 2, 3, v); }
    constexpr void SetFreeToAirOnly(bool v) { m_value = WithBits(m_value, 6, 1, v ? 1u : 0u); }

private:
    std::uint32_t m_value = 0;
};

class ServiceWord {
public:
    constexpr ServiceWord() = default;
    constexpr explicit ServiceWord(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t Value() const { return m_value; }

    constexpr bool Scrambled() const { return BitsOf(m_value, 0, 1) != 0; }
    constexpr bool Locked() const { return BitsOf(m_value, 1, 1) != 0; }
    constexpr bool Skipped() const { return BitsOf(m_value, 2, 1) != 0; }
    constexpr unsigned AudioPidCount() const { return BitsOf(m_value, 11, 3); }
    constexpr unsigned SelectedAudio() const { return BitsOf(m_value, 14, 3); }
    constexpr unsigned AudioMode() const { return BitsOf(m_value, 17, 2); }

    constexpr void SetScrambled(bool v) { m_value = WithBits(m_value, 0, 1, v ? 1u : 0u); }
    constexpr void SetLocked(bool v) { m_value = WithBits(m_value, 1, 1, v ? 1u : 0u); }
    constexpr void SetSkipped(bool v) { m_value = WithBits(m_value, 2, 1, v ? 1u : 0u); }
    constexpr void SetAudioPidCount(unsigned v) { m_value = WithBits(m_value, 11, 3, v); }
    constexpr void SetSelectedAudio(unsigned v) { m_value = WithBits(m_value, 14, 3, v); }
    constexpr void SetAudioMode(unsigned v) { m_value = WithBits(m_value, 17, 2, v); }

private:
    std::uint32_t m_value = 0;
};

// Six 5-bit language indices; bits 30-31 are kept as they are.
class AudioLanguages {
public:
    static constexpr int kCount = 6;

    constexpr AudioLanguages() = default;
    constexpr explicit AudioLanguages(std::uint32_t value) : m_value(value) {}
    constexpr std::uint32_t Value() const { return m_value; }

    constexpr unsigned Language(int i) const { return BitsOf(m_value, 5u * static_cast<unsigned>(i), 5); }
    constexpr void SetLanguage(int i, unsigned v) { m_value = WithBits(m_value, 5u * static_cast<unsigned>(i), 5, v); }

private:
    std::uint32_t m_value = 0;
};

} // namespace vorlane
