#include "panes/rename_dialog.h"

#include "database/favourite_groups.h"
#include "panes/dialog_buttons.h"
#include "platform/widgets/user_prompts.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {

RenameDialog::RenameDialog(ReceiverSettings settings, int group, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_group(group) {
    setWindowTitle(QCoreApplication::translate("RenameDialog", "Rename"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const QString current = QString::fromLatin1(m_settings.fav_name(static_cast<std::size_t>(m_group)));

    auto* from = new QLineEdit(current, this);
    from->setObjectName(QStringLiteral("fromEdit"));
    from->setReadOnly(true);
    from->setFocusPolicy(Qt::NoFocus);
    m_to = new QLineEdit(current, this);
    m_to->setObjectName(QStringLiteral("toEdit"));
    m_to->setMaxLength(kMaxNameLength);
    m_to->setMinimumWidth(180);
    m_to->selectAll();
    form->addRow(QCoreApplication::translate("RenameDialog", "From"), from);
    form->addRow(QCoreApplication::translate("RenameDialog", "To"), m_to);
    layout->addLayout(form);

    const OkCancelButtons buttons = AddOkCancelButtons(*this, *layout);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { StoreAndAccept(); });
}

void RenameDialog::StoreAndAccept() {
    const QByteArray name = m_to->text().left(kMaxNameLength).toLatin1();
    m_settings.set_fav_name(static_cast<std::size_t>(m_group), std::string_view(name.constData(), name.size()));
    accept();
}

bool RenameFavouriteGroup(QWidget* parent, ReceiverSettings settings, int group) {
    if (group < 0 || group >= FavouriteGroups::kGroupCount)
        return false;
    RenameDialog dialog(settings, group, parent);
    return UserPrompts::Exec(dialog) == QDialog::Accepted;
}

} // namespace vorlane::ui
