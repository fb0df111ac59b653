#include "database/list_kind.h"

#include "database/band.h"
#include "database/channel_record.h"
#include "database/satellite_record.h"
#include "database/table_layout.h"
#include "database/transponder_record.h"

#include <array>

namespace vorlane {
namespace {

constexpr int kScramblingHeads = 2; // free-to-air and scrambled

// Satellite and transponder lists: one side only, every type.
constexpr ListKindInfo TableKind(ListKind kind, int heads, RecordTable table, std::size_t field, std::uint8_t width,
                                 HeadChoice choice) {
    return {kind, heads, table, field, 0, width, kAllTypes, TunerFilter::Tuner1Only, choice, -1};
}

constexpr ListKindInfo ChannelKind(std::uint32_t kind, int heads, std::size_t field, int type, TunerFilter tuners,
                                   HeadChoice choice) {
    return {static_cast<ListKind>(kind), heads, RecordTable::Channels, field, 4, 32, type, tuners, choice, -1};
}

constexpr ListKindInfo FavouriteKindInfo(int group) {
    return {FavouriteKind(group),
            1,
            RecordTable::Channels,
            ChannelRecord::kFavouriteBytes + static_cast<std::size_t>(group),
            8,
            8,
            kAllTypes,
            TunerFilter::Both,
            HeadChoice::Single,
            group};
}

// Main, scrambling, satellite and transponder lists come in threes: TV, radio, data.
constexpr void AddTypedTriple(std::array<ListKindInfo, 30>& out, std::size_t& n, std::uint32_t firstKind, int heads,
                              std::size_t field, TunerFilter tuners, HeadChoice choice) {
    for (int type = 0; type < 3; ++type)
        out[n++] = ChannelKind(firstKind + static_cast<std::uint32_t>(type), heads, field, type, tuners, choice);
}

constexpr std::array<ListKindInfo, 30> MakeKinds() {
    std::array<ListKindInfo, 30> out{};
    std::size_t n = 0;
    out[n++] = TableKind(ListKind::Satellites, 1, RecordTable::Satellites, SatelliteRecord::kListLink, 16,
                         HeadChoice::ByLinkIndex);
    out[n++] = TableKind(ListKind::Transponders, 1, RecordTable::Transponders, TransponderRecord::kListLink, 16,
                         HeadChoice::ByLinkIndex);
    out[n++] = TableKind(ListKind::SatelliteTransponders, kSatelliteCount, RecordTable::Transponders,
                         TransponderRecord::kSatelliteLink, 32, HeadChoice::ByLinkIndex);
    AddTypedTriple(out, n, 4, 1, ChannelRecord::kMainLink, TunerFilter::Both, HeadChoice::ByLinkIndex);
    AddTypedTriple(out, n, 7, kScramblingHeads, ChannelRecord::kFsLink, TunerFilter::Both, HeadChoice::ByLinkIndex);
    AddTypedTriple(out, n, 10, kSatelliteCount, ChannelRecord::kSatelliteLink, TunerFilter::Both,
                   HeadChoice::ByLinkIndex);
    AddTypedTriple(out, n, 13, kTransponderCount, ChannelRecord::kTransponderLink, TunerFilter::Both,
                   HeadChoice::ByLinkIndex);
    for (int group = 0; group < 8; ++group)
        out[n++] = FavouriteKindInfo(group);
    AddTypedTriple(out, n, 24, 1, ChannelRecord::kMainLink, TunerFilter::Tuner1Only, HeadChoice::Single);
    AddTypedTriple(out, n, 27, 1, ChannelRecord::kMainLink, TunerFilter::Tuner2Only, HeadChoice::Single);
    out[n++] = TableKind(ListKind::Bands, kBandCount, RecordTable::Transponders, TransponderRecord::kBandLink, 32,
                         HeadChoice::ByBand);
    return out;
}

constexpr std::array<ListKindInfo, 30> kKinds = MakeKinds();

constexpr std::array<ListKind, 31> MakeBuildOrder() {
    std::array<ListKind, 31> out{};
    std::size_t n = 0;
    for (const ListKind k :
         {ListKind::Satellites, ListKind::Transponders, ListKind::SatelliteTransponders, ListKind::Bands})
        out[n++] = k;
    for (std::uint32_t k = 4; k <= 29; ++k)
        out[n++] = static_cast<ListKind>(k);
    out[n++] = ListKind::Bands;
    return out;
}

constexpr std::array<ListKind, 31> kBuildOrder = MakeBuildOrder();

constexpr std::array<int, kMaxListKind + 1> MakeSlots() {
    std::array<int, kMaxListKind + 1> slots{};
    for (auto& s : slots)
        s = -1;
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        slots[static_cast<std::size_t>(kKinds[i].kind)] = static_cast<int>(i);
    return slots;
}

constexpr std::array<int, kMaxListKind + 1> kSlotOfKind = MakeSlots();

} // namespace

const ListKindInfo* FindListKind(ListKind kind) {
    const auto k = static_cast<std::uint32_t>(kind);
    if (k > kMaxListKind || kSlotOfKind[k] < 0)
        return nullptr;
    return &kKinds[static_cast<std::size_t>(kSlotOfKind[k])];
}

std::span<const ListKindInfo> AllListKinds() {
    return kKinds;
}

std::span<const ListKind> ListBuildOrder() {
    return kBuildOrder;
}

} // namespace vorlane
