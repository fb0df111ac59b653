#include "shell/loader_link.h"

#include "shell/loader_com_setting_dialog.h"
#include "shell/loader_controls.h"
#include "shell/loader_progress_bar.h"

namespace vorlane {
namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

LoaderLink::LoaderLink(QWidget& view, ui::LoaderControls& controls, ui::MessageDialog& messages, SettingsStore& store,
                       const LanguageTexts& texts, LoaderPauses pauses)
    : m_view(view), m_controls(controls), m_ui(view, controls, messages),
      m_connection(m_port, store, texts, m_ui, pauses.connection),
      m_transfer(m_port, m_dispatcher, texts, m_ui, m_connection.Settings(), pauses.transfer),
      m_commands(m_transfer, m_port, m_connection, store, texts, m_ui),
      m_safety(view, store, m_ui, m_commands, m_transfer, m_dispatcher, m_port) {
    m_port.Create(&m_transfer, &m_dispatcher, kLoaderReceiveQueueSize, kLoaderTransmitQueueSize);
    m_connection.SetTransferControl(&m_transfer);
    m_ui.SetCommands(&m_commands);
    m_ui.SetConnection(&m_connection);
}

LoaderLink::~LoaderLink() {
    Finish();
    m_ui.SetCommands(nullptr);
}

void LoaderLink::Start() {
    m_transfer.StopBreakIn();
    m_connection.Start();
    const SerialSettings& settings = m_connection.Settings();
    m_controls.ShowPortAndSpeed(settings.comport, settings.bart);
    m_controls.ProgressBar().SetState(ProgressBarState{});
    ShowConnectionState();
}

void LoaderLink::Finish() {
    m_transfer.StopBreakIn();
    m_connection.Finish();
}

void LoaderLink::SetStateObserver(std::function<void(bool portOpen, bool transferRunning)> observer) {
    m_stateObserver = std::move(observer);
    m_dispatcher.SetAfterTask([this] { TellState(); });
    m_safety.SetAfterCheck([this] { TellState(); });
    TellState();
}

void LoaderLink::TellState() const {
    if (m_stateObserver)
        m_stateObserver(IsPortOpen(), IsTransferRunning());
}

bool LoaderLink::OnAutoConnect() {
    const bool connected = m_connection.AutoConnectCommand();
    // The search leaves the port it tried last as the chosen one.
    const SerialSettings& settings = m_connection.Settings();
    m_controls.ShowPortAndSpeed(settings.comport, settings.bart);
    ShowConnectionState();
    return connected;
}

bool LoaderLink::OnConnect() {
    const bool connected = m_connection.ConnectCommand();
    ShowConnectionState();
    return connected;
}

void LoaderLink::OnDisconnect() {
    m_connection.DisconnectCommand();
    ShowConnectionState();
}

bool LoaderLink::OnUploadStb() {
    const bool started = m_safety.OnUploadStb();
    TellState();
    return started;
}

bool LoaderLink::OnRestoreBackup() {
    const bool started = m_safety.OnRestoreBackup();
    TellState();
    return started;
}

bool LoaderLink::OnDownloadPc() {
    const bool started = m_commands.OnBtnDownloadPc();
    TellState();
    return started;
}

void LoaderLink::OnSet() {
    m_connection.SetPortAndSpeed(m_controls.ChosenPort(), m_controls.ChosenSpeed());
}

bool LoaderLink::OnComSetting() {
    if (!ui::RunComSettingDialog(m_connection, &m_view))
        return false;
    const SerialSettings& settings = m_connection.Settings();
    m_controls.ShowPortAndSpeed(settings.comport, settings.bart);
    return true;
}

void LoaderLink::ShowConnectionState() {
    m_controls.ShowStatusLine(Latin1(m_connection.StatusText()));
    m_controls.ShowControls(m_connection.Controls());
    TellState();
}

} // namespace vorlane
