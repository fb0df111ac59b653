#pragma once
// Channel sides as the list tools see them: one tuner side of a channel record with the fields of its
// transponder and satellite, taken from a main list in its order.

#include "database/channel_database.h"
#include "platform/text_translator.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

// The main lists that sorting, reference order and printing work on.
inline constexpr std::array<ServiceType, 2> kTvAndRadio = {ServiceType::Tv, ServiceType::Radio};
inline constexpr std::array<ServiceType, 3> kEveryServiceType = {ServiceType::Tv, ServiceType::Radio,
                                                                 ServiceType::Data};

struct ChannelEntry {
    Pk pk{0};
    TunerSide side = TunerSide::First;
    ServiceType type = ServiceType::Tv;
    std::string name;
    int satellite = -1;   // satellite index, -1 when the link names none
    int transponder = -1; // transponder index, -1 when the link names no used transponder
    std::int16_t orbitalPosition = 0;
    std::uint16_t frequency = 0;
    unsigned polarisation = 0;
    std::uint16_t symbolRate = 0;
    std::uint16_t programNumber = 0;
    std::uint16_t transportStreamId = 0;
    std::uint16_t networkId = 0;
    std::uint16_t pmtPid = 0;
    std::uint16_t videoPid = 0;
    std::uint16_t pcrPid = 0;
    std::uint16_t teletextPid = 0;
    std::uint16_t ac3Pid = 0;
    std::array<std::uint16_t, 6> audioPids{};
    bool scrambled = false;
    bool locked = false;
    bool skipped = false;
    std::array<std::uint8_t, 8> favouriteBytes{};
};

// An id field (program number, TS id, network id) that says something: 0 is "none", and 0xFFFF is what a
// record that never had one carries (lists imported without ids).
constexpr bool IsKnownId(std::uint16_t id) {
    return id != 0 && id != 0xFFFF;
}

// The main list of one tuner side and type (the per-tuner list kind), in list order.
std::vector<Pk> MainListPks(const ChannelDatabase& db, TunerSide side, ServiceType type);

ChannelEntry EntryOfPk(const ChannelDatabase& db, Pk pk);
std::vector<ChannelEntry> MainListEntries(const ChannelDatabase& db, TunerSide side, ServiceType type);

// "Name (11303 H, program 28006)", in UTF-8 and the language of `texts`, for lists of duplicates.
std::string ChannelSummary(const ChannelDatabase& db, Pk pk, const TextTranslator& texts = EnglishTexts());

// "TV", "Radio", "Data" (context "ListCompare" for the editor's translations).
const char* ServiceTypeName(ServiceType type);
// "A", "H", "V" or "-" for the unused code.
char PolarisationLetter(unsigned polarisation);

} // namespace vorlane
