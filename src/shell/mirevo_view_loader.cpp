// The loader's part of the view: the Connect Status group at the foot of the form, the loader that owns the port,
// and the commands that reach it from the hidden buttons, the Tools menu and the toolbar.

#include "shell/frame_commands.h"
#include "shell/loader_controls.h"
#include "shell/loader_link.h"
#include "shell/mirevo_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane {

void CMirevoView::BuildLoader() {
    auto* layout = new QVBoxLayout(m_loaderArea);
    layout->setContentsMargins(0, 0, 0, 0);
    m_loaderControls = new ui::LoaderControls(m_texts, m_loaderArea);
    layout->addWidget(m_loaderControls);
    m_loader = std::make_unique<LoaderLink>(*this, *m_loaderControls, *m_messageDialog, mStore, m_texts);

    const std::pair<QPushButton*, int> buttons[] = {
        {&m_loaderControls->AutoConnectButton(), kCmdAutoConnect}, {&m_loaderControls->ConnectButton(), kCmdConnect},
        {&m_loaderControls->DisconnectButton(), kCmdDisconnect},   {&m_loaderControls->UploadButton(), kCmdUploadToStb},
        {&m_loaderControls->DownloadButton(), kCmdDownloadToPc},
    };
    for (const auto& [button, command] : buttons)
        connect(button, &QPushButton::clicked, this, [this, command = command] { HandleLoaderCommand(command); });
    connect(&m_loaderControls->SetButton(), &QPushButton::clicked, this, [this] { m_loader->OnSet(); });
}

bool CMirevoView::HandleLoaderCommand(int command) {
    switch (command) {
    case kCmdAutoConnect:
        m_loader->OnAutoConnect();
        return true;
    case kCmdConnect:
        m_loader->OnConnect();
        return true;
    case kCmdDisconnect:
        m_loader->OnDisconnect();
        return true;
    case kCmdUploadToStb:
        m_loader->OnUploadStb();
        return true;
    case kCmdDownloadToPc:
        m_loader->OnDownloadPc();
        return true;
    case kCmdRestoreBackup:
        m_loader->OnRestoreBackup();
        return true;
    case kCmdComSetting:
        m_loader->OnComSetting();
        return true;
    default:
        return false;
    }
}

} // namespace vorlane
