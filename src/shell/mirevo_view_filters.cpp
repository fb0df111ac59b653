// CMirevoView: the filter fields above the channel panes, and the display filter they work beside.
#include "shell/mirevo_view.h"

#include "panes/channel_pane.h"
#include "panes/pane_filter_field.h"
#include "shell/edit_document.h"

#include <QShortcut>

namespace vorlane {

void CMirevoView::BuildFilterFields() {
    m_tvFilter = new ui::PaneFilterField(this);
    m_tvFilter->setObjectName(QStringLiteral("tvFilterField"));
    m_radioFilter = new ui::PaneFilterField(this);
    m_radioFilter->setObjectName(QStringLiteral("radioFilterField"));
    for (const auto& [field, pane] : {std::pair{m_tvFilter, m_tvPane}, std::pair{m_radioFilter, m_radioPane}}) {
        connect(field, &QLineEdit::textChanged, this, [this, pane = pane](const QString& text) {
            pane->SetNameFilter(text.toLatin1().toStdString());
            RenewCountLabels();
        });
    }
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &CMirevoView::FocusFilterField);
}

void CMirevoView::FocusFilterField() {
    ui::PaneFilterField* field = m_radioPane->hasFocus() && m_radioShown ? m_radioFilter : m_tvFilter;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void CMirevoView::SetDisplayFilter(int command) {
    m_displayFilter = command;
    m_document->NoteSelectionChanged();
}

} // namespace vorlane
