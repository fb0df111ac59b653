#include "listtools/channel_entries.h"

#include "database/list_node.h"
#include "database/per_tuner_list.h"
#include "listtools/folded_text.h"

namespace vorlane {

std::vector<Pk> MainListPks(const ChannelDatabase& db, TunerSide side, ServiceType type) {
    std::vector<Pk> pks;
    if (const ListHead* head = db.Lists().Head(PerTunerListKind(side, type), 0)) {
        pks.reserve(head->count);
        for (const ListNode* node = head->first; node != nullptr; node = node->next)
            pks.push_back(node->pk);
    }
    return pks;
}

ChannelEntry EntryOfPk(const ChannelDatabase& db, Pk pk) {
    const ConstChannelRecord channel = db.ChannelOfPk(pk);
    ChannelEntry entry;
    entry.pk = pk;
    entry.side = pk.Side();
    const TunerSide side = entry.side;
    entry.type = static_cast<ServiceType>(channel.ServiceTypeCode() & 3u);
    entry.name = channel.Name();
    entry.programNumber = channel.ProgramNumber();
    entry.pmtPid = channel.PmtPid();
    entry.videoPid = channel.VideoPid();
    entry.pcrPid = channel.PcrPid();
    entry.teletextPid = channel.TeletextPid();
    entry.ac3Pid = channel.Ac3Pid();
    for (int i = 0; i < ChannelRecord::kAudioPidCount; ++i)
        entry.audioPids[static_cast<std::size_t>(i)] = channel.AudioPid(i);
    const ServiceWord service = channel.SidedServiceWord(side);
    entry.scrambled = service.Scrambled();
    entry.locked = service.Locked();
    entry.skipped = service.Skipped();
    for (int g = 0; g < ChannelRecord::kFavouriteGroupCount; ++g)
        entry.favouriteBytes[static_cast<std::size_t>(g)] = channel.FavouriteByte(side, g);

    const auto satellite = static_cast<int>(channel.SatelliteLink(side).Index());
    if (satellite < kSatelliteCount) {
        entry.satellite = satellite;
        entry.orbitalPosition = db.Satellite(satellite).OrbitalPosition();
    }
    const auto transponder = static_cast<int>(channel.TransponderLink(side).Index());
    if (transponder < kTransponderCount && !db.Transponder(transponder).IsFree()) {
        const ConstTransponderRecord record = db.Transponder(transponder);
        entry.transponder = transponder;
        entry.frequency = record.Frequency();
        entry.polarisation = record.Tuning().PolarisationCode();
        entry.symbolRate = record.SymbolRate();
        entry.transportStreamId = record.TransportStreamId();
        entry.networkId = record.NetworkId();
    }
    return entry;
}

std::vector<ChannelEntry> MainListEntries(const ChannelDatabase& db, TunerSide side, ServiceType type) {
    std::vector<ChannelEntry> entries;
    for (const Pk pk : MainListPks(db, side, type))
        entries.push_back(EntryOfPk(db, pk));
    return entries;
}

std::string ChannelSummary(const ChannelDatabase& db, Pk pk, const TextTranslator& texts) {
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
    return PolarisationLetter(polarisation & 3u, '-');
}

} // namespace vorlane
