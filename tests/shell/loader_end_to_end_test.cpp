// The loader in the window against the simulated receiver on pseudo-terminals linked as ports of $VORLANE_SERIAL_DIR:
// uploads through the boot monitor and the safety net, a download, the receiver's error, Disconnect, Auto Connect.

#include "../panes/scripted_prompts.h"
#include "blockfile/file_bytes.h"
#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "importexport/replace_file.h"
#include "loader/language_texts.h"
#include "loader/transfer_channel_header.h"
#include "loader_test_util.h"
#include "platform/memory_settings_store.h"
#include "shell/frame_commands.h"
#include "shell/loader_controls.h"
#include "shell/loader_link.h"
#include "shell/loader_progress_bar.h"
#include "shell/main_frame.h"
#include "shell/mirevo_view.h"
#include "shell/receiver_safety_flow.h"
#include "sim/simulated_receiver.h"
#include "sim/stored_channel_list.h"
#include "support/channel_file_sample.h"
#include "support/scratch_folder.h"
#include "translations_resource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numeric>
#include <set>
#include <thread>

using namespace vorlane;
using namespace vorlane::ui;
using namespace std::chrono_literals;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
    Bytes bytes;
    return ReadFileBytes(path, bytes) ? bytes : Bytes();
}

// Every caption the progress bar showed when it was painted.
class PaintedCaptions : public QObject {
public:
    explicit PaintedCaptions(LoaderProgressBar& bar) : m_bar(bar) { bar.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_bar && event->type() == QEvent::Paint)
            captions.insert(m_bar.State().caption);
        return false;
    }
    std::set<std::string> captions;

private:
    LoaderProgressBar& m_bar;
};

class LoaderEndToEndTest : public ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        ASSERT_TRUE(std::filesystem::create_directory(PathIn("ports")));
        ::setenv("VORLANE_SERIAL_DIR", PathIn("ports").c_str(), 1);
        m_texts.Load("/nonexistent-folder");
        LoaderPauses pauses;
        pauses.connection.beforeSearchMs = pauses.connection.beforeOpenMs = pauses.transfer.beforeFirstPacketMs = 0;
        m_link = std::make_unique<LoaderLink>(m_view, m_controls, m_messages, mStore, m_texts, pauses);
        m_link->Start();
        (new QVBoxLayout(&m_view))->addWidget(&m_controls);
        m_view.resize(640, 120);
        m_view.show(); // painting happens only in sight
    }
    void TearDown() override {
        m_link.reset();
        for (auto& simulator : m_simulators)
            simulator->Stop();
        ::unsetenv("VORLANE_SERIAL_DIR");
        ScriptedPrompts::TearDown();
    }

    std::string PathIn(const std::string& name) const { return mFolder.PathIn(name); }

    SimulatedReceiver& StartReceiver(const std::string& port, ReceiverBehaviour behaviour = {}) {
        SimulatorConfig config;
        config.linkPath = PathIn("ports/" + port);
        config.behaviour = std::move(behaviour);
        m_simulators.push_back(std::make_unique<SimulatedReceiver>(std::move(config)));
        EXPECT_TRUE(m_simulators.back()->Start());
        return *m_simulators.back();
    }

    static void ScriptComThree() {
        UserPrompts::ScriptAnswer([](QDialog& dialog) {
            Find<QComboBox>(dialog, "portList").setCurrentIndex(2);
            Find<QPushButton>(dialog, "setButton").click();
            return dialog.result();
        });
    }
    // Connect on COM3, as chosen in COM Setting.
    void ConnectOnComThree() {
        ScriptComThree();
        ASSERT_TRUE(m_link->OnComSetting());
        ASSERT_TRUE(m_link->OnConnect());
    }

    // Answers the next "Message" with OK and keeps its text.
    void AnswerMessage(std::string& text) {
        UserPrompts::ScriptAnswer([&text](QDialog& dialog) {
            text = MessageText(dialog);
            return MessageDialog::kOk;
        });
    }

    ScratchFolder mFolder{"vorlane-loader-e2e"};
    MemorySettingsStore mStore;
    LanguageTexts m_texts;
    QWidget m_view;
    LoaderControls m_controls{m_texts, &m_view};
    MessageDialog m_messages{&m_view};
    std::unique_ptr<LoaderLink> m_link;
    std::vector<std::unique_ptr<SimulatedReceiver>> m_simulators;
};

