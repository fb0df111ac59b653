#pragma once

#include "loader/transfer_commands.h"
#include "transfer_fixture.h"

#include <algorithm>

namespace vorlane::testing {

class RecordingCommandsUi : public RecordingUi<TransferCommandsUi> {
public:
    using RecordingUi::RecordingUi;

    void BeginProgress(int blocks, const std::string& path, const std::string& action) override {
        if (commands)
            commands->BeginProgress(blocks, path, action);
    }
    void ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) override {
        if (commands)
            commands->ReportProgress(step, text, upload);
    }
    bool ChooseFile(const FileDialogRequest& request, std::string& path) override {
        requests.push_back(request);
        path = chosenFile;
        return !chosenFile.empty();
    }
    bool ChooseDownload(int& choice) override {
        ++downloadChoices;
        choice = downloadChoice.value_or(choice);
        return downloadChoice.has_value();
    }
    bool ReadForceModeBox() override { return forceModeBox; }
    void ShowProgressBar(const ProgressBarState& bar) override { bars.push_back(bar); }
    void ShowStatusLine(const std::string& text) override { statusLines.push_back(text); }
    void ShowControls(const ConnectionControls& shown) override { controls.push_back(shown); }
    void BringToFront() override { events.push_back("front"); }
    void RepaintNow() override { events.push_back("repaint"); }
    void ShowWaitCursor() override { events.push_back("cursor wait"); }

    // The first bar shown with `caption`, or none.
    const ProgressBarState* Bar(const std::string& caption) const {
        const auto bar =
            std::find_if(bars.begin(), bars.end(), [&](const auto& shown) { return shown.caption == caption; });
        return bar == bars.end() ? nullptr : &*bar;
    }

    TransferCommands* commands = nullptr;
    std::string chosenFile;
    std::optional<int> downloadChoice = 0;
    bool forceModeBox = false;
    std::vector<FileDialogRequest> requests;
    int downloadChoices = 0;
    std::vector<ProgressBarState> bars;
    std::vector<std::string> statusLines;
    std::vector<ConnectionControls> controls;
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
        m_ui.commands = &m_commands;
        m_connection.SetTransferControl(&m_transfer);
    }

    void WriteFile(const std::string& name, const Bytes& bytes) const { testing::WriteFile(PathIn(name), bytes); }
    Bytes ReadFile(const std::string& name) const { return testing::ReadFile(PathIn(name)); }

    bool RunUntilFinished(std::chrono::milliseconds timeout = 20s) {
        return RunUntil([this] { return m_commands.Outcome() != TransferOutcome::None; }, timeout);
    }

    std::string Remembered(const char* value) const {
        std::string text;
        mStore.ReadText("Software\\QV\\QvLinkDesk\\File", value, "<none>", text);
        return text;
    }

    MemorySettingsStore mStore;
    Connection m_connection{m_port, mStore, m_texts, m_ui};
    TransferCommands m_commands{m_transfer, m_port, m_connection, mStore, m_texts, m_ui};
};

} // namespace vorlane::testing
