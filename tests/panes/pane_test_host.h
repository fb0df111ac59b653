#pragma once
// A host for panes under test: a generated database, default editor settings, no chosen list, every channel shown, and
// a record of the commands and choices the panes sent.

#include "panes/pane_commands.h"
#include "panes/pane_host.h"
#include "panes/pane_list_view.h"
#include "support/sample_database.h"

#include <vector>

namespace vorlane::ui {

class TestPaneHost : public PaneHost {
public:
    ChannelDatabase db;
    EditorSettings settings;
    std::vector<int> commands;
    std::vector<PaneKind> choices;

    ChannelDatabase& Database() override { return db; }
    const EditorSettings& PaneSettings() const override { return settings; }
    ChosenList CurrentChosenList() const override { return {}; }
    int DisplayFilter() const override { return kFilterAllChannels; }
    bool HandleCommand(int command) override {
        commands.push_back(command);
        return true;
    }
    void OnPaneChoice(PaneListView& pane) override { choices.push_back(pane.ShownKind()); }
    void OnPaneDoubleClick(PaneListView&, int) override {}
    void ShowPaneMenu(PaneListView&, QPoint) override {}
    int HitTestOutside(PaneListView&, QPoint) override { return PaneListView::kDropCursor; }
    void DropOutside(PaneListView&, QPoint, std::span<const int>) override {}
    void ClearDropTargets() override {}
};

} // namespace vorlane::ui