// Through the main window with its real delays: connecting, Save as, the upload through the boot monitor behind the
// safety net (defaults, backup, verified upload, remembered choice), the verified restore in German; the window then
// closes with the port open.
TEST_F(LoaderEndToEndTest, UploadsTheSavedChannelFileAfterABackupAndRestoresTheBackup) {
    m_link.reset(); // the window's own loader does the work
    ::setenv("XDG_DATA_HOME", PathIn("data").c_str(), 1);
    const Bytes onReceiver = vorlane::testing::SampleChannelFile(0x61, 12);
    ReceiverBehaviour behaviour;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::Channel)] = ChannelListAsSent(onReceiver);
    SimulatedReceiver& receiver = StartReceiver("COM3", behaviour);
    ChannelDatabase database;
    CMainFrame frame(database, mStore, QFont());
    frame.show();
    LoaderControls& shown = frame.View().LoaderControlsPanel();
    ScriptComThree();
    ASSERT_TRUE(frame.OnCommand(kCmdComSetting));
    EXPECT_EQ(2u, shown.ChosenPort()) << "the form's list shows the port chosen";
    // A greyed command does nothing.
    for (const auto& [command, done, status] : {std::tuple{kCmdConnect, true, "   Connected"},
                                                {kCmdConnect, false, "   Connected"},
                                                {kCmdDisconnect, true, "   Disconnected"},
                                                {kCmdDownloadToPc, false, "   Disconnected"},
                                                {kCmdConnect, true, "   Connected"}}) {
        EXPECT_EQ(frame.OnCommand(command), done) << command;
        EXPECT_EQ(QString::fromLatin1(status), shown.StatusLine()) << command;
    }
    EXPECT_FALSE(frame.View().Loader().MenuControls().connect);

    const std::string path = PathIn("edited.bin");
    UserPrompts::ScriptAnswer(QString::fromStdString(path));
    UserPrompts::ScriptAnswer(QMessageBox::Ok); // "Complete to write file."
    ASSERT_TRUE(frame.FileCommands().SaveAs());
    const Bytes saved = ReadFile(path);
    ASSERT_EQ(0xD0000u, saved.size());

    PaintedCaptions painted(shown.ProgressBar());
    bool boxesCheckedAtFirst = false;
    std::string waitText;
    std::vector<std::string> finalTexts;
    QString finalStatus;
    const auto answerUploadMessages = [&] {
        UserPrompts::ScriptAnswer([&](QDialog& dialog) {
            waitText = MessageText(dialog);
            receiver.TriggerRestart(); // the user switches the receiver off and on
            return dialog.exec();
        });
        UserPrompts::ScriptAnswer([&](QDialog& dialog) {
            finalTexts.push_back(MessageText(dialog));
            finalStatus = shown.StatusLine();
            return MessageDialog::kOk;
        });
    };
    UserPrompts::ScriptAnswer(QString::fromStdString(path));
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        boxesCheckedAtFirst =
            Find<QCheckBox>(dialog, "backUpFirstBox").isChecked() && Find<QCheckBox>(dialog, "verifyBox").isChecked();
        return int(QDialog::Accepted);
    });
    answerUploadMessages();
    ASSERT_TRUE(frame.OnCommand(kCmdUploadToStb));
    ASSERT_TRUE(RunEventsUntil([&] { return !finalTexts.empty(); }, 180s));
    EXPECT_TRUE(boxesCheckedAtFirst);
    EXPECT_EQ("Reset your STB(s).", waitText);
    EXPECT_EQ("Completed and verified", finalTexts[0]);
    EXPECT_EQ(QStringLiteral("   Completed"), finalStatus);
    EXPECT_TRUE(painted.captions.contains("Now erasing the flash. Please wait.  (1/1)"))
        << "the erasing note is painted before the pause; painted: " << ::testing::PrintToString(painted.captions);
    EXPECT_TRUE(painted.captions.contains("100%  (1/1)"));
    EXPECT_TRUE(shown.UploadButton().isEnabled());
    EXPECT_FALSE(shown.SetButton().isEnabled());
    EXPECT_EQ(1, mStore.ReadProfileNumber(kBackupSection, kBackUpFirstEntry, 0));
    const std::string backup = frame.View().Loader().SafetySequence().BackupPath();
    EXPECT_EQ(PathIn("data") + "/Vorlane/backups", std::filesystem::path(backup).parent_path().string());
    EXPECT_TRUE(ReadFile(backup) == onReceiver) << "the backup holds the receiver's list as it was";
    ASSERT_TRUE(receiver.WaitForBlocks(1, 5s));
    EXPECT_EQ(kMonitorUpload, receiver.ReceivedBlocks()[0].transferClass);
    EXPECT_TRUE(receiver.ReceivedBlocks()[0].bytes == saved) << "the receiver holds the file byte for byte";

    int listedBackups = 0;
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        const auto& list = Find<QTreeWidget>(dialog, "backupList");
        listedBackups = list.topLevelItemCount();
        EXPECT_EQ(QStringLiteral("12"), list.topLevelItem(0)->text(2)) << "tuner 1 channels of the backup";
        return int(QDialog::Accepted);
    });
    answerUploadMessages();
    // In German, the sequence's report reaches the loader's window with its umlaut intact.
    RegisterTranslations();
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/vorlane_de.qm")));
    QCoreApplication::installTranslator(&german);
    ASSERT_TRUE(frame.OnCommand(kCmdRestoreBackup));
    ASSERT_TRUE(RunEventsUntil([&] { return finalTexts.size() == 2; }, 180s));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(1, listedBackups);
    EXPECT_EQ("Abgeschlossen und geprüft", finalTexts[1]);
    ASSERT_TRUE(receiver.WaitForBlocks(2, 5s));
    EXPECT_TRUE(receiver.ReceivedBlocks()[1].bytes == onReceiver) << "the backup went up byte for byte";
    RunEventsUntil([] { return false; }, 600ms); // the answer check (every 250 ms) then finds the sequence ended
    ::unsetenv("XDG_DATA_HOME");
}

