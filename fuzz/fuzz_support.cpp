#include "fuzz_support.h"

#include "database/database_lifecycle.h"
#include "database/integrity_check.h"
#include "database/table_layout.h"
#include "importexport/database_files.h"
#include "platform/trace.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace vorlane::fuzz {
namespace {

// A fixed year keeps every run of an input the same.
constexpr int kStartYear = 2024;
constexpr int kFullSizeReceiverModel = 1;

} // namespace

void Check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

void FormatAndDropTraces() {
    SetTraceSink([](std::string_view) {});
}

ChannelDatabase& EditorDatabase() {
    static ChannelDatabase db;
    static const bool started = [] {
        FormatAndDropTraces();
        return StartLikeEditor(db, kStartYear) == 1;
    }();
    Check(started, "the database starts");
    return db;
}

ChannelDatabase& NewDatabaseAsOpenDoes() {
    ChannelDatabase& db = EditorDatabase();
    db.SetReceiverModel(kFullSizeReceiverModel);
    Clear(db);
    Deinit(db);
    Check(Init(db) == 1, "Init builds the lists of a new database");
    return db;
}

ChannelDatabase& DatabaseWithNewTables() {
    struct NewTables {
        std::vector<std::uint8_t> satellites;
        std::vector<std::uint8_t> channels;
    };
    static const NewTables fresh = [] {
        ChannelDatabase& db = NewDatabaseAsOpenDoes();
        return NewTables{{db.SatelliteBuffer().begin(), db.SatelliteBuffer().end()},
                         {db.ChannelBuffer().begin(), db.ChannelBuffer().end()}};
    }();
    ChannelDatabase& db = EditorDatabase();
    std::copy(fresh.satellites.begin(), fresh.satellites.end(), db.SatelliteBuffer().begin());
    std::copy(fresh.channels.begin(), fresh.channels.end(), db.ChannelBuffer().begin());
    return db;
}

void CheckImportCounts(const ImportResult& result) {
    Check(result.satellites >= 0 && result.satellites <= kSatelliteCount, "satellite count within the table");
    Check(result.transponders >= 0 && result.transponders <= kTransponderCount, "transponder count within the table");
    Check(result.channels >= 0 && result.channels <= kChannelCount, "channel count within the table");
    Check(result.recordsNotFitted >= 0, "records not fitted is a count");
    Check(result.accepted || result.recordsNotFitted == 0, "a refused file has no records left over");
}

void BuildListsAndCheckSound(ChannelDatabase& db) {
    db.BuildAllLists();
    const std::vector<IntegrityProblem> problems = CheckIntegrity(db);
    for (const IntegrityProblem& problem : problems)
        std::fprintf(stderr, "%s\n", IntegrityProblemLine(problem).c_str());
    Check(problems.empty(), "an accepted import leaves a sound database");
}

} // namespace vorlane::fuzz
