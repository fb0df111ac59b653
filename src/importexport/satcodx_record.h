#pragma once
// One record of a SATCODX file: its fixed character positions, the fields the reader takes from
// them, and where a record ends and the next one begins.

#include "database/link_word.h"
#include "platform/bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// Versions 104 and 105 keep every column this reader takes where version 103 has it, so all three
// marks are read alike.
inline constexpr std::string_view kSatcodxMark = "SATCODX103";
inline constexpr std::string_view kSatcodxMarkStem = "SATCODX10";
inline constexpr std::string_view kSatcodxVersionDigits = "345";

// A record mark of version 103, 104 or 105.
bool StartsWithSatcodxMark(ConstByteSpan bytes);

// The bytes of one record, from its mark up to (not including) its line end. Fields that reach
// past the record's end are read as far as the record goes.
class SatcodxRecord {
public:
    static constexpr std::size_t kSatelliteName = 10;
    static constexpr std::size_t kSatelliteNameLength = 16;
    static constexpr std::size_t kServiceType = 28;
    static constexpr std::size_t kFrequency = 33;
    static constexpr std::size_t kFrequencyLength = 6;
    static constexpr std::size_t kPolarisationCode = 39;
    static constexpr std::size_t kPolarisationCodeLength = 4;
    static constexpr std::size_t kPolarisationDigit = 42;
    static constexpr std::size_t kChannelName = 43;
    static constexpr std::size_t kChannelNameLength = 8;
    static constexpr std::size_t kLineEndSearchStart = 63;
    static constexpr std::size_t kSymbolRate = 69;
    static constexpr std::size_t kSymbolRateLength = 5;
    static constexpr std::size_t kVideoPid = 75;
    static constexpr std::size_t kAudioPid = 79;
    static constexpr std::size_t kPcrPid = 83;
    static constexpr std::size_t kPidLength = 4;
    static constexpr std::size_t kProgramNumber = 87;
    static constexpr std::size_t kNetworkId = 92;
    static constexpr std::size_t kTransportStreamId = 97;
    static constexpr std::size_t kIdLength = 5;
    static constexpr std::size_t kNameContinuation = 115;
    static constexpr std::size_t kNameContinuationLength = 12;

    using SatelliteName = std::array<std::uint8_t, kSatelliteNameLength>;

    explicit SatcodxRecord(ConstByteSpan bytes) : m_bytes(bytes) {}

    // Positions 10-25, NUL where the record is shorter.
    SatelliteName NameOfSatellite() const;
    ServiceType TypeOfService() const;
    // Read from every record; a field without digits reads as 0.
    std::int32_t Frequency() const;
    std::int32_t PolarisationCode() const;
    // Positions 43-50 as they stand (shorter only when the record is).
    ConstByteSpan ShortChannelName() const { return FieldBytes(kChannelName, kChannelNameLength); }
    // The name joined with its continuation at 115-126 and trailing blanks dropped; empty when the
    // record does not reach position 126.
    std::optional<std::string> FullChannelName() const;
    // The digit at position 42, when there is one.
    std::optional<int> PolarisationDigit() const;
    // Fields that only count where the record has digits.
    std::optional<std::int32_t> SymbolRate() const;
    std::optional<std::int32_t> VideoPid() const;
    std::optional<std::int32_t> AudioPid() const;
    std::optional<std::int32_t> PcrPid() const;
    std::optional<std::int32_t> ProgramNumber() const;
    std::optional<std::int32_t> NetworkId() const;
    std::optional<std::int32_t> TransportStreamId() const;

private:
    ConstByteSpan FieldBytes(std::size_t position, std::size_t width) const;

    ConstByteSpan m_bytes;
};

// The end of the record that starts at `start`: the first carriage return or line feed at or
// after its position 63, or the end of the buffer.
std::size_t SatcodxRecordEnd(ConstByteSpan buffer, std::size_t start);
// Where reading goes on after a record that ends at `end`: past a carriage return, a line feed,
// or both in that order.
std::size_t AfterSatcodxLineEnd(ConstByteSpan buffer, std::size_t end);

// Test channel polarisation (and transponder polarisation) for a SATCODX polarisation code:
// 0 Vertical, 1 Horizontal, 2 or 3 Auto; empty for any other code (the value stays as it was).
std::optional<unsigned> PolarisationOfSatcodxCode(std::int32_t code);

} // namespace vorlane
