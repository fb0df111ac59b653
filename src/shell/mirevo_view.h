#pragma once
// CMirevoView: the one form that fills the main frame. It owns the interface texts, its own "Message" dialog and
// the editor settings; its first update prepares the program's database. The panes and the loader controls are
// laid out on it by the main view's own code.

#include "loader/language_texts.h"
#include "panes/editor_settings.h"
#include "shell/message_dialog.h"

#include <QWidget>

namespace vorlane {

class ChannelDatabase;
class SettingsStore;

class CMirevoView : public QWidget {
public:
    CMirevoView(ChannelDatabase& database, SettingsStore& store, QWidget* parent = nullptr);

    // The first update: start-up settings and database initialisation, then the editor settings from the profile.
    void OnInitialUpdate();

    ChannelDatabase& database() { return m_database; }
    SettingsStore& settingsStore() { return m_store; }
    const LanguageTexts& languageTexts() const { return m_texts; }
    EditorSettings& editorSettings() { return m_editorSettings; }
    ui::MessageDialog& messageDialog() { return *m_messageDialog; }

private:
    ChannelDatabase& m_database;
    SettingsStore& m_store;
    LanguageTexts m_texts;
    EditorSettings m_editorSettings;
    ui::MessageDialog* m_messageDialog;
};

} // namespace vorlane
