// Building the ordered lists from the link words stored in the records.

#include "database/band.h"
#include "database/channel_record.h"
#include "database/link_field.h"
#include "database/ordered_lists.h"
#include "database/satellite_record.h"
#include "database/transponder_record.h"
#include "platform/bytes.h"

#include <new>

namespace vorlane {
namespace {

std::uint32_t HeadWordOf(const ListKindInfo& info, int instance) {
    const bool typed =
        info.typeFilter == static_cast<int>(ServiceType::Tv) || info.typeFilter == static_cast<int>(ServiceType::Radio);
    return LinkWord()
        .WithIndex(static_cast<unsigned>(instance))
        .WithType(typed ? static_cast<unsigned>(info.typeFilter) : 0u)
        .Value();
}

bool TakesSide(TunerFilter filter, TunerSide side) {
    return filter == TunerFilter::Both ||
           (filter == TunerFilter::Tuner1Only ? side == TunerSide::First : side == TunerSide::Second);
}

Pk ChannelPkOrIndex(const ListKindInfo& info, int index, TunerSide side) {
    return info.table == RecordTable::Channels ? Pk::OfChannel(index, side) : Pk::OfRecord(index);
}

} // namespace

std::optional<int> OrderedLists::BuildKind(ListKind kind) {
    const ListKindInfo* info = FindListKind(kind);
    if (!info || !m_tables || !m_tables->Allocated())
        return std::nullopt;
    FreeHeads(kind);
    std::unique_ptr<ListHead[]> heads(new (std::nothrow) ListHead[static_cast<std::size_t>(info->headCount)]);
    if (!heads)
        return std::nullopt;
    for (int i = 0; i < info->headCount; ++i) {
        ListHead& head = heads[static_cast<std::size_t>(i)];
        head.kind = kind;
        head.instance = static_cast<std::uint16_t>(i);
        head.linkWidth = info->linkWidth;
        head.headWord = HeadWordOf(*info, i);
    }

    int used = 0;
    for (int index = 0; index < RecordCount(info->table); ++index) {
        if (ReadLe32(m_tables->Record(info->table, index)) == kFreeRecordWord)
            continue;
        ++used;
        for (const TunerSide side : ListedSides(info->table)) {
            LinkWord link;
            // A full pool skips the record; the list simply lacks it.
            if (const std::optional<int> instance = BuildHeadOf(*info, index, side, link))
                AppendNode(heads[static_cast<std::size_t>(*instance)], ChannelPkOrIndex(*info, index, side), link);
        }
    }

    for (int i = 0; i < info->headCount; ++i) {
        ListHead& head = heads[static_cast<std::size_t>(i)];
        if (!head.first)
            continue;
        Sort(&head);
        if (info->favouriteGroup >= 0)
            DropFavouriteOverflow(head);
        Renumber(&head);
        WriteBack(&head);
    }
    m_heads[static_cast<std::size_t>(kind)] = std::move(heads);
    return used;
}

std::optional<int> OrderedLists::BuildAll() {
    int usedRecords = 0;
    bool failed = false;
    for (const ListKind kind : ListBuildOrder()) {
        const std::optional<int> used = BuildKind(kind);
        if (!used)
            failed = true;
        else if (kind == ListKind::Satellites || kind == ListKind::Transponders || kind == ListKind::TvChannels)
            usedRecords += *used;
    }
    if (failed)
        return std::nullopt;
    return usedRecords;
}

std::optional<int> OrderedLists::BuildHeadOf(const ListKindInfo& info, int index, TunerSide side,
                                             LinkWord& link) const {
    const std::uint8_t* record = m_tables->Record(info.table, index);
    if (info.table == RecordTable::Channels) {
        const ConstChannelRecord channel(record);
        if ((info.typeFilter != kAllTypes && channel.ServiceTypeCode() != info.typeFilter) ||
            !TakesSide(info.tuners, side) || !channel.PresentOn(side))
            return std::nullopt;
    }
    link = ReadLinkField(info, record, side);
    // A favourite byte without its membership bit says the channel is not in the group.
    if (info.favouriteGroup >= 0 && link.Type() == 0)
        return std::nullopt;
    const int instance = HeadForLink(info, record, link);
    if (instance < 0 || instance >= info.headCount)
        return std::nullopt;
    return instance;
}

int OrderedLists::HeadForLink(const ListKindInfo& info, const std::uint8_t* record, LinkWord& link) const {
    switch (info.headChoice) {
    case HeadChoice::Single:
        return 0;
    case HeadChoice::ByLinkIndex:
        return static_cast<int>(link.Index());
    case HeadChoice::ByBand: {
        // The band follows the transponder's current frequency, polarisation and satellite LNB,
        // and the link's index is kept in step with it.
        const ConstTransponderRecord transponder(record);
        const unsigned satellite = transponder.SatelliteLink().Index();
        const int lnbType =
            satellite < static_cast<unsigned>(kSatelliteCount)
                ? ConstSatelliteRecord(m_tables->Record(RecordTable::Satellites, static_cast<int>(satellite))).LnbType()
                : 0;
        const int band = BandNumber(lnbType, transponder.Frequency(), transponder.Tuning().PolarisationCode());
        link = link.WithIndex(static_cast<unsigned>(band));
        return band;
    }
    }
    return -1;
}

void OrderedLists::DropFavouriteOverflow(ListHead& head) {
    // The 7-bit position cannot order more members per tuner; the surplus (last in order) leaves the
    // group instead of being stored with a wrapped position.
    const ListKindInfo& info = *FindListKind(head.kind);
    int members[kTunerCount] = {0, 0};
    for (ListNode* node = head.first; node;) {
        ListNode* next = node->next;
        const TunerSide side = node->pk.Side();
        if (++members[SideIndex(side)] > kMaxFavouriteMembers) {
            ChannelRecord(m_tables->RecordOfPk(RecordTable::Channels, node->pk))
                .SetFavouriteByte(side, info.favouriteGroup, 0);
            Unlink(node);
        }
        node = next;
    }
}

} // namespace vorlane
