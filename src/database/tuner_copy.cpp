#include "database/tuner_copy.h"

#include "database/channel_side.h"
#include "database/list_edits.h"

namespace vorlane {
namespace {

ListKind perTunerKind(int tuner, ServiceType type) {
    const ListKind tv = tuner == 0 ? ListKind::Tuner1Tv : ListKind::Tuner2Tv;
    return static_cast<ListKind>(static_cast<std::uint32_t>(tv) + static_cast<std::uint32_t>(type));
}

// Calls `visit` with the record of every node of the tuner's TV list, then its radio list.
template <typename Visit> void forEachTvAndRadioSide(ChannelDatabase& db, int tuner, Visit visit) {
    for (const ServiceType type : {ServiceType::Tv, ServiceType::Radio}) {
        const ListHead* head = db.lists().Head(perTunerKind(tuner, type), 0);
        for (const ListNode* node = head ? head->first : nullptr; node; node = node->next)
            visit(db.channelOfPk(node->pk));
    }
}

int copySides(ChannelDatabase& db, int source, int destination) {
    int copied = 0;
    forEachTvAndRadioSide(db, source,
                          [&](ChannelRecord record) { copied += CopyChannelSide(record, source, destination); });
    return copied;
}

bool isTuner(int tuner) {
    return tuner == 0 || tuner == 1;
}

} // namespace

int CopyTunerChannels(ChannelDatabase& db, int source, int destination, bool clearFirst) {
    if (!isTuner(source) || !isTuner(destination) || source == destination || !db.tablesAllocated())
        return 0;
    if (clearFirst) {
        forEachTvAndRadioSide(db, destination, [&](ChannelRecord record) { RemoveChannelSide(record, destination); });
        RebuildChannelLists(db.lists());
    }
    const int copied = copySides(db, source, destination);
    RebuildChannelLists(db.lists());
    return copied;
}

int MergeTuners(ChannelDatabase& db) {
    if (!db.tablesAllocated())
        return 0;
    int copied = copySides(db, 0, 1);
    copied += copySides(db, 1, 0);
    RebuildChannelLists(db.lists());
    return copied;
}

} // namespace vorlane
