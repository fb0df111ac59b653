#pragma once
// The application object: the application-wide font, the per-user settings store, the one channel database and
// the one main frame, all living from start to exit.

#include "database/channel_database.h"
#include "platform/settings_store.h"

#include <QFont>
#include <QString>
#include <memory>

namespace vorlane {

class CMainFrame;

class VorlaneApplication {
public:
    explicit VorlaneApplication(std::unique_ptr<SettingsStore> store);
    ~VorlaneApplication();
    VorlaneApplication(const VorlaneApplication&) = delete;
    VorlaneApplication& operator=(const VorlaneApplication&) = delete;

    // Creates the frame with its view and shows it; false when the window could not be created.
    [[nodiscard]] bool Start();
    // The program's own start after Start: offers the work a crash left behind, then opens `fileToOpen` when
    // given.
    void OpenAtStart(const QString& fileToOpen);

    const QFont& Font() const { return m_font; }
    ChannelDatabase& Database() { return m_database; }
    // Only after Start.
    CMainFrame& Frame() { return *m_frame; }

private:
    QFont m_font;
    std::unique_ptr<SettingsStore> mStore;
    ChannelDatabase m_database;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace vorlane
