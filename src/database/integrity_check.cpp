#include "database/integrity_check.h"

#include "database/channel_database.h"
#include "database/list_integrity.h"

#include <string>

namespace vorlane {
namespace {

std::string Slot(unsigned index) {
    return std::to_string(index);
}

std::string ChannelSide(int slot, int side) {
    return "channel " + std::to_string(slot) + " tuner " + std::to_string(side + 1);
}

void CheckChannelSide(const ChannelDatabase& db, ConstChannelRecord channel, int slot, int side,
                      std::vector<IntegrityProblem>& problems) {
    const unsigned satellite = channel.satelliteLink(side).index();
    const unsigned transponder = channel.transponderLink(side).index();
    if (satellite >= static_cast<unsigned>(kSatelliteCount))
        problems.push_back({ChannelSide(slot, side), channel.name(),
                            "satellite link names slot " + Slot(satellite) + ", outside the satellite table"});
    if (transponder >= static_cast<unsigned>(kTransponderCount))
        problems.push_back({ChannelSide(slot, side), channel.name(),
                            "transponder link names slot " + Slot(transponder) + ", outside the transponder table"});
    else if (db.transponder(static_cast<int>(transponder)).isFree())
        problems.push_back(
            {ChannelSide(slot, side), channel.name(), "transponder link names free transponder " + Slot(transponder)});
}

void CheckChannels(const ChannelDatabase& db, std::vector<IntegrityProblem>& problems) {
    for (int slot = 0; slot < kChannelCount; ++slot) {
        const ConstChannelRecord channel = db.channel(slot);
        if (channel.isFree())
            continue;
        for (int side = 0; side < kTunerCount; ++side)
            if (channel.presentOn(side))
                CheckChannelSide(db, channel, slot, side, problems);
    }
}

void CheckTransponders(const ChannelDatabase& db, std::vector<IntegrityProblem>& problems) {
    for (int index = 0; index < kTransponderCount; ++index) {
        const ConstTransponderRecord transponder = db.transponder(index);
        const unsigned satellite = transponder.satelliteLink().index();
        if (!transponder.isFree() && satellite >= static_cast<unsigned>(kSatelliteCount))
            problems.push_back({"transponder " + std::to_string(index),
                                {},
                                "satellite link names slot " + Slot(satellite) + ", outside the satellite table"});
    }
}

} // namespace

std::vector<IntegrityProblem> CheckIntegrity(const ChannelDatabase& db) {
    std::vector<IntegrityProblem> problems;
    if (!db.tablesAllocated()) {
        problems.push_back({"database", {}, "has no tables"});
        return problems;
    }
    CheckTransponders(db, problems);
    CheckChannels(db, problems);
    CheckListsAgainstRecords(db, problems);
    return problems;
}

std::string IntegrityProblemLine(const IntegrityProblem& problem) {
    std::string line = problem.record;
    if (!problem.name.empty())
        line += " \"" + problem.name + "\"";
    return line + ": " + problem.text;
}

} // namespace vorlane
