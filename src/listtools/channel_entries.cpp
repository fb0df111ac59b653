#include "listtools/channel_entries.h"

#include "database/list_node.h"
#include "listtools/folded_text.h"

namespace vorlane {

ListKind MainListKind(int side, ServiceType type) {
    const ListKind first = side == 0 ? ListKind::Tuner1Tv : ListKind::Tuner2Tv;
    return static_cast<ListKind>(static_cast<std::uint32_t>(first) + static_cast<std::uint32_t>(type));
}

std::vector<int> MainListPks(const ChannelDatabase& db, int side, ServiceType type) {
    std::vector<int> pks;
    if (const ListHead* head = db.lists().Head(MainListKind(side, type), 0)) {
        pks.reserve(head->count);
        for (const ListNode* node = head->first; node != nullptr; node = node->next)
            pks.push_back(node->pk);
    }
    return pks;
}

ChannelEntry EntryOfPk(const ChannelDatabase& db, int pk) {
    const ConstChannelRecord channel = db.channelOfPk(pk);
    ChannelEntry entry;
    entry.pk = pk;
    entry.side = TunerSideOfPk(pk);
    const int side = entry.side;
    entry.type = static_cast<ServiceType>(channel.serviceType() & 3u);
    entry.name = channel.name();
    entry.programNumber = channel.programNumber();
    entry.pmtPid = channel.pmtPid();
    entry.videoPid = channel.videoPid();
    entry.pcrPid = channel.pcrPid();
    entry.teletextPid = channel.teletextPid();
    entry.ac3Pid = channel.ac3Pid();
    for (int i = 0; i < ChannelRecord::kAudioPidCount; ++i)
        entry.audioPids[static_cast<std::size_t>(i)] = channel.audioPid(i);
    const ServiceWord service = channel.serviceWord(side);
    entry.scrambled = service.scrambled();
    entry.locked = service.locked();
    entry.skipped = service.skipped();
    for (int g = 0; g < ChannelRecord::kFavouriteGroupCount; ++g)
        entry.favouriteBytes[static_cast<std::size_t>(g)] = channel.favouriteByte(side, g);

    const auto satellite = static_cast<int>(channel.satelliteLink(side).index());
    if (satellite < kSatelliteCount) {
        entry.satellite = satellite;
        entry.orbitalPosition = db.satellite(satellite).orbitalPosition();
    }
    const auto transponder = static_cast<int>(channel.transponderLink(side).index());
    if (transponder < kTransponderCount && !db.transponder(transponder).isFree()) {
        const ConstTransponderRecord record = db.transponder(transponder);
        entry.transponder = transponder;
        entry.frequency = record.frequency();
        entry.polarisation = record.tuning().polarisation();
        entry.symbolRate = record.symbolRate();
        entry.transportStreamId = record.transportStreamId();
        entry.networkId = record.networkId();
    }
    return entry;
}

std::vector<ChannelEntry> MainListEntries(const ChannelDatabase& db, int side, ServiceType type) {
    std::vector<ChannelEntry> entries;
    for (const int pk : MainListPks(db, side, type))
        entries.push_back(EntryOfPk(db, pk));
    return entries;
}

std::string ChannelSummary(const ChannelDatabase& db, int pk, const TextTranslator& texts) {
    const ChannelEntry entry = EntryOfPk(db, pk);
    return texts.Fill("ListCompare", VORLANE_TRANSLATABLE("ListCompare", "%1 (%2 %3, program %4)"),
                      {Latin1ToUtf8(entry.name), std::to_string(entry.frequency),
                       std::string(1, PolarisationLetter(entry.polarisation)), std::to_string(entry.programNumber)});
}

const char* ServiceTypeName(ServiceType type) {
    switch (type) {
    case ServiceType::Tv:
        return VORLANE_TRANSLATABLE("ListCompare", "TV");
    case ServiceType::Radio:
        return VORLANE_TRANSLATABLE("ListCompare", "Radio");
    case ServiceType::Data:
        return VORLANE_TRANSLATABLE("ListCompare", "Data");
    case ServiceType::None:
        break;
    }
    return "None";
}

char PolarisationLetter(unsigned polarisation) {
    constexpr char kLetters[] = "AHV-";
    return kLetters[polarisation & 3u];
}

} // namespace vorlane
