// Memory held by the undo history of a full database (5000 channels on both tuners): 100 random single-channel
// edits, and 20 operations over whole lists (tuner copy, merge, deleting a tuner's channels). The counter
// held_mb is what the steps keep besides the one baseline copy.
#include "database/delete_channels.h"
#include "database/edit_history.h"
#include "database/favourite_ops.h"
#include "database/list_test_util.h"
#include "database/move_channels.h"
#include "database/tuner_copy.h"
#include "support/random_edits.h"
#include "support/sample_database.h"

#include <benchmark/benchmark.h>

namespace vorlane {
namespace {

using testing::Dice;
using testing::PkListOf;

constexpr double kMegabyte = 1024.0 * 1024.0;

// One edit of one channel as the panes and dialogs make it: rename, favourite, move, delete.
void EditOneChannel(Dice& dice, ChannelDatabase& db) {
    const std::vector<Pk> tv = PkListOf(db, ListKind::TvChannels, 0);
    const Pk pk = dice.Pick(tv);
    switch (dice.Below(4)) {
    case 0:
        db.ChannelOfPk(pk).SetName("Renamed " + std::to_string(dice.Below(1000)));
        break;
    case 1:
        AddFavourites(db, dice.Below(8), std::vector<Pk>{pk});
        break;
    case 2:
        MoveChannels(db, ServiceType::Tv, dice.Pick(tv), std::vector<Pk>{pk});
        break;
    default:
        DeleteChannel(db, pk);
        break;
    }
}

std::vector<Pk> TvSidesOfTuner(const ChannelDatabase& db, TunerSide side) {
    std::vector<Pk> pks;
    for (const Pk pk : PkListOf(db, ListKind::TvChannels, 0))
        if (pk.Side() == side)
            pks.push_back(pk);
    return pks;
}

// Every operation changes whole lists: a tuner's TV channels go, and a copy or merge brings them back.
void FullListOperation(int index, ChannelDatabase& db) {
    switch (index % 4) {
    case 0:
        DeleteChannels(db, TvSidesOfTuner(db, TunerSide::First));
        break;
    case 1:
        CopyTunerChannels(db, TunerSide::Second, TunerSide::First, false);
        break;
    case 2:
        DeleteChannels(db, TvSidesOfTuner(db, TunerSide::Second));
        break;
    default:
        MergeTuners(db);
        break;
    }
}

template <typename Edit> void MeasureHistory(benchmark::State& state, int edits, Edit edit) {
    double held = 0;
    std::size_t steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db;
        testing::MakeSampleDatabase(db, testing::FullSampleOptions());
        EditHistory history(db);
        Dice dice(7);
        state.ResumeTiming();
        for (int i = 0; i < edits; ++i) {
            edit(i, dice, db);
            history.Commit("edit");
        }
        held = static_cast<double>(history.HeldBytes()) / kMegabyte;
        steps = history.StepCount();
    }
    state.counters["held_mb"] = held;
    state.counters["steps"] = static_cast<double>(steps);
}

void BM_HistoryOf100SingleChannelEdits(benchmark::State& state) {
    MeasureHistory(state, 100, [](int, Dice& dice, ChannelDatabase& db) { EditOneChannel(dice, db); });
}
BENCHMARK(BM_HistoryOf100SingleChannelEdits)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_HistoryOf20FullListOperations(benchmark::State& state) {
    MeasureHistory(state, 20, [](int i, Dice&, ChannelDatabase& db) { FullListOperation(i, db); });
}
BENCHMARK(BM_HistoryOf20FullListOperations)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace
} // namespace vorlane

BENCHMARK_MAIN();
