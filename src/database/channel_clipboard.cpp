#include "database/channel_clipboard.h"

#include "database/add_records.h"
#include "database/move_channels.h"
#include "database/new_channel_links.h"
#include "database/pk_channel.h"
#include "database/transponder_new_record.h"

#include <algorithm>
#include <cstdio>

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

const char* PolarisationLetter(unsigned polarisation) {
    return polarisation == kPolarisationHorizontal ? "H" : polarisation == kPolarisationVertical ? "V" : "A";
}

int TransponderOfSide(const ChannelDatabase& db, int pk) {
    const unsigned index = db.channelOfPk(pk).transponderLink(TunerSideOfPk(pk)).index();
    if (index >= static_cast<unsigned>(kTransponderCount) || db.transponder(static_cast<int>(index)).isFree())
        return -1;
    return static_cast<int>(index);
}

int SatelliteAt(const ChannelDatabase& db, std::int16_t position) {
    const ListHead* satellites = db.lists().Head(ListKind::Satellites, 0);
    for (const ListNode* node = satellites ? satellites->first : nullptr; node; node = node->next)
        if (db.satellite(node->pk).orbitalPosition() == position)
            return node->pk;
    return -1;
}

bool Receives(ConstTransponderRecord transponder, const CopiedChannel& copied) {
    return transponder.frequency() == copied.frequency && transponder.symbolRate() == copied.symbolRate &&
           transponder.tuning().polarisation() == copied.polarisation;
}

// The last entry of a list, or of one tuner side of it: where an added record lands.
int LastOf(const ListHead* head, int side = -1) {
    int last = -1;
    for (const ListNode* node = head ? head->first : nullptr; node; node = node->next)
        if (side < 0 || TunerSideOfPk(node->pk) == side)
            last = node->pk;
    return last;
}

int FindOrAddTransponder(ChannelDatabase& db, const CopiedChannel& copied) {
    const int satellite = SatelliteAt(db, copied.satellitePosition);
    if (satellite < 0)
        return -1;
    const ListHead* transponders = db.lists().Head(ListKind::SatelliteTransponders, satellite);
    for (const ListNode* node = transponders ? transponders->first : nullptr; node; node = node->next)
        if (Receives(db.transponder(node->pk), copied))
            return node->pk;
    std::array<std::uint8_t, kTransponderRecordSize> bytes{};
    const TransponderRecord record(bytes.data());
    FillNewTransponder(record, satellite);
    record.setFrequency(copied.frequency);
    record.setSymbolRate(copied.symbolRate);
    TuningWord tuning = record.tuning();
    tuning.setPolarisation(copied.polarisation);
    record.setTuning(tuning);
    if (!AddTransponder(db, bytes))
        return -1;
    return LastOf(db.lists().Head(ListKind::SatelliteTransponders, satellite));
}

// The copy as a new channel on the transponder: its own side only, in no favourite group.
int AddCopy(ChannelDatabase& db, ServiceType type, const CopiedChannel& copied, int transponder) {
    std::array<std::uint8_t, kChannelRecordSize> bytes = copied.record;
    const ChannelRecord record(bytes.data());
    for (int side = 0; side < kTunerCount; ++side) {
        record.setPresence(side, 0);
        record.setMainLink(side, LinkWord());
        record.setFsLink(side, LinkWord());
        record.setSatelliteLink(side, LinkWord());
        record.setTransponderLink(side, LinkWord());
        for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group)
            record.setFavouriteByte(side, group, 0);
    }
    PrepareNewChannel(record, copied.side, type, transponder, db.transponder(transponder));
    if (!AddChannel(db, bytes))
        return -1;
    const ListKind main = type == ServiceType::Radio ? ListKind::RadioChannels : ListKind::TvChannels;
    return LastOf(db.lists().Head(main, 0), copied.side);
}

} // namespace

