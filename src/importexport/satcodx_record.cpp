#include "importexport/satcodx_record.h"

#include "database/record_words.h"
#include "importexport/decimal_field.h"

#include <algorithm>
#include <cstring>

namespace vorlane {

namespace {

constexpr std::uint8_t kCarriageReturn = '\r';
constexpr std::uint8_t kLineFeed = '\n';

} // namespace

bool StartsWithSatcodxMark(ConstByteSpan bytes) {
    return bytes.size() >= kSatcodxMark.size() &&
           std::memcmp(bytes.data(), kSatcodxMarkStem.data(), kSatcodxMarkStem.size()) == 0 &&
           kSatcodxVersionDigits.find(static_cast<char>(bytes[kSatcodxMarkStem.size()])) != std::string_view::npos;
}

ConstByteSpan SatcodxRecord::FieldBytes(std::size_t position, std::size_t width) const {
    if (position >= m_bytes.size())
        return {};
    return m_bytes.subspan(position, std::min(width, m_bytes.size() - position));
}

SatcodxRecord::SatelliteName SatcodxRecord::NameOfSatellite() const {
    SatelliteName name{};
    const ConstByteSpan bytes = FieldBytes(kSatelliteName, kSatelliteNameLength);
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return name;
}

ServiceType SatcodxRecord::TypeOfService() const {
    const ConstByteSpan code = FieldBytes(kServiceType, 1);
    if (code.empty())
        return ServiceType::Data;
    switch (code[0]) {
    case 'T':
        return ServiceType::Tv;
    case 'R':
        return ServiceType::Radio;
    default:
        return ServiceType::Data;
    }
}

std::int32_t SatcodxRecord::Frequency() const {
    return DecimalOrZero(FieldBytes(kFrequency, kFrequencyLength));
}

std::int32_t SatcodxRecord::PolarisationCode() const {
    return DecimalOrZero(FieldBytes(kPolarisationCode, kPolarisationCodeLength));
}

std::optional<std::string> SatcodxRecord::FullChannelName() const {
    if (m_bytes.size() < kNameContinuation + kNameContinuationLength)
        return std::nullopt;
    std::string name(ShortChannelName().begin(), ShortChannelName().end());
    const ConstByteSpan rest = FieldBytes(kNameContinuation, kNameContinuationLength);
    name.append(rest.begin(), rest.end());
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

std::optional<int> SatcodxRecord::PolarisationDigit() const {
    const ConstByteSpan digit = FieldBytes(kPolarisationDigit, 1);
    if (digit.empty() || !IsDigit(digit[0]))
        return std::nullopt;
    return digit[0] - '0';
}

std::optional<std::int32_t> SatcodxRecord::SymbolRate() const {
    return ParseDecimal(FieldBytes(kSymbolRate, kSymbolRateLength));
}

std::optional<std::int32_t> SatcodxRecord::VideoPid() const {
    return ParseDecimal(FieldBytes(kVideoPid, kPidLength));
}

std::optional<std::int32_t> SatcodxRecord::AudioPid() const {
    return ParseDecimal(FieldBytes(kAudioPid, kPidLength));
}

std::optional<std::int32_t> SatcodxRecord::PcrPid() const {
    return ParseDecimal(FieldBytes(kPcrPid, kPidLength));
}

std::optional<std::int32_t> SatcodxRecord::ProgramNumber() const {
    return ParseDecimal(FieldBytes(kProgramNumber, kIdLength));
}

std::optional<std::int32_t> SatcodxRecord::NetworkId() const {
    return ParseDecimal(FieldBytes(kNetworkId, kIdLength));
}

std::optional<std::int32_t> SatcodxRecord::TransportStreamId() const {
    return ParseDecimal(FieldBytes(kTransportStreamId, kIdLength));
}

std::size_t SatcodxRecordEnd(ConstByteSpan buffer, std::size_t start) {
    const std::size_t from = std::min(buffer.size(), start + SatcodxRecord::kLineEndSearchStart);
    const auto end = std::find_if(buffer.begin() + static_cast<std::ptrdiff_t>(from), buffer.end(),
                                  [](std::uint8_t c) { return c == kCarriageReturn || c == kLineFeed; });
    return static_cast<std::size_t>(end - buffer.begin());
}

std::size_t AfterSatcodxLineEnd(ConstByteSpan buffer, std::size_t end) {
    if (end >= buffer.size())
        return buffer.size();
    const std::size_t next = end + 1;
    if (buffer[end] == kCarriageReturn && next < buffer.size() && buffer[next] == kLineFeed)
        return next + 1;
    return next;
}

std::optional<unsigned> PolarisationOfSatcodxCode(std::int32_t code) {
    switch (code) {
    case 0:
        return kPolarisationVertical;
    case 1:
        return kPolarisationHorizontal;
    case 2:
    case 3:
        return kPolarisationAuto;
    default:
        return std::nullopt;
    }
}

} // namespace vorlane
