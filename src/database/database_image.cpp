#include "database/database_image.h"

#include "database/image_conversion.h"
#include "database/settings_record.h"

namespace vorlane {
namespace {

constexpr int kServiceTypes = 3; // TV, radio, data

ListKind TypedKind(ListKind tvKind, int type) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(tvKind) + static_cast<std::uint32_t>(type));
}

// Orders every non-empty head of the kind as its channel sides stand in their main lists.
void SortByMainLink(ChannelDatabase& db, ListKind kind) {
    OrderedLists& lists = db.Lists();
    for (int i = 0; i < lists.HeadCount(kind); ++i) {
        ListHead* head = lists.Head(kind, i);
        if (!head->first)
            continue;
        for (ListNode* node = head->first; node; node = node->next) {
            const unsigned mainKey = db.ChannelOfPk(node->pk).MainLink(node->pk.Side()).Key();
            node->link = node->link.WithKey(mainKey);
        }
        lists.Sort(head);
        lists.Renumber(head);
        lists.WriteBack(head);
    }
}

void RenumberFavourites(ChannelDatabase& db) {
    OrderedLists& lists = db.Lists();
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

bool LoadFromImage(ChannelDatabase& db, ByteSpan image) {
    if (!db.TablesAllocated())
        return false;
    ReadTableRegions(image, {db.SatelliteRegion(), db.ChannelRegion()});
    db.UseHeldSettings();
    ReadSettingsRecord(image, HeldReceiverSettings(db));
    for (int i = 0; i < kSatelliteCount; ++i)
        db.Satellite(i).RecordBytes()[kSatelliteNameLast] = 0;
    db.SetModified(false);
    return true;
}

std::vector<std::uint8_t> StoreIntoImage(ChannelDatabase& db) {
    if (!db.TablesAllocated())
        return {};
    for (int type = 0; type < kServiceTypes; ++type) {
        SortByMainLink(db, TypedKind(ListKind::TvBySatellite, type));
        SortByMainLink(db, TypedKind(ListKind::TvByTransponder, type));
        SortByMainLink(db, TypedKind(ListKind::TvByScrambling, type));
    }
    RenumberFavourites(db);
    db.UseHeldSettings();
    return WriteFreshImage({db.SatelliteRegion(), db.ChannelRegion()}, db.HeldSettings());
}

} // namespace vorlane
