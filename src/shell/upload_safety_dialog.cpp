#include "shell/upload_safety_dialog.h"

#include "panes/dialog_buttons.h"
#include "platform/widgets/user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {

UploadSafetyDialog::UploadSafetyDialog(const QString& fileName, const UploadSafetyChoice& initial, bool backupOffered,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("UploadSafetyDialog", "Upload Channel File"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        QCoreApplication::translate("UploadSafetyDialog", "%1 replaces the receiver's channel list.").arg(fileName),
        this);
    text->setWordWrap(true);
    layout->addWidget(text);
    m_backUpFirst = new QCheckBox(
        QCoreApplication::translate("UploadSafetyDialog", "Back up the receiver's channel list first"), this);
    m_backUpFirst->setObjectName(QStringLiteral("backUpFirstBox"));
    m_backUpFirst->setChecked(backupOffered && initial.backUpFirst);
    m_backUpFirst->setEnabled(backupOffered);
    m_verify = new QCheckBox(QCoreApplication::translate("UploadSafetyDialog", "Verify after upload"), this);
    m_verify->setObjectName(QStringLiteral("verifyBox"));
    m_verify->setChecked(initial.verify);
    layout->addWidget(m_backUpFirst);
    layout->addWidget(m_verify);

    connect(AddOkCancelButtons(*this, *layout).ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(360);
}

UploadSafetyChoice UploadSafetyDialog::Choice() const {
    return {m_backUpFirst->isChecked(), m_verify->isChecked()};
}

bool ChooseUploadSafety(QWidget* parent, const QString& fileName, bool backupOffered, UploadSafetyChoice& choice) {
    UploadSafetyDialog dialog(fileName, choice, backupOffered, parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    choice = dialog.Choice();
    return true;
}

} // namespace vorlane::ui
