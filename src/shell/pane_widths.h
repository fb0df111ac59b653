#pragma once
// The widths of the main form's pane columns that the user set by dragging their borders, kept in the profile
// (section "Layout"): the satellite column, the transponder and favourite column, and the TV pane (the radio
// pane takes the rest).

namespace vorlane {

class SettingsStore;

struct PaneWidths {
    static constexpr const char* kSection = "Layout";
    // Narrow enough that at 800 x 600 each channel pane shows its names whole.
    static constexpr int kDefaultListWidth = 150;
    static constexpr int kMinimumWidth = 60;
    static constexpr int kShared = -1; // the TV and radio panes share the width equally

    int satellite = kDefaultListWidth;
    int lists = kDefaultListWidth;
    int tv = kShared;

    void Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
};

} // namespace vorlane
