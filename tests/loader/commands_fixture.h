#pragma once

#include "loader/connection.h"
#include "loader/transfer_commands.h"
#include "platform/memory_settings_store.h"
#include "transfer_fixture.h"

#include <algorithm>

namespace vorlane::testing {

class RecordingCommandsUi : public TransferCommandsUi {
public:
    explicit RecordingCommandsUi(EventQueueDispatcher* dispatcher = nullptr) : m_events(dispatcher) {}

    void ShowMessageBox(const std::string& text) override { Log("box " + text); }
    MessageButton ShowMessage(const std::string& text, int mode) override {
        Log("message" + std::to_string(mode) + " " + text);
        return mode == 0 ? MessageButton::None : MessageButton::Ok;
    }
    void ShowNotAllowedCursor() override { Log("cursor not-allowed"); }
    void RestoreCursor() override { Log("cursor arrow"); }

    void BeginProgress(int blocks, const std::string& path, const std::string& action) override {
        if (commands)
            commands->BeginProgress(blocks, path, action);
    }
    void ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) override {
        if (commands)
            commands->ReportProgress(step, text, upload);
    }
    void ShowNote(const std::string& text) override { Log("note " + text); }
    void HideNote() override { ++noteHides; }
    MessageButton RunModalWait(const std::string& text) override {
        Log("wait " + text);
        m_result.reset();
        if (m_events)
            m_events->RunUntil([this] { return m_result.has_value(); }, waitLimit);
        return m_result.value_or(MessageButton::Cancel);
    }
    void EndModalWait(MessageButton result) override { m_result = result; }

    bool ChooseFile(const FileDialogRequest& request, std::string& path) override {
        requests.push_back(request);
        path = chosenFile;
        return chosenFile.empty() ? 0 : 1;
    }
    bool ChooseDownload(int& choice) override {
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
    std::optional<MessageButton> m_result;
};

// "Set", "Upload to STB" and "Download to PC" off while a transfer runs, back on when it ended.
inline ConnectionControls RunningControls() {
    ConnectionControls controls = ConnectionControlsFor(true);
    controls.set = controls.upload = controls.download = false;
    return controls;
}

// The commands and a connection over the transfer of the simulated line.
class CommandsSimTest : public SimulatedLineTest<RecordingCommandsUi> {
protected:
    void SetUp() override {
        SimulatedLineTest::SetUp();
        ui.commands = &commands;
        connection.SetTransferControl(&transfer);
    }

    void WriteFile(const std::string& name, const Bytes& bytes) const { testing::WriteFile(PathIn(name), bytes); }
    Bytes ReadFile(const std::string& name) const { return testing::ReadFile(PathIn(name)); }

    bool RunUntilFinished(std::chrono::milliseconds timeout = 20s) {
        return RunUntil([this] { return commands.Outcome() != TransferOutcome::None; }, timeout);
    }

    std::string Remembered(const char* value) const {
        std::string text;
        store.ReadText("Software\\QV\\QvLinkDesk\\File", value, "<none>", text);
        return text;
    }

    MemorySettingsStore store;
    Connection connection{port, store, texts, ui};
    TransferCommands commands{transfer, port, connection, store, texts, ui};
};

} // namespace vorlane::testing
