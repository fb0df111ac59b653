#pragma once
// The editor's display settings: the column width of the TV and radio panes and the seventeen colours the list
// panes draw with. One instance lives for the whole run; it is read from the application profile when the main
// view starts and written back when the Editor Configuration dialog is confirmed. Plain C++, no window system.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorlane {

class SettingsStore;

// A colour as 0x00BBGGRR (red in the low byte), the way the profile stores it.
using EditorColourValue = std::uint32_t;

enum class EditorColour {
    Icon,
    Text,
    Bkgnd,
    SelText,
    SelBkgnd,
    ActSatellite,
    ActTransponder,
    Favourite,
    Index,
    Scrambled,
    SatLine,
    TRLine,
    CHLine,
    FavLine,
    ScrambledText,
    Lock,
    LockText,
};

inline constexpr std::size_t kEditorColourCount = 17;

class EditorSettings {
public:
    static constexpr const char* kDisplaySection = "Display";
    static constexpr const char* kColumnWidthKey = "ColumnWidth";
    static constexpr const char* kColourSection = "Color";
    static constexpr int kDefaultColumnWidth = 200;
    static constexpr int kMinColumnWidth = 100;
    static constexpr int kMaxColumnWidth = 1000;
    static constexpr const char* kFilesSection = "Files";
    static constexpr const char* kKeepBackupKey = "KeepBackup";

    // The values of an empty profile.
    EditorSettings();

    int ColumnWidth() const { return m_columnWidth; }
    void SetColumnWidth(int width) { m_columnWidth = width; }
    EditorColourValue Colour(EditorColour which) const { return m_colours[static_cast<std::size_t>(which)]; }
    void SetColour(EditorColour which, EditorColourValue value) { m_colours[static_cast<std::size_t>(which)] = value; }
    // Whether the first save over an opened file keeps the old file as NAME.bak.
    bool KeepBackup() const { return m_keepBackup; }
    void SetKeepBackup(bool keep) { m_keepBackup = keep; }

    // Column width, every colour and the backup choice from the profile; a missing value takes its default.
    void Load(const SettingsStore& store);
    // Writes the column width, all seventeen colours and the backup choice; true when every value was stored.
    bool Save(SettingsStore& store) const;
    // Every colour to its "Default Color" value; the column width stays.
    void ResetColours();

    bool operator==(const EditorSettings&) const = default;

private:
    int m_columnWidth;
    std::array<EditorColourValue, kEditorColourCount> m_colours;
    bool m_keepBackup = true;
};

} // namespace vorlane
