#pragma once
// The kinds of ordered lists: how many heads each has, which table and link field it orders,
// and which records (type, tuner side, favourite membership) take part.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorlane {

enum class ListKind : std::uint32_t {
    Satellites = 1,
    Transponders = 2,
    SatelliteTransponders = 3,
    TvChannels = 4,
    RadioChannels = 5,
    DataChannels = 6,
    TvByScrambling = 7,
    RadioByScrambling = 8,
    DataByScrambling = 9,
    TvBySatellite = 10,
    RadioBySatellite = 11,
    DataBySatellite = 12,
    TvByTransponder = 13,
    RadioByTransponder = 14,
    DataByTransponder = 15,
    Favourite0 = 16,
    Favourite7 = 23,
    Tuner1Tv = 24,
    Tuner1Radio = 25,
    Tuner1Data = 26,
    Tuner2Tv = 27,
    Tuner2Radio = 28,
    Tuner2Data = 29,
    Bands = 31,
};

inline constexpr std::uint32_t kMaxListKind = 31;

enum class RecordTable { Satellites, Transponders, Channels };
enum class TunerFilter { Both, Tuner1Only, Tuner2Only };

// How a record's link selects the head it is appended to.
enum class HeadChoice {
    ByLinkIndex, // the index bits of the link word
    Single,      // always head 0
    ByBand,      // the band computed from the transponder and its satellite
};

struct ListKindInfo {
    ListKind kind;
    int headCount;
    RecordTable table;
    std::size_t linkField;  // offset of the tuner-1 (or only) link field in the record
    std::size_t sideStride; // distance from the tuner-1 field to the tuner-2 field
    std::uint8_t linkWidth; // 8, 16 or 32 bits
    int typeFilter;         // service type the kind takes, or -1 for every type
    TunerFilter tuners;
    HeadChoice headChoice;
    int favouriteGroup; // 0..7 for the favourite kinds, -1 otherwise
};

inline constexpr int kAllTypes = -1;

// Description of a kind, or nullptr for a number that is not a kind (0, 30, above 31).
const ListKindInfo* FindListKind(ListKind kind);

// Every kind, in ascending number.
std::span<const ListKindInfo> AllListKinds();

// The order in which every list is built: kind 1; kinds 2, 3, 31; kinds 4 to 29 and kind 31 once more.
std::span<const ListKind> ListBuildOrder();

// Keys normally run 0..n-1 over the whole list, tuner-1 entries first. The main lists and the favourite
// groups count each tuner side from 0: the per-tuner lists write the same main link fields with per-tuner
// positions, and a favourite byte holds only 7 bits of position per tuner.
inline constexpr bool KeysCountPerTunerSide(ListKind kind) {
    const auto n = static_cast<std::uint32_t>(kind);
    return (n >= 4 && n <= 6) || (n >= 16 && n <= 29);
}

inline constexpr ListKind FavouriteKind(int group) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(ListKind::Favourite0) + static_cast<std::uint32_t>(group));
}

} // namespace vorlane
