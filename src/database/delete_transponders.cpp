#include "database/delete_transponders.h"

#include "database/delete_channels.h"
#include "database/list_edits.h"
#include "database/pk_channel.h"

#include <cstring>
#include <vector>

namespace vorlane {
namespace {

// What a freed transponder slot keeps in its tuning word: FEC "auto", polarisation "unused".
constexpr std::uint32_t kFreedTuningWord = 0xFFFFFFF7u;

void CollectPks(const ChannelDatabase& db, ListKind kind, int instance, std::vector<Pk>& pks) {
    const ListHead* head = db.Lists().Head(kind, instance);
    for (const ListNode* node = head ? head->first.get() : nullptr; node; node = node->next)
        pks.push_back(node->pk);
}

void RemoveFromTransponderLists(OrderedLists& lists, const std::vector<bool>& marked) {
    for (const ListKind kind : {ListKind::Transponders, ListKind::SatelliteTransponders, ListKind::Bands})
        RemoveMarkedPks(lists, kind, marked);
}

bool CarriesNoTvOrRadio(const ChannelDatabase& db, int index) {
    const ListHead* tv = db.Lists().Head(ListKind::TvByTransponder, index);
    const ListHead* radio = db.Lists().Head(ListKind::RadioByTransponder, index);
    return tv && radio && !tv->first && !radio->first;
}

} // namespace

bool DeleteTransponder(ChannelDatabase& db, int index) {
    if (index < 0 || index >= kTransponderCount || !db.TablesAllocated())
        return false;
    std::vector<Pk> sides;
    for (const ListKind kind : {ListKind::TvByTransponder, ListKind::RadioByTransponder, ListKind::DataByTransponder})
        CollectPks(db, kind, index, sides);
    RemoveChannelSides(db, sides);

    std::vector<bool> marked(kTransponderCount, false);
    marked[static_cast<std::size_t>(index)] = true;
    RemoveFromTransponderLists(db.Lists(), marked);
    std::memset(db.Transponder(index).RecordBytes(), 0xFF, kTransponderRecordSize);
    RebuildPkChannel(db);
    db.SetModified(true);
    return true;
}

int DeleteEmptyTransponders(ChannelDatabase& db) {
    if (!db.TablesAllocated())
        return 0;
    std::vector<bool> emptied(kTransponderCount, false);
    std::vector<Pk> dataSides;
    int freed = 0;
    for (int index = 0; index < kTransponderCount; ++index) {
        if (!CarriesNoTvOrRadio(db, index))
            continue;
        emptied[static_cast<std::size_t>(index)] = true;
        freed += db.Transponder(index).IsFree() ? 0 : 1;
        CollectPks(db, ListKind::DataByTransponder, index, dataSides);
    }
    // Data channels are not in m_pKChannel, so it stays as it is.
    RemoveChannelSides(db, dataSides);
    RemoveFromTransponderLists(db.Lists(), emptied);
    for (int index = 0; index < kTransponderCount; ++index) {
        if (!emptied[static_cast<std::size_t>(index)])
            continue;
        const TransponderRecord transponder = db.Transponder(index);
        std::memset(transponder.RecordBytes(), 0xFF, kTransponderRecordSize);
        transponder.SetTuning(TuningWord(kFreedTuningWord));
    }
    db.SetModified(true);
    return freed;
}

} // namespace vorlane