std::vector<CopiedChannel> CopyChannels(const ChannelDatabase& db, std::span<const int> pks) {
    std::vector<CopiedChannel> copies;
    for (const int pk : pks) {
        const int transponder = TransponderOfSide(db, pk);
        if (transponder < 0)
            continue;
        const ConstTransponderRecord tp = db.transponder(transponder);
        CopiedChannel copied;
        const ConstChannelRecord record = db.channelOfPk(pk);
        std::copy_n(record.bytes(), kChannelRecordSize, copied.record.begin());
        copied.side = TunerSideOfPk(pk);
        copied.satellitePosition = db.satellite(static_cast<int>(tp.satelliteLink().index())).orbitalPosition();
        copied.frequency = tp.frequency();
        copied.symbolRate = tp.symbolRate();
        copied.polarisation = tp.tuning().polarisation();
        copies.push_back(copied);
    }
    return copies;
}

std::string ChannelsAsText(const ChannelDatabase& db, std::span<const int> pks) {
    std::string text;
    for (const int pk : pks) {
        const int transponder = TransponderOfSide(db, pk);
        if (transponder < 0)
            continue;
        const ConstTransponderRecord tp = db.transponder(transponder);
        const ConstChannelRecord record = db.channelOfPk(pk);
        char line[160];
        std::snprintf(line, sizeof line, "%d\t%s\t%s\t%d\t%s\t%d\t%d\n", ChannelNumber(db, pk), record.name().c_str(),
                      db.satellite(static_cast<int>(tp.satelliteLink().index())).name().c_str(), tp.frequency(),
                      PolarisationLetter(tp.tuning().polarisation()), tp.symbolRate(), record.programNumber());
        text += line;
    }
    return text;
}

std::vector<std::uint8_t> EncodeCopiedChannels(std::span<const CopiedChannel> channels) {
    std::vector<std::uint8_t> bytes(kMark.begin(), kMark.end());
    for (const CopiedChannel& copied : channels) {
        std::array<std::uint8_t, kEntrySize> entry{};
        writeU8(entry.data() + kSideAt, static_cast<std::uint8_t>(copied.side));
        writeLe16(entry.data() + kPositionAt, static_cast<std::uint16_t>(copied.satellitePosition));
        writeLe16(entry.data() + kFrequencyAt, copied.frequency);
        writeLe16(entry.data() + kSymbolRateAt, copied.symbolRate);
        writeU8(entry.data() + kPolarisationAt, static_cast<std::uint8_t>(copied.polarisation));
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
        copied.side = readU8(entry + kSideAt) == 0 ? 0 : 1;
        copied.satellitePosition = static_cast<std::int16_t>(readLe16(entry + kPositionAt));
        copied.frequency = readLe16(entry + kFrequencyAt);
        copied.symbolRate = readLe16(entry + kSymbolRateAt);
        copied.polarisation = readU8(entry + kPolarisationAt) & 3u;
        std::copy_n(entry + kRecordAt, kChannelRecordSize, copied.record.begin());
        channels.push_back(copied);
    }
    return channels;
}

std::vector<int> PasteChannels(ChannelDatabase& db, ServiceType type, int afterPk,
                               std::span<const CopiedChannel> channels) {
    std::vector<int> pasted;
    for (const CopiedChannel& copied : channels) {
        // A pane takes channels of its own type only.
        if (ConstChannelRecord(copied.record.data()).serviceType() != static_cast<unsigned>(type))
            continue;
        const int transponder = FindOrAddTransponder(db, copied);
        const int pk = transponder < 0 ? -1 : AddCopy(db, type, copied, transponder);
        if (pk >= 0)
            pasted.push_back(pk);
    }
    if (pasted.empty())
        return pasted;
    db.setModified(true);
    if (afterPk >= 0)
        MoveChannelsToNumber(db, type, ChannelNumber(db, afterPk) + 1, pasted);
    RebuildPkChannel(db);
    return pasted;
}

} // namespace vorlane
