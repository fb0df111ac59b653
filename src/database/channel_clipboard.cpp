#include "database/channel_clipboard.h"

#include "database/add_records.h"
#include "database/move_channels.h"
#include "database/new_channel_links.h"
#include "database/pk_channel.h"
#include "database/transponder_new_record.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace vorlane {
namespace {

// The byte block: a mark, then one entry per channel.
constexpr std::array<std::uint8_t, 4> kMark{'V', 'L', 'C', 'H'};
constexpr std::size_t kSideAt = 0;
constexpr std::size_t kPositionAt = 1;
constexpr std::size_t kFrequencyAt = 3;
constexpr std::size_t kSymbolRateAt = 5;
constexpr std::size_t kPolarisationAt = 7;
constexpr std::size_t kRecordAt = 8;
constexpr std::size_t kEntrySize = kRecordAt + kChannelRecordSize;

int TransponderOfSide(const ChannelDatabase& db, Pk pk) {
    const unsigned index = db.ChannelOfPk(pk).TransponderLink(pk.Side()).Index();
    if (index >= static_cast<unsigned>(kTransponderCount) || db.Transponder(static_cast<int>(index)).IsFree())
        return -1;
    return static_cast<int>(index);
}

int SatelliteAt(const ChannelDatabase& db, std::int16_t position) {
    const ListHead* satellites = db.Lists().Head(ListKind::Satellites, 0);
    for (const ListNode* node = satellites ? satellites->first.get() : nullptr; node; node = node->next)
        if (db.Satellite(node->pk.Record()).OrbitalPosition() == position)
            return node->pk.Record();
    return -1;
}

bool Receives(ConstTransponderRecord transponder, const CopiedChannel& copied) {
    return transponder.Frequency() == copied.frequency && transponder.SymbolRate() == copied.symbolRate &&
           transponder.Tuning().PolarisationCode() == copied.polarisation;
}

// The last entry of a list, or of one tuner side of it: where an added record lands.
std::optional<Pk> LastOf(const ListHead* head, std::optional<TunerSide> side = std::nullopt) {
    std::optional<Pk> last;
    for (const ListNode* node = head ? head->first.get() : nullptr; node; node = node->next)
        if (!side || node->pk.Side() == *side)
            last = node->pk;
    return last;
}

int FindOrAddTransponder(ChannelDatabase& db, const CopiedChannel& copied) {
    const int satellite = SatelliteAt(db, copied.satellitePosition);
    if (satellite < 0)
        return -1;
    const ListHead* transponders = db.Lists().Head(ListKind::SatelliteTransponders, satellite);
    for (const ListNode* node = transponders ? transponders->first.get() : nullptr; node; node = node->next)
        if (Receives(db.Transponder(node->pk.Record()), copied))
            return node->pk.Record();
    std::array<std::uint8_t, kTransponderRecordSize> bytes{};
    const TransponderRecord record(bytes.data());
    FillNewTransponder(record, satellite);
    record.SetFrequency(copied.frequency);
    record.SetSymbolRate(copied.symbolRate);
    TuningWord tuning = record.Tuning();
    tuning.SetPolarisation(copied.polarisation);
    record.SetTuning(tuning);
    if (!AddTransponder(db, bytes))
        return -1;
    const std::optional<Pk> added = LastOf(db.Lists().Head(ListKind::SatelliteTransponders, satellite));
    return added ? added->Record() : -1;
}

// The copy as a new channel on the transponder: its own side only, in no favourite group.
std::optional<Pk> AddCopy(ChannelDatabase& db, ServiceType type, const CopiedChannel& copied, int transponder) {
    std::array<std::uint8_t, kChannelRecordSize> bytes = copied.record;
    const ChannelRecord record(bytes.data());
    for (const TunerSide side : kTunerSides) {
        record.SetPresence(side, 0);
        record.SetMainLink(side, LinkWord());
        record.SetFsLink(side, LinkWord());
        record.SetSatelliteLink(side, LinkWord());
        record.SetTransponderLink(side, LinkWord());
        for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group)
            record.SetFavouriteByte(side, group, 0);
    }
    PrepareNewChannel(record, copied.side, type, transponder, db.Transponder(transponder));
    if (!AddChannel(db, bytes))
        return std::nullopt;
    const ListKind main = type == ServiceType::Radio ? ListKind::RadioChannels : ListKind::TvChannels;
    return LastOf(db.Lists().Head(main, 0), copied.side);
}

} // namespace

