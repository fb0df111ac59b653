#include "panes/move_to_dialog.h"

#include "panes/dialog_buttons.h"
#include "platform/widgets/range_check.h"
#include "platform/widgets/user_prompts.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vorlane::ui {

MoveToDialog::MoveToDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("MoveToDialog", "Channel move to"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_numberEdit = new QLineEdit(QString::number(kMinChannelNumber), this);
    m_numberEdit->setObjectName(QStringLiteral("channelNumberEdit"));
    m_numberEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_numberEdit->setMaxLength(9);
    m_numberEdit->selectAll();
    form->addRow(QCoreApplication::translate("MoveToDialog", "Channel Number"), m_numberEdit);
    layout->addLayout(form);

    const OkCancelButtons buttons = AddOkCancelButtons(*this, *layout);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { AcceptIfValid(); });
}

void MoveToDialog::AcceptIfValid() {
    std::int64_t number = 0;
    if (!ReadFieldInRange(*m_numberEdit, kMinChannelNumber, kMaxChannelNumber, number))
        return;
    m_number = static_cast<int>(number);
    accept();
}

bool AskChannelMoveTarget(QWidget* parent, int& channelNumber) {
    MoveToDialog dialog(parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    channelNumber = dialog.ChannelNumber();
    return true;
}

} // namespace vorlane::ui
