#pragma once
// Shared pieces of the upload and download command tests: a user interface that answers the dialogs as told and
// records what the commands show, and a fixture that puts the commands, a connection and a transfer on a port
// opened on the simulated receiver.

#include "loader/connection.h"
#include "loader/transfer_commands.h"
#include "platform/memory_settings_store.h"
#include "support/scratch_folder.h"
#include "transfer_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vorlane::test {

class RecordingCommandsUi : public TransferCommandsUi {
public:
    explicit RecordingCommandsUi(EventQueueDispatcher* dispatcher = nullptr) : m_events(dispatcher) {}

    void ShowMessageBox(const std::string& text) override { Log("box " + text); }
    int ShowMessage(const std::string& text, int mode) override {
        Log("message" + std::to_string(mode) + " " + text);
        return mode == 0 ? 0 : 1;
    }
    void ShowNotAllowedCursor() override { Log("cursor not-allowed"); }
    void RestoreCursor() override { Log("cursor arrow"); }

    void BeginProgress(int blocks, const std::string& path, const std::string& action) override {
        if (commands)
            commands->BeginProgress(blocks, path, action);
    }
    void ReportProgress(int value, const std::string& text, const UploadPosition& upload) override {
        if (commands)
            commands->ReportProgress(value, text, upload);
    }
    void ShowNote(const std::string& text) override { Log("note " + text); }
    void HideNote() override { ++noteHides; }
    int RunModalWait(const std::string& text) override {
        Log("wait " + text);
        m_result.reset();
        if (m_events)
            m_events->RunUntil([this] { return m_result.has_value(); }, waitLimit);
        return m_result.value_or(2);
    }
    void EndModalWait(int result) override { m_result = result; }

    int ChooseFile(const FileDialogRequest& request, std::string& path) override {
        requests.push_back(request);
        path = chosenFile;
        return chosenFile.empty() ? 0 : 1;
    }
    int ChooseDownload(int& choice) override {
        ++downloadChoices;
        if (!downloadChoice)
            return 0;
        choice = *downloadChoice;
        return 1;
    }
    bool ReadForceModeBox() override { return forceModeBox; }
    void ShowProgressBar(const ProgressBarState& bar) override { bars.push_back(bar); }
    void ShowStatusLine(const std::string& text) override { statusLines.push_back(text); }
    void ShowControls(const ConnectionControls& shown) override { controls.push_back(shown); }
    void BringToFront() override { Log("front"); }
    void RepaintNow() override { Log("repaint"); }
    void ShowWaitCursor() override { Log("cursor wait"); }

    bool HasEvent(const std::string& event) const {
        return std::find(events.begin(), events.end(), event) != events.end();
    }
    bool HasCaption(const std::string& caption) const {
        return std::any_of(bars.begin(), bars.end(),
                           [&](const ProgressBarState& bar) { return bar.caption == caption; });
    }

    TransferCommands* commands = nullptr;
    std::string chosenFile;
    std::optional<int> downloadChoice = 0;
    bool forceModeBox = false;
    std::chrono::milliseconds waitLimit = 10s; // then the wait counts as closed by the user

    std::vector<std::string> events; // messages, notes, waits and cursors in order
    std::vector<FileDialogRequest> requests;
    int downloadChoices = 0;
    int noteHides = 0;
    std::vector<ProgressBarState> bars;
    std::vector<std::string> statusLines;
    std::vector<ConnectionControls> controls;

private:
    void Log(const std::string& event) { events.push_back(event); }

    EventQueueDispatcher* m_events;
    std::optional<int> m_result;
};

// "Set", "Upload to STB" and "Download to PC" off while a transfer runs, back on when it ended.
inline ConnectionControls RunningControls() {
    ConnectionControls controls = ConnectionControlsFor(true);
    controls.set = controls.upload = controls.download = false;
    return controls;
}

class CommandsSimTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.valid());
        texts.Load("/nonexistent-folder");
        settings.timeout2 = 0;
        ui.commands = &commands;
        connection.SetTransferControl(&transfer);
        ASSERT_TRUE(port.Create(&transfer, &events, 40960, 4096));
    }
    void TearDown() override {
        port.Close();
        if (simulator)
            simulator->stop();
    }

    std::string PathIn(const std::string& name) const { return scratch.PathIn(name); }

    void WriteFile(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(PathIn(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes ReadFile(const std::string& name) const {
        std::ifstream in(PathIn(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void Connect(ReceiverBehaviour behaviour = {}) {
        SimulatorConfig config;
        config.linkPath = PathIn("COM5");
        config.behaviour = std::move(behaviour);
        simulator = std::make_unique<SimulatedReceiver>(std::move(config));
        ASSERT_EQ(1, simulator->start());
        ASSERT_TRUE(port.Open(simulator->linkPath(), 115200, 0, 8, 0, 0));
    }

    bool RunUntilFinished(std::chrono::milliseconds timeout = 20s) {
        return events.RunUntil([this] { return commands.Outcome() != TransferOutcome::None; }, timeout);
    }
    void RunFor(std::chrono::milliseconds span) {
        events.RunUntil([] { return false; }, span);
    }

    std::string Remembered(const char* value) const {
        std::string text;
        store.ReadText("Software\\QV\\QvLinkDesk\\File", value, "<none>", text);
        return text;
    }

    ScratchFolder scratch{"vorlane-commands"};
    const std::filesystem::path& folder = scratch.path();
    EventQueueDispatcher events;
    LanguageTexts texts;
    SerialSettings settings;
    MemorySettingsStore store;
    RecordingCommandsUi ui{&events};
    SerialPort port;
    Connection connection{port, store, texts, ui};
    Transfer transfer{port, events, texts, ui, settings, TransferPauses{0}};
    TransferCommands commands{transfer, port, connection, store, texts, ui};
    std::unique_ptr<SimulatedReceiver> simulator;
};

} // namespace vorlane::test
