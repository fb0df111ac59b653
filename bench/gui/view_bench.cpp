// The real view on the offscreen platform with 5000 channel records on both tuners.
#include "shell/mirevo_view.h"

#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "platform/memory_settings_store.h"
#include "shell/edit_document.h"
#include "support/sample_database.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace vorlane {
namespace {

struct ViewUnderTest {
    ChannelDatabase db;
    MemorySettingsStore store;
    CMirevoView view{db, store};

    ViewUnderTest() {
        view.resize(1280, 800);
        view.OnInitialUpdate();
        view.show();
        Open();
    }
    void Open() {
        testing::MakeSampleDatabase(db, testing::FullSampleOptions());
        view.Document().StartAfresh();
        view.RefreshAllPanes();
        Settle();
    }
    void Choose(ui::PaneListView& pane, int row) {
        pane.SelectRow(row);
        view.OnPaneChoice(pane);
    }
    // Pending layouts done and the form painted.
    void Settle() {
        QApplication::processEvents();
        view.repaint();
    }
};

void BM_ChooseAllSatellitesRefillsEveryPane(benchmark::State& state) {
    ViewUnderTest t;
    for (auto _ : state) {
        state.PauseTiming();
        t.Choose(t.view.SatelliteListPane(), 1);
        t.Settle();
        state.ResumeTiming();
        t.Choose(t.view.SatelliteListPane(), 0);
        t.Settle();
    }
    state.counters["tv_rows"] = t.view.TvPane().RowCount();
    state.counters["radio_rows"] = t.view.RadioPane().RowCount();
}
BENCHMARK(BM_ChooseAllSatellitesRefillsEveryPane)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DeleteEveryTvRow(benchmark::State& state) {
    ViewUnderTest t;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        t.Open();
        t.Choose(t.view.SatelliteListPane(), 0);
        t.view.TvPane().SelectByRule(0);
        rows = static_cast<int>(t.view.TvPane().SelectedRows().size());
        t.Settle();
        state.ResumeTiming();
        t.view.HandleCommand(kCmdTvDelete);
        t.Settle();
    }
    state.counters["deleted_rows"] = rows;
}
BENCHMARK(BM_DeleteEveryTvRow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Undo (redo=0) or redo (redo=1) of deleting every TV row, with the panes refilled and painted. The other
// direction runs untimed between the measured ones.
void BM_UndoOrRedoDeleteEveryTvRow(benchmark::State& state) {
    const bool redo = state.range(0) != 0;
    ViewUnderTest t;
    t.Choose(t.view.SatelliteListPane(), 0);
    t.view.TvPane().SelectByRule(0);
    const auto rows = static_cast<double>(t.view.TvPane().SelectedRows().size());
    t.view.HandleCommand(kCmdTvDelete);
    t.Settle();
    for (auto _ : state) {
        state.PauseTiming();
        if (redo)
            t.view.UndoEdit();
        t.Settle();
        state.ResumeTiming();
        redo ? t.view.RedoEdit() : t.view.UndoEdit();
        t.Settle();
        state.PauseTiming();
        if (!redo)
            t.view.RedoEdit();
        state.ResumeTiming();
    }
    state.counters["deleted_rows"] = rows;
}
BENCHMARK(BM_UndoOrRedoDeleteEveryTvRow)
    ->ArgName("redo")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace vorlane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