std::vector<CopiedChannel> CopyChannels(const ChannelDatabase& db, std::span<const Pk> pks) {
    std::vector<CopiedChannel> copies;
    for (const Pk pk : pks) {
        const int transponder = TransponderOfSide(db, pk);
        if (transponder < 0)
            continue;
        const ConstTransponderRecord tp = db.Transponder(transponder);
        CopiedChannel copied;
        const ConstChannelRecord record = db.ChannelOfPk(pk);
        std::copy_n(record.RecordBytes(), kChannelRecordSize, copied.record.begin());
        copied.side = pk.Side();
        copied.satellitePosition = db.Satellite(static_cast<int>(tp.SatelliteLink().Index())).OrbitalPosition();
        copied.frequency = tp.Frequency();
        copied.symbolRate = tp.SymbolRate();
        copied.polarisation = tp.Tuning().PolarisationCode();
        copies.push_back(copied);
    }
    return copies;
}

std::string ChannelsAsText(const ChannelDatabase& db, std::span<const Pk> pks) {
    std::string text;
    for (const Pk pk : pks) {
        const int transponder = TransponderOfSide(db, pk);
        if (transponder < 0)
            continue;
        const ConstTransponderRecord tp = db.Transponder(transponder);
        const ConstChannelRecord record = db.ChannelOfPk(pk);
        char line[160];
        std::snprintf(line, sizeof line, "%d\t%s\t%s\t%d\t%c\t%d\t%d\n", ChannelNumber(db, pk), record.Name().c_str(),
                      db.Satellite(static_cast<int>(tp.SatelliteLink().Index())).Name().c_str(), tp.Frequency(),
                      PolarisationLetter(tp.Tuning().PolarisationCode(), 'A'), tp.SymbolRate(), record.ProgramNumber());
        text += line;
    }
    return text;
}

std::vector<std::uint8_t> EncodeCopiedChannels(std::span<const CopiedChannel> channels) {
    std::vector<std::uint8_t> bytes(kMark.begin(), kMark.end());
    for (const CopiedChannel& copied : channels) {
        std::array<std::uint8_t, kEntrySize> entry{};
        WriteU8(entry.data() + kSideAt, static_cast<std::uint8_t>(SideBit(copied.side)));
        WriteLe16(entry.data() + kPositionAt, static_cast<std::uint16_t>(copied.satellitePosition));
        WriteLe16(entry.data() + kFrequencyAt, copied.frequency);
        WriteLe16(entry.data() + kSymbolRateAt, copied.symbolRate);
        WriteU8(entry.data() + kPolarisationAt, static_cast<std::uint8_t>(copied.polarisation));
        std::ranges::copy(copied.record, entry.begin() + kRecordAt);
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    return bytes;
}

std::vector<CopiedChannel> DecodeCopiedChannels(std::span<const std::uint8_t> bytes) {
    std::vector<CopiedChannel> channels;
    if (bytes.size() < kMark.size() || !std::equal(kMark.begin(), kMark.end(), bytes.begin()) ||
        (bytes.size() - kMark.size()) % kEntrySize != 0)
        return channels;
    for (std::size_t at = kMark.size(); at < bytes.size(); at += kEntrySize) {
        const std::uint8_t* entry = bytes.data() + at;
        CopiedChannel copied;
        copied.side = SideOfBit(ReadU8(entry + kSideAt));
        copied.satellitePosition = static_cast<std::int16_t>(ReadLe16(entry + kPositionAt));
        copied.frequency = ReadLe16(entry + kFrequencyAt);
        copied.symbolRate = ReadLe16(entry + kSymbolRateAt);
        copied.polarisation = ReadU8(entry + kPolarisationAt) & 3u;
        std::copy_n(entry + kRecordAt, kChannelRecordSize, copied.record.begin());
        channels.push_back(copied);
    }
    return channels;
}

std::vector<Pk> PasteChannels(ChannelDatabase& db, ServiceType type, std::optional<Pk> afterPk,
                              std::span<const CopiedChannel> channels) {
    std::vector<Pk> pasted;
    for (const CopiedChannel& copied : channels) {
        // A pane takes channels of its own type only.
        if (ConstChannelRecord(copied.record.data()).ServiceTypeCode() != static_cast<unsigned>(type))
            continue;
        const int transponder = FindOrAddTransponder(db, copied);
        if (transponder < 0)
            continue;
        if (const std::optional<Pk> pk = AddCopy(db, type, copied, transponder))
            pasted.push_back(*pk);
    }
    if (pasted.empty())
        return pasted;
    db.SetModified(true);
    if (afterPk)
        MoveChannelsToNumber(db, type, ChannelNumber(db, *afterPk) + 1, pasted);
    RebuildPkChannel(db);
    return pasted;
}

} // namespace vorlane
