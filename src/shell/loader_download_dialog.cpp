#include "shell/loader_download_dialog.h"

#include "platform/widgets/user_prompts.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

QRadioButton* MakeToggle(const char* caption, const char* objectName, QWidget* parent) {
    auto* toggle = new QRadioButton(QCoreApplication::translate("DownloadChoiceDialog", caption), parent);
    toggle->setObjectName(QString::fromLatin1(objectName));
    return toggle;
}

} // namespace

DownloadChoiceDialog::DownloadChoiceDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("LoaderDownloadDialog", "What do you want to download from the STB?"));
    auto* layout = new QVBoxLayout(this);
    m_mainSoftware = MakeToggle(QT_TRANSLATE_NOOP("DownloadChoiceDialog", "Main Software"), "mainSoftwareButton", this);
    m_preSetting = MakeToggle(QT_TRANSLATE_NOOP("DownloadChoiceDialog", "Pre-setting"), "preSettingButton", this);
    m_channel = MakeToggle(QT_TRANSLATE_NOOP("DownloadChoiceDialog", "Channel"), "channelButton", this);
    auto* group = new QButtonGroup(this);
    group->addButton(m_mainSoftware, kMainSoftware);
    group->addButton(m_preSetting, kPreSetting);
    group->addButton(m_channel, kChannel);
    for (QRadioButton* toggle : {m_mainSoftware, m_preSetting, m_channel})
        layout->addWidget(toggle);
    m_preSetting->hide();
    m_mainSoftware->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

int DownloadChoiceDialog::Choice() const {
    if (m_channel->isChecked())
        return kChannel;
    if (m_preSetting->isChecked())
        return kPreSetting;
    return kMainSoftware;
}

bool ChooseDownloadKind(QWidget* parent, int& choice) {
    DownloadChoiceDialog dialog(parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    choice = dialog.Choice();
    return true;
}

} // namespace vorlane::ui