TEST_F(LoaderEndToEndTest, DownloadsTheChannelsOverAnExistingFileWithARebuiltHeader) {
    Bytes sent(128 + 5000, 0xFF);
    std::iota(sent.begin() + 128, sent.end(), std::uint8_t(0x21));
    // The load address is taken from bytes 2, 3, 6 and 7 when the header has none.
    for (const auto& [at, value] : {std::pair{2, 0x80}, {3, 0x12}, {6, 0x34}, {7, 0x56}})
        sent[at] = std::uint8_t(value);
    ReceiverBehaviour behaviour;
    behaviour.downloads[1] = sent;
    StartReceiver("COM3", behaviour);
    ConnectOnComThree();

    const std::string path = PathIn("download.bin");
    ASSERT_TRUE(ReplaceFile(path, Bytes(20000, 0x55))); // longer than the download: nothing of it may remain
    std::string finalText;
    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        Find<QRadioButton>(dialog, "channelButton").click();
        Find<QPushButton>(dialog, "okButton").click();
        return dialog.result();
    });
    UserPrompts::ScriptAnswer(QString::fromStdString(path));
    AnswerMessage(finalText);

    EXPECT_TRUE(m_link->OnDownloadPc());
    ASSERT_TRUE(RunEventsUntil([this] { return m_link->Commands().Outcome() != TransferOutcome::None; }, 180s));
    EXPECT_EQ(TransferOutcome::Completed, m_link->Commands().Outcome());
    EXPECT_EQ("Completed", finalText);

    // The header's fields are the core's to pin; here the file is what the core makes of the received bytes.
    Bytes expected = sent;
    ASSERT_EQ(1, RebuildChannelHeader(expected));
    EXPECT_TRUE(ReadFile(path) == expected);
}

