#pragma once
// "Editor Configuration": the TV and radio panes' column width and eleven of the editor colours. The fields are
// loaded from EditorSettings when the dialog opens; "Default Color" resets the dialog's colours; "OK" checks the
// width, stores the fields (and a reset's other colours) and writes the profile; "Cancel" changes nothing.

#include "panes/editor_settings.h"

#include <QDialog>
#include <utility>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace vorlane {
class SettingsStore;
}

namespace vorlane::ui {

class ColourField;

class EditorConfigDialog : public QDialog {
public:
    EditorConfigDialog(EditorSettings& settings, SettingsStore& store, QWidget* parent = nullptr);

protected:
    // A press on an empty spot moves the window, as the title bar would.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void LoadColourFields();
    void ResetColours();
    void AcceptIfValid();

    EditorSettings& m_settings;
    EditorSettings m_edited;
    SettingsStore& mStore;
    QLineEdit* m_columnWidth;
    QCheckBox* m_keepBackup;
    std::vector<std::pair<EditorColour, ColourField*>> m_colourFields;
};

// Runs the dialog modally; true when confirmed with "OK", false otherwise.
[[nodiscard]] bool EditEditorConfiguration(QWidget* parent, EditorSettings& settings, SettingsStore& store);

} // namespace vorlane::ui
