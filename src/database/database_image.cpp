#include "database/database_image.h"

#include "database/image_conversion.h"
#include "database/settings_record.h"

namespace vorlane {
namespace {

constexpr int kServiceTypes = 3; // TV, radio, data

ListKind typedKind(ListKind tvKind, int type) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(tvKind) + static_cast<std::uint32_t>(type));
}

// Orders every non-empty head of the kind as its channel sides stand in their main lists.
void sortByMainLink(ChannelDatabase& db, ListKind kind) {
    OrderedLists& lists = db.lists();
    for (int i = 0; i < lists.HeadCount(kind); ++i) {
        ListHead* head = lists.Head(kind, i);
        if (!head->first)
            continue;
        for (ListNode* node = head->first; node; node = node->next) {
            const unsigned mainKey = db.channelOfPk(node->pk).mainLink(TunerSideOfPk(node->pk)).key();
            node->link = node->link.withKey(mainKey);
        }
        lists.Sort(head);
        lists.Renumber(head);
        lists.WriteBack(head);
    }
}

void renumberFavourites(ChannelDatabase& db) {
    OrderedLists& lists = db.lists();
    for (int group = 0; group < FavouriteGroups::kGroupCount; ++group) {
        ListHead* head = lists.Head(FavouriteKind(group), 0);
        if (!head || !head->first)
            continue;
        lists.Renumber(head);
        lists.WriteBack(head);
    }
}

constexpr std::size_t kSatelliteNameLast = SatelliteRecord::kName + SatelliteRecord::kNameLength - 1;

} // namespace

int LoadFromImage(ChannelDatabase& db, ByteSpan image) {
    if (!db.tablesAllocated())
        return 0;
    ReadTableRegions(image, {db.satelliteRegion(), db.channelRegion()});
    db.UseHeldSettings();
    ReadSettingsRecord(image, HeldReceiverSettings(db));
    for (int i = 0; i < kSatelliteCount; ++i)
        db.satellite(i).bytes()[kSatelliteNameLast] = 0;
    db.setModified(false);
    return 1;
}

std::vector<std::uint8_t> StoreIntoImage(ChannelDatabase& db) {
    if (!db.tablesAllocated())
        return {};
    for (int type = 0; type < kServiceTypes; ++type) {
        sortByMainLink(db, typedKind(ListKind::TvBySatellite, type));
        sortByMainLink(db, typedKind(ListKind::TvByTransponder, type));
        sortByMainLink(db, typedKind(ListKind::TvByScrambling, type));
    }
    renumberFavourites(db);
    db.UseHeldSettings();
    return WriteFreshImage({db.satelliteRegion(), db.channelRegion()}, db.heldSettings());
}

} // namespace vorlane
