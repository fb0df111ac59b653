#include "database/integrity_check.h"

#include "database/channel_database.h"
#include "database/list_integrity.h"

#include <string>

namespace vorlane {
namespace {

std::string Slot(unsigned index) {
    return std::to_string(index);
}

IntegrityPhrase ChannelSide(int slot, TunerSide side) {
    return {VORLANE_TRANSLATABLE("IntegrityCheck", "channel %1 tuner %2"),
            {std::to_string(slot), std::to_string(TunerNumber(side))}};
}

IntegrityPhrase SatelliteOutside(unsigned satellite) {
    return {VORLANE_TRANSLATABLE("IntegrityCheck", "satellite link names slot %1, outside the satellite table"),
            {Slot(satellite)}};
}

void CheckChannelSide(const ChannelDatabase& db, ConstChannelRecord channel, int slot, TunerSide side,
                      std::vector<IntegrityProblem>& problems) {
    const unsigned satellite = channel.SatelliteLink(side).Index();
    const unsigned transponder = channel.TransponderLink(side).Index();
    if (satellite >= static_cast<unsigned>(kSatelliteCount))
        problems.push_back({ChannelSide(slot, side), channel.Name(), SatelliteOutside(satellite)});
    if (transponder >= static_cast<unsigned>(kTransponderCount))
        problems.push_back(
            {ChannelSide(slot, side),
             channel.Name(),
             {VORLANE_TRANSLATABLE("IntegrityCheck", "transponder link names slot %1, outside the transponder table"),
              {Slot(transponder)}}});
    else if (db.Transponder(static_cast<int>(transponder)).IsFree())
        problems.push_back({ChannelSide(slot, side),
                            channel.Name(),
                            {VORLANE_TRANSLATABLE("IntegrityCheck", "transponder link names free transponder %1"),
                             {Slot(transponder)}}});
}

void CheckChannels(const ChannelDatabase& db, std::vector<IntegrityProblem>& problems) {
    for (int slot = 0; slot < kChannelCount; ++slot) {
        const ConstChannelRecord channel = db.Channel(slot);
        if (channel.IsFree())
            continue;
        for (const TunerSide side : kTunerSides)
            if (channel.PresentOn(side))
                CheckChannelSide(db, channel, slot, side, problems);
    }
}

void CheckTransponders(const ChannelDatabase& db, std::vector<IntegrityProblem>& problems) {
    for (int index = 0; index < kTransponderCount; ++index) {
        const ConstTransponderRecord transponder = db.Transponder(index);
        const unsigned satellite = transponder.SatelliteLink().Index();
        if (!transponder.IsFree() && satellite >= static_cast<unsigned>(kSatelliteCount))
            problems.push_back({{VORLANE_TRANSLATABLE("IntegrityCheck", "transponder %1"), {std::to_string(index)}},
                                {},
                                SatelliteOutside(satellite)});
    }
}

} // namespace

std::vector<IntegrityProblem> CheckIntegrity(const ChannelDatabase& db) {
    std::vector<IntegrityProblem> problems;
    if (!db.TablesAllocated()) {
        problems.push_back({{VORLANE_TRANSLATABLE("IntegrityCheck", "database"), {}},
                            {},
                            {VORLANE_TRANSLATABLE("IntegrityCheck", "has no tables"), {}}});
        return problems;
    }
    CheckTransponders(db, problems);
    CheckChannels(db, problems);
    CheckListsAgainstRecords(db, problems);
    return problems;
}

std::string IntegrityProblemLine(const IntegrityProblem& problem) {
    std::string line = problem.record.Text();
    if (!problem.name.empty())
        line += " \"" + problem.name + "\"";
    return line + ": " + problem.text.Text();
}

} // namespace vorlane
