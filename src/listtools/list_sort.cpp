#include "listtools/list_sort.h"

#include "listtools/channel_entries.h"
#include "listtools/folded_text.h"
#include "listtools/main_order.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

namespace {

struct SortItem {
    Pk pk;
    std::string text; // the folded name, for the name order
    std::uint32_t number;
};

std::uint32_t SatelliteOrder(const ChannelDatabase& db, const ChannelEntry& entry) {
    if (entry.satellite < 0)
        return UINT32_MAX;
    return LinkWord::FromForm16(db.Satellite(entry.satellite).ListLink()).Key();
}

SortItem ItemOf(const ChannelDatabase& db, const ChannelEntry& entry, SortKey key) {
    switch (key) {
    case SortKey::Name:
        return {entry.pk, FoldedText(entry.name), 0};
    case SortKey::Frequency:
        return {entry.pk, {}, entry.frequency};
    case SortKey::ProgramNumber:
        return {entry.pk, {}, entry.programNumber};
    case SortKey::Satellite:
        return {entry.pk, {}, SatelliteOrder(db, entry)};
    }
    return {entry.pk, {}, 0};
}

void WriteSortedOrder(ChannelDatabase& db, TunerSide side, ServiceType type, SortKey key) {
    std::vector<SortItem> items;
    for (const ChannelEntry& entry : MainListEntries(db, side, type))
        items.push_back(ItemOf(db, entry, key));
    std::stable_sort(items.begin(), items.end(), [](const SortItem& a, const SortItem& b) {
        return a.number != b.number ? a.number < b.number : a.text < b.text;
    });
    std::vector<Pk> pks;
    pks.reserve(items.size());
    for (const SortItem& item : items)
        pks.push_back(item.pk);
    WriteMainOrder(db, pks);
}

} // namespace

std::optional<SortKey> SortKeyOfWord(std::string_view word) {
    if (word == "name")
        return SortKey::Name;
    if (word == "frequency")
        return SortKey::Frequency;
    if (word == "sid")
        return SortKey::ProgramNumber;
    if (word == "satellite")
        return SortKey::Satellite;
    return std::nullopt;
}

void SortMainList(ChannelDatabase& db, TunerSide side, ServiceType type, SortKey key) {
    WriteSortedOrder(db, side, type, key);
    RebuildAfterListEdit(db);
}

void SortBothTuners(ChannelDatabase& db, ServiceType type, SortKey key) {
    for (const TunerSide side : kTunerSides)
        WriteSortedOrder(db, side, type, key);
    RebuildAfterListEdit(db);
}

void SortAllMainLists(ChannelDatabase& db, SortKey key) {
    for (const TunerSide side : kTunerSides)
        for (const ServiceType type : kTvAndRadio)
            WriteSortedOrder(db, side, type, key);
    RebuildAfterListEdit(db);
}

} // namespace vorlane