TEST_F(LoaderEndToEndTest, DisconnectDuringTheBreakInStopsIt) {
    SimulatedReceiver& receiver = StartReceiver("COM3");
    ConnectOnComThree();
    const std::string path = PathIn("channels.bin"); // as the editor saves the database of a first start
    const auto database = std::make_unique<ChannelDatabase>();
    ASSERT_TRUE(StartLikeEditor(*database));
    ASSERT_EQ(1, SaveDatabaseFile(*database, path));
    bool patternSeen = false;
    UserPrompts::ScriptAnswer(QString::fromStdString(path));
    UserPrompts::ScriptAnswer([](QDialog& dialog) { // "Upload Channel File" with both boxes clear: a plain upload
        Find<QCheckBox>(dialog, "backUpFirstBox").setChecked(false);
        Find<QCheckBox>(dialog, "verifyBox").setChecked(false);
        return int(QDialog::Accepted);
    });
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        patternSeen = RunEventsUntil(
            [&] {
                const Bytes bytes = receiver.ReceivedBytes();
                return std::count(bytes.begin(), bytes.end(), 'x') >= 64;
            },
            5s);
        m_link->OnDisconnect();
        dialog.reject(); // then the user closes the message
        return dialog.result();
    });
    EXPECT_FALSE(m_link->OnUploadStb());
    EXPECT_TRUE(patternSeen);
    EXPECT_FALSE(m_link->IsPortOpen());
    EXPECT_FALSE(m_link->LinkTransfer().IsBreakInSending());
    EXPECT_EQ(QStringLiteral("   Disconnected"), m_controls.StatusLine());
    EXPECT_TRUE(m_controls.ConnectButton().isEnabled());
    EXPECT_FALSE(m_controls.UploadButton().isEnabled());
    ASSERT_TRUE(RunEventsUntil([&] { return !m_link->LinkTransfer().IsBreakInRunning(); }, 3s));

    std::this_thread::sleep_for(100ms);
    const Bytes settled = receiver.ReceivedBytes();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(settled.size(), receiver.ReceivedBytes().size()) << "nothing more reaches the receiver";
    EXPECT_EQ(0, std::count(settled.begin(), settled.end(), '\r')) << "the closing carriage returns never went out";
}

TEST_F(LoaderEndToEndTest, AutoConnectFindsTheReceiverAndItsErrorIsReportedAndGivesTheCommandsBack) {
    ReceiverBehaviour silent;
    silent.faults.withoutIdentification = true;
    StartReceiver("COM7", silent); // answers, but is no receiver of ours
    ReceiverBehaviour faulty;
    faulty.faults.errorAtPacket = 2;
    StartReceiver("COM3", faulty);
    std::string searchText;
    AnswerMessage(searchText);
    EXPECT_TRUE(m_link->OnAutoConnect());
    EXPECT_EQ("COM port searching OK!", searchText);
    EXPECT_EQ(2u, m_link->SerialConnection().Settings().comport);
    EXPECT_EQ(2u, m_controls.ChosenPort());
    EXPECT_EQ(QStringLiteral("   Connected"), m_controls.StatusLine());
    EXPECT_FALSE(m_controls.ConnectButton().isEnabled());
    EXPECT_TRUE(m_controls.DisconnectButton().isEnabled());

    const std::string path = PathIn("update.key");
    ASSERT_TRUE(ReplaceFile(path, Bytes(5000, 0x44)));
    std::string finalText;
    UserPrompts::ScriptAnswer(QString::fromStdString(path));
    AnswerMessage(finalText);
    EXPECT_TRUE(m_link->OnUploadStb());
    EXPECT_FALSE(m_controls.UploadButton().isEnabled()) << "no second transfer while one runs";
    ASSERT_TRUE(RunEventsUntil([this] { return m_link->Commands().Outcome() != TransferOutcome::None; }, 180s));
    EXPECT_EQ(TransferOutcome::Failed, m_link->Commands().Outcome());
    EXPECT_EQ("Error occurred... Please check the displayed message of the STB", finalText);
    EXPECT_TRUE(m_controls.UploadButton().isEnabled());
    EXPECT_TRUE(m_controls.DownloadButton().isEnabled());
}

} // namespace
