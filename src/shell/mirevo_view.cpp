#include "shell/mirevo_view.h"

#include "shell/database_startup.h"

namespace vorlane {
namespace {

QFont ViewFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

} // namespace

CMirevoView::CMirevoView(ChannelDatabase& database, SettingsStore& store, QWidget* parent)
    : QWidget(parent), m_database(database), m_store(store), m_messageDialog(new ui::MessageDialog(this)) {
    setObjectName(QStringLiteral("mirevoView"));
    m_texts.Load();
    setFont(ViewFont());
}

void CMirevoView::OnInitialUpdate() {
    PrepareDatabaseAtStart(m_database);
    m_editorSettings.Load(m_store);
}

} // namespace vorlane
