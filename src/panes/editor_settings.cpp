#include "panes/editor_settings.h"

#include "platform/settings_store.h"

namespace vorlane {
namespace {

// One colour's profile entry (section "Color"), the value used when the profile has none, and the value that
// "Default Color" sets. The two differ for Index.
struct EditorColourEntry {
    EditorColour colour;
    const char* key;
    EditorColourValue profileDefault;
    EditorColourValue resetValue;
};

constexpr std::array<EditorColourEntry, kEditorColourCount> kColourTable{{
    {EditorColour::Icon, "Icon", 0xFF0000, 0xFF0000},
    {EditorColour::Text, "Text", 0x000000, 0x000000},
    {EditorColour::Bkgnd, "Bkgnd", 0xFFFFFF, 0xFFFFFF},
    {EditorColour::SelText, "SelText", 0xE8E8E8, 0xE8E8E8},
    {EditorColour::SelBkgnd, "SelBkgnd", 0x6B2408, 0x6B2408},
    {EditorColour::ActSatellite, "ActSatellite", 0xFFAAFF, 0xFFAAFF},
    {EditorColour::ActTransponder, "ActTransponder", 0xFFFFC3, 0xFFFFC3},
    {EditorColour::Favourite, "Favorite", 0xFF46BC, 0xFF46BC},
    {EditorColour::Index, "Index", 0xF0C8C8, 0xFADCDC},
    {EditorColour::Scrambled, "Scrambled", 0xC8C8FF, 0xC8C8FF},
    {EditorColour::SatLine, "SatLine", 0xFFEBFF, 0xFFEBFF},
    {EditorColour::TRLine, "TRLine", 0xFFFFEB, 0xFFFFEB},
    {EditorColour::CHLine, "CHLine", 0xFFEBEB, 0xFFEBEB},
    {EditorColour::FavLine, "FavLine", 0xFFFFEB, 0xFFFFEB},
    {EditorColour::ScrambledText, "ScrambledText", 0x4646FF, 0x4646FF},
    {EditorColour::Lock, "Lock", 0xFA6464, 0xFA6464},
    {EditorColour::LockText, "LockText", 0xF01E1E, 0xF01E1E},
}};

} // namespace

EditorSettings::EditorSettings() : m_columnWidth(kDefaultColumnWidth) {
    for (const EditorColourEntry& entry : kColourTable)
        SetColour(entry.colour, entry.profileDefault);
}

void EditorSettings::Load(const SettingsStore& store) {
    m_columnWidth = store.ReadProfileNumber(kDisplaySection, kColumnWidthKey, kDefaultColumnWidth);
    for (const EditorColourEntry& entry : kColourTable) {
        const int stored = store.ReadProfileNumber(kColourSection, entry.key, static_cast<int>(entry.profileDefault));
        SetColour(entry.colour, static_cast<EditorColourValue>(stored));
    }
    m_keepBackup = store.ReadProfileNumber(kFilesSection, kKeepBackupKey, 1) != 0;
}

bool EditorSettings::Save(SettingsStore& store) const {
    bool allStored = store.WriteProfileNumber(kDisplaySection, kColumnWidthKey, m_columnWidth);
    for (const EditorColourEntry& entry : kColourTable) {
        if (!store.WriteProfileNumber(kColourSection, entry.key, static_cast<int>(Colour(entry.colour))))
            allStored = false;
    }
    if (!store.WriteProfileNumber(kFilesSection, kKeepBackupKey, m_keepBackup ? 1 : 0))
        allStored = false;
    return allStored;
}

void EditorSettings::ResetColours() {
    for (const EditorColourEntry& entry : kColourTable)
        SetColour(entry.colour, entry.resetValue);
}

} // namespace vorlane
