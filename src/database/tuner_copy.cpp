#include "database/tuner_copy.h"

#include "database/channel_side.h"
#include "database/list_edits.h"
#include "database/per_tuner_list.h"

namespace vorlane {
namespace {

// Calls `visit` with the record of every node of the tuner's TV list, then its radio list.
template <typename Visit> void ForEachTvAndRadioSide(ChannelDatabase& db, TunerSide tuner, Visit visit) {
    for (const ServiceType type : {ServiceType::Tv, ServiceType::Radio}) {
        const ListHead* head = db.Lists().Head(PerTunerListKind(tuner, type), 0);
        for (const ListNode* node = head ? head->first.get() : nullptr; node; node = node->next)
            visit(db.ChannelOfPk(node->pk));
    }
}

int CopySides(ChannelDatabase& db, TunerSide source, TunerSide destination) {
    int copied = 0;
    ForEachTvAndRadioSide(db, source, [&](ChannelRecord record) {
        if (CopyChannelSide(record, source, destination))
            ++copied;
    });
    return copied;
}

} // namespace

int CopyTunerChannels(ChannelDatabase& db, TunerSide source, TunerSide destination, bool clearFirst) {
    if (source == destination || !db.TablesAllocated())
        return 0;
    if (clearFirst) {
        ForEachTvAndRadioSide(db, destination, [&](ChannelRecord record) { RemoveChannelSide(record, destination); });
        RebuildChannelLists(db.Lists());
    }
    const int copied = CopySides(db, source, destination);
    RebuildChannelLists(db.Lists());
    return copied;
}

int MergeTuners(ChannelDatabase& db) {
    if (!db.TablesAllocated())
        return 0;
    int copied = CopySides(db, TunerSide::First, TunerSide::Second);
    copied += CopySides(db, TunerSide::Second, TunerSide::First);
    RebuildChannelLists(db.Lists());
    return copied;
}

} // namespace vorlane
