// Every command is one action whose enabled and checked states follow the document's signals at once: each step
// below changes one kind of state through the real frame, and the states are right before any event is handled.

#include "frame_test_fixture.h"

#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "panes/pane_menus.h"
#include "shell/edit_document.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <utility>

namespace vorlane::testing {
namespace {

struct StateStep {
    const char* change;
    std::function<void(CMirevoView&)> run;
    std::vector<std::pair<int, bool>> enabled;
    std::vector<std::pair<int, bool>> checked;
};

void Choose(CMirevoView& view, ui::PaneListView& pane, int row) {
    pane.SelectRow(row);
    view.OnPaneChoice(pane);
}

using CommandStatesTest = FrameTest;

TEST_F(CommandStatesTest, ActionsFollowEveryStateChangeWithoutPolling) {
    for (const QTimer* timer : frame->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive() && timer->interval() == 250) << "no state is polled";
    const auto trigger = [this](int command) {
        return [this, command](CMirevoView&) { frame->commandAction(command)->trigger(); };
    };
    const std::vector<StateStep> steps{
        {"start",
         [](CMirevoView&) {},
         {{kCmdUndo, false},
          {kCmdRedo, false},
          {kCmdConnect, true},
          {kCmdDisconnect, false},
          {kCmdUploadToStb, false},
          {kCmdSatelliteProperty, false},
          {kCmdTransponderDeleteEmpty, false},
          {kCmdTvDelete, false}},
         {{kCmdAllChannels, true}, {kCmdSatelliteSortStandard, true}}},
        {"open",
         [this](CMirevoView&) { Open(WriteSampleChannelFile("sample.bin")); },
         {{kCmdSatelliteProperty, false},
          {kCmdTransponderNew, false},
          {kCmdTransponderDeleteEmpty, true},
          {kCmdTvNew, false},
          {kCmdUndo, false}},
         {}},
        {"satellite chosen",
         [](CMirevoView& view) {
             Choose(view, view.transponderPane(), 0); // from "All": its satellite is highlighted
             Choose(view, view.satellitePane(), view.satellitePane().selectedRow());
         },
         {{kCmdSatelliteProperty, true}, {kCmdTransponderNew, true}, {kCmdTransponderDelete, false}},
         {}},
        {"transponder chosen",
         [](CMirevoView& view) { Choose(view, view.transponderPane(), 0); },
         {{kCmdTransponderDelete, true}, {kCmdTransponderNewTv, true}, {kCmdTvNew, true}, {kCmdTvDelete, false}},
         {}},
        {"channel chosen",
         [](CMirevoView& view) { Choose(view, view.tvPane(), 0); },
         {{kCmdTvDelete, true}, {kCmdTvMoveTo, true}, {kCmdTvAddFavourite, true}, {kCmdRadioDelete, false}},
         {}},
        {"sorted by name",
         [this](CMirevoView& view) {
             frame->commandAction(kCmdTvOrderNames)->trigger();
             Choose(view, view.tvPane(), 0);
         },
         {{kCmdTvMoveTo, false}, {kCmdTvDelete, true}},
         {{kCmdTvOrderNames, true}, {kCmdTvOrderOriginal, false}}},
        {"longitude order",
         trigger(kCmdSatelliteSortLongitude),
         {},
         {{kCmdSatelliteSortLongitude, true}, {kCmdSatelliteSortStandard, false}}},
        {"frequency order", trigger(kCmdTransponderSortFrequency), {}, {{kCmdTransponderSortFrequency, true}}},
        {"display filter",
         [this](CMirevoView& view) {
             frame->commandAction(kCmdScrambledChannels)->trigger();
             EXPECT_EQ(view.displayFilter(), kCmdScrambledChannels);
             for (const ui::ChannelPane* pane : {&view.tvPane(), &view.radioPane()})
                 for (int row = 0; row < pane->rowCount(); ++row)
                     EXPECT_TRUE(view.database()
                                     .channelOfPk(pane->rowId(row))
                                     .serviceWord(TunerSideOfPk(pane->rowId(row)))
                                     .scrambled());
         },
         {},
         {{kCmdScrambledChannels, true}, {kCmdAllChannels, false}}},
        {"copied",
         [](CMirevoView& view) {
             Choose(view, view.tvPane(), 0);
             view.HandleCommand(kCmdTvCopy);
         },
         {{kCmdTvPaste, true}, {kCmdRadioPaste, true}},
         {}},
        {"clipboard cleared", [](CMirevoView&) { QGuiApplication::clipboard()->clear(); }, {{kCmdTvPaste, false}}, {}},
        {"edit", trigger(kCmdTvAddFavourite), {{kCmdUndo, true}, {kCmdRedo, false}}, {}},
        {"undo", trigger(kCmdUndo), {{kCmdUndo, false}, {kCmdRedo, true}}, {}},
        {"favourite group chosen",
         [](CMirevoView& view) {
             Choose(view, view.favoritePane(), 0);
             view.tvPane().SelectRow(0);
         },
         {{kCmdTvNew, false}, {kCmdTvDelete, true}, {kCmdTvProperty, true}},
         {}},
        {"port opened",
         [](CMirevoView& view) { view.document().NoteConnectionState(true, false); },
         {{kCmdConnect, false}, {kCmdDisconnect, true}, {kCmdUploadToStb, true}, {kCmdDownloadToPc, true}},
         {}},
        {"transfer running",
         [](CMirevoView& view) { view.document().NoteConnectionState(true, true); },
         {{kCmdUploadToStb, false}, {kCmdDownloadToPc, false}, {kCmdRestoreBackup, false}, {kCmdDisconnect, true}},
         {}},
    };
    for (const StateStep& step : steps) {
        step.run(frame->view());
        for (const auto& [command, on] : step.enabled)
            EXPECT_EQ(frame->commandAction(command)->isEnabled(), on) << step.change << ": " << command;
        for (const auto& [command, on] : step.checked)
            EXPECT_EQ(frame->commandAction(command)->isChecked(), on) << step.change << ": " << command;
    }
    // A greyed command is refused however it arrives.
    EXPECT_FALSE(frame->OnCommand(kCmdUploadToStb));
    EXPECT_FALSE(frame->OnCommand(kCmdDownloadToPc));
    EXPECT_FALSE(frame->OnCommand(12345));
    EXPECT_EQ(frame->commandAction(12345), nullptr);
    // Menu, toolbar and context menu show the one action of a number.
    EXPECT_TRUE(frame->toolBar().actions().contains(frame->commandAction(kCmdConnect)));
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().tvPane()), kCmdTvDelete),
              frame->commandAction(kCmdTvDelete));
    EXPECT_EQ(frame->view().BuildPaneMenu(frame->view().favoritePane()), nullptr);
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().satellitePane()), kCmdSatelliteProperty),
              frame->commandAction(kCmdSatelliteProperty));
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().transponderPane()), kCmdTransponderNewTv),
              frame->commandAction(kCmdTransponderNewTv));
    EXPECT_EQ(ui::FindMenuCommand(*frame->view().BuildPaneMenu(frame->view().tvPane()), 12345), nullptr);
}

} // namespace
} // namespace vorlane::testing
