#include "loader/connection.h"

#include "loader/connection_wake_up.h"
#include "loader/language_texts.h"
#include "loader/loader_ui.h"
#include "loader/serial_device_scan.h"
#include "loader/serial_port.h"
#include "loader/serial_port_names.h"
#include "loader/transfer_texts.h"
#include "platform/clock.h"
#include "platform/serial_device.h"
#include "platform/settings_store.h"
#include "platform/trace.h"

#include <array>
#include <cstdio>

namespace vorlane {
namespace {

// LanguageTexts entries of the status line.
constexpr int kTextConnectionFailed = 8;

constexpr std::size_t kReplyCapacity = 300;

// Keeps the not-allowed cursor up while the search blocks the user-interface thread.
class NotAllowedCursorScope {
public:
    explicit NotAllowedCursorScope(LoaderUi& ui) : m_ui(ui) { m_ui.ShowNotAllowedCursor(); }
    ~NotAllowedCursorScope() { m_ui.RestoreCursor(); }
    NotAllowedCursorScope(const NotAllowedCursorScope&) = delete;
    NotAllowedCursorScope& operator=(const NotAllowedCursorScope&) = delete;

private:
    LoaderUi& m_ui;
};

} // namespace

ConnectionControls ConnectionControlsFor(bool portOpen) {
    ConnectionControls controls;
    controls.autoConnect = true;
    controls.connect = !portOpen;
    controls.disconnect = portOpen;
    controls.set = !portOpen;
    controls.upload = portOpen;
    controls.download = portOpen;
    return controls;
}

std::string StatusLineText(const LanguageTexts& texts, int entry) {
    return texts.GetText(transfer_text::kStatusLead) + "  " + texts.GetText(entry);
}

Connection::Connection(SerialPort& port, SettingsStore& store, const LanguageTexts& texts, LoaderUi& ui,
                       ConnectionPauses pauses)
    : m_port(port), mStore(store), m_texts(texts), m_ui(ui), m_pauses(pauses) {}

Connection::~Connection() {
    Finish();
}

void Connection::Start() {
    SetStatus(transfer_text::kDisconnected);
    m_settings = LoadSerialSettings(mStore);
    m_started = true;
}

void Connection::Finish() {
    if (!m_started || m_finished)
        return;
    m_finished = true;
    if (m_port.IsOpen())
        m_port.Close();
    StoreSerialSettings(mStore, m_settings); // a failure at the end has nobody left to tell
}

bool Connection::SetPortAndSpeed(std::uint32_t portIndex, std::uint32_t speedIndex) {
    if (portIndex >= static_cast<std::uint32_t>(kSerialPortCount) || speedIndex >= kLineSpeedCount)
        return false;
    m_settings.comport = portIndex;
    m_settings.bart = speedIndex;
    return true;
}

std::string Connection::DevicePath(int portNumber) const {
    return StoredSerialDevicePath(mStore, portNumber);
}

bool Connection::SetDevicePath(int portNumber, const std::string& path) {
    return StoreSerialDevicePath(mStore, portNumber, path);
}

bool Connection::ConnectPort() {
    if (m_port.IsOpen())
        m_port.Close();
    SleepMs(m_pauses.beforeOpenMs);
    const int portNumber = m_settings.PortNumber();
    DebugOut("m_infPort.m_Comport = %d\n", portNumber);
    const SerialLineSettings line = m_settings.Line();
    const std::string device = DevicePath(portNumber);
    if (!m_port.Open(device, line.baudRate, line.parity, line.byteSize, line.stopBits, line.flowControl)) {
        char message[64];
        std::snprintf(message, sizeof message, "Can't use Comport #%d", portNumber);
        m_ui.ShowMessageBox(message);
        // A second box says what the first cannot: the device is there, only the user may not use it.
        std::string group;
        if (ProbeDevice(device, group) == DeviceState::NoPermission)
            m_ui.ShowMessageBox(PermissionAdvice(device, group));
        return false;
    }
    DebugOut("Connected");
    if (m_transfer) {
        m_transfer->SetTransferIdle();
        m_transfer->ClearMonitorLines();
    }
    return true;
}

void Connection::DisconnectPort() {
    if (m_port.IsOpen())
        m_port.Close();
    DebugOut("Disconnected");
    if (m_transfer)
        m_transfer->SetTransferIdle();
}

bool Connection::SearchPort() {
    const NotAllowedCursorScope cursor(m_ui);
    SleepMs(m_pauses.beforeSearchMs);
    if (m_port.IsOpen())
        m_port.Close();

    for (int portNumber = kSerialPortCount; portNumber >= 1; --portNumber) {
        if (!SerialDevice::Probe(DevicePath(portNumber)))
            continue;
        m_settings.comport = static_cast<std::uint32_t>(portNumber - 1);
        DebugOut("Detect port : %d\n", portNumber);
        if (ConnectPort()) {
            SendWakeUp(m_port);
            if (IsTransferIdle() && AwaitIdentification()) {
                DebugOut("OK port!!!");
                m_ui.ShowMessage("COM port searching OK!", MessageMode::Ok);
                return true;
            }
        }
        DisconnectPort();
    }
    m_ui.ShowMessage("COM port searching fail!", MessageMode::Ok);
    return false;
}

bool Connection::AwaitIdentification() {
    SleepMs(m_pauses.beforeReplyMs);
    // The identification may arrive in pieces, so the window is read to its end unless the text shows up
    // earlier; one extra byte keeps the trace's text terminated.
    std::array<std::uint8_t, kReplyCapacity + 1> reply{};
    std::size_t received = 0;
    bool identified = false;
    const std::uint64_t deadline = TickCountMs() + m_pauses.replyWindowMs;
    while (!identified && received < kReplyCapacity) {
        const std::uint64_t now = TickCountMs();
        std::size_t count = 0;
        if (now >= deadline || !m_port.ReadWithTimeout(reply.data() + received, kReplyCapacity - received, count,
                                                       static_cast<std::uint32_t>(deadline - now)))
            break;
        received += count;
        identified =
            std::string_view(reinterpret_cast<const char*>(reply.data()), received).find(kReceiverIdentification) !=
            std::string_view::npos;
    }
    DebugOut("buf : %s\n", reinterpret_cast<const char*>(reply.data()));
    return identified;
}

bool Connection::IsTransferIdle() const {
    return m_transfer == nullptr || m_transfer->IsTransferIdle();
}

bool Connection::ConnectCommand() {
    return FinishConnectCommand(ConnectPort());
}

bool Connection::AutoConnectCommand() {
    return FinishConnectCommand(SearchPort());
}

bool Connection::FinishConnectCommand(bool connected) {
    if (connected) {
        SendWakeUp(m_port);
        SetStatus(transfer_text::kConnected);
    } else {
        SetStatus(kTextConnectionFailed);
    }
    return connected;
}

void Connection::DisconnectCommand() {
    if (m_transfer)
        m_transfer->StopBreakIn();
    DisconnectPort();
    SetStatus(transfer_text::kDisconnected);
}

ConnectionControls Connection::Controls() const {
    return ConnectionControlsFor(m_port.IsOpen());
}

void Connection::SetStatus(int entry) {
    m_statusText = StatusLineText(m_texts, entry);
}

} // namespace vorlane
