#include "shell/vorlane_application.h"

#include "shell/main_frame.h"

namespace vorlane {
namespace {

QFont ApplicationFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    font.setBold(true);
    return font;
}

} // namespace

VorlaneApplication::VorlaneApplication(std::unique_ptr<SettingsStore> store)
    : m_font(ApplicationFont()), mStore(std::move(store)) {}

// The frame goes before the database it shares.
VorlaneApplication::~VorlaneApplication() = default;

bool VorlaneApplication::Start() {
    m_frame = std::make_unique<CMainFrame>(m_database, *mStore, m_font);
    if (!m_frame->centralWidget())
        return false;
    m_frame->showNormal();
    m_frame->activateWindow(); // the keyboard works at once, with or without a window manager
    m_frame->repaint();
    return true;
}

void VorlaneApplication::OpenAtStart(const QString& fileToOpen) {
    m_frame->OfferRecovery();
    if (!fileToOpen.isEmpty())
        m_frame->FileCommands().OpenPath(fileToOpen);
}

} // namespace vorlane
