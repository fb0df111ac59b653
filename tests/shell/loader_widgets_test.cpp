// The loader's window pieces on their own: the dispatcher to the user-interface thread, the progress bar, the
// Connect Status controls, the COM Setting and download choice dialogs, and the windows of LoaderWindowUi.

#include "../panes/scripted_prompts.h"
#include "blockfile/channel_file.h"
#include "importexport/database_files.h"
#include "importexport/replace_file.h"
#include "loader/connection.h"
#include "loader/language_texts.h"
#include "loader/serial_port.h"
#include "loader_test_util.h"
#include "platform/memory_settings_store.h"
#include "shell/loader_com_setting_dialog.h"
#include "shell/loader_controls.h"
#include "shell/loader_owner_dispatcher.h"
#include "shell/loader_progress_bar.h"
#include "shell/loader_window_ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

using namespace vorlane;
using namespace vorlane::ui;
using namespace std::chrono_literals;

namespace {

TEST(QtOwnerDispatcher, RunsTasksOfOtherThreadsInPostingOrderAndDropsThoseQueuedAtItsEnd) {
    QtOwnerDispatcher dispatcher;
    std::vector<int> order;
    std::vector<bool> onUiThread;
    std::thread worker([&] {
        for (int task = 0; task < 5; ++task)
            dispatcher.Post([&, task] {
                order.push_back(task);
                onUiThread.push_back(QThread::currentThread() == QCoreApplication::instance()->thread());
            });
    });
    worker.join();
    EXPECT_TRUE(order.empty()) << "tasks run from the event loop, never inside Post";
    ASSERT_TRUE(RunEventsUntil([&] { return order.size() == 5; }, 2s));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), order);
    EXPECT_EQ(std::vector<bool>(5, true), onUiThread);

    std::optional<QtOwnerDispatcher> destroyed(std::in_place);
    destroyed->Post([&] { order.push_back(5); });
    destroyed.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(5u, order.size());
}

// Filled up to the position, never beyond the range, all of it when solid; colours are BGR as the receiver's tools had.
TEST(LoaderProgressBar, FillsUpToThePositionAndDrawsTheBlueBarAndTheCaptionInItsColour) {
    struct Case {
        int upper, position;
        bool solid;
        int filled;
    };
    LoaderProgressBar bar;
    for (const Case& c : {Case{12, 3, false, 25}, Case{12, 40, false, 100}, Case{12, -5, false, 0},
                          Case{12, -5, true, 100}, Case{0, 0, false, 0}}) {
        bar.SetState({.upper = c.upper, .solid = c.solid, .position = c.position, .caption = ""});
        EXPECT_EQ(c.filled, bar.FilledWidth(100)) << c.upper << ' ' << c.position << ' ' << c.solid;
    }

    EXPECT_EQ(QColor(0x12, 0x34, 0x56), ColourOfBgr(0x563412));
    bar.resize(200, 24);
    bar.SetState({.upper = 4, .position = 1, .caption = "25%"});
    QImage image = bar.grab().toImage();
    EXPECT_EQ(QColor(Qt::blue), image.pixelColor(10, 12)) << "left quarter filled";
    EXPECT_NE(QColor(Qt::blue), image.pixelColor(190, 12)) << "right part empty";

    bar.SetState({.upper = 4,
                  .captionColour = kProgressCaptionGreen,
                  .solid = true,
                  .position = 1,
                  .caption = "Now erasing the flash. Please wait."});
    image = bar.grab().toImage();
    EXPECT_EQ(QColor(Qt::blue), image.pixelColor(196, 3)) << "solid mode fills the whole bar";
    bool greenCaption = false;
    for (int x = 0; x < image.width() && !greenCaption; ++x)
        for (int y = 0; y < image.height() && !greenCaption; ++y)
            greenCaption = image.pixelColor(x, y).green() > 200 && image.pixelColor(x, y).red() < 60;
    EXPECT_TRUE(greenCaption) << "the caption is drawn in green over the bar";
}

class LoaderDialogsTest : public ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        m_texts.Load("/nonexistent-folder"); // the built-in texts
        ASSERT_TRUE(m_port.Create(nullptr, nullptr, 40960, 4096));
        m_connection.Start();
    }

    LanguageTexts m_texts;
    MemorySettingsStore mStore;
    QWidget m_window;
    LoaderControls m_controls{m_texts, &m_window};
    MessageDialog m_messages{&m_window};
    LoaderWindowUi m_ui{m_window, m_controls, m_messages};
    SerialPort m_port;
    Connection m_connection{m_port, mStore, m_texts, m_ui};
};

TEST_F(LoaderDialogsTest, ComSettingListsPortsAndSpeedsAndSetTakesThem) {
    ::setenv("VORLANE_SERIAL_DIR", "/tmp/vorlane-loader-ports", 1);
    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        const auto& ports = Find<QComboBox>(dialog, "portList");
        const auto& speeds = Find<QComboBox>(dialog, "speedList");
        EXPECT_EQ(16, ports.count());
        EXPECT_EQ(QStringLiteral("COM16"), ports.itemText(15));
        EXPECT_EQ(QStringLiteral("/tmp/vorlane-loader-ports/COM16"), ports.itemData(15, Qt::ToolTipRole).toString());
        EXPECT_EQ(16, speeds.count());
        EXPECT_EQ(QStringLiteral("921600"), speeds.itemText(15));
        EXPECT_EQ(0, ports.currentIndex()) << "preset from the settings: COM1";
        EXPECT_EQ(11, speeds.currentIndex()) << "preset from the settings: 115200";
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(RunComSettingDialog(m_connection, &m_window));
    ::unsetenv("VORLANE_SERIAL_DIR");
    EXPECT_EQ(UserPrompts::TakeAsked().size(), 1u);
    EXPECT_EQ(0u, m_connection.Settings().comport) << "closing it changes nothing";

    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        Find<QComboBox>(dialog, "portList").setCurrentIndex(2);
        Find<QComboBox>(dialog, "speedList").setCurrentIndex(6);
        EXPECT_EQ(16, Find<QTreeWidget>(dialog, "portDeviceTable").topLevelItemCount());
        EXPECT_TRUE(Find<QTreeWidget>(dialog, "portDeviceTable").topLevelItem(2)->font(0).bold()) << "COM3's row";
        Find<QComboBox>(dialog, "deviceList").setEditText(QStringLiteral("/dev/serial/by-id/usb-stb"));
        Find<QPushButton>(dialog, "setButton").click();
        return dialog.result();
    });
    EXPECT_TRUE(RunComSettingDialog(m_connection, &m_window));
    EXPECT_EQ(2u, m_connection.Settings().comport);
    EXPECT_EQ(6u, m_connection.Settings().bart);
    EXPECT_EQ("/dev/serial/by-id/usb-stb", m_connection.DevicePath(3));
    EXPECT_EQ("/dev/ttyUSB3", m_connection.DevicePath(4)) << "other ports keep their device";
}

// The choice starts at main software with pre-setting hidden; the toggles act as one group; Cancel keeps the choice.
TEST_F(LoaderDialogsTest, DownloadChoice) {
    struct Case {
        const char* toggle; // null: none clicked
        const char* button;
        int result, choice;
    };
    for (const Case& c : {Case{nullptr, "okButton", 1, 0}, Case{"channelButton", "okButton", 1, 1},
                          Case{"channelButton", "cancelButton", 0, 7}}) {
        int choice = 7;
        UserPrompts::ScriptAnswer([&c](QDialog& dialog) {
            EXPECT_TRUE(Find<QRadioButton>(dialog, "preSettingButton").isHidden());
            if (c.toggle)
                Find<QRadioButton>(dialog, c.toggle).click();
            EXPECT_EQ(!c.toggle, Find<QRadioButton>(dialog, "mainSoftwareButton").isChecked());
            Find<QPushButton>(dialog, c.button).click();
            return dialog.result();
        });
        EXPECT_EQ(c.result, m_ui.ChooseDownload(choice)) << c.toggle << c.button;
        EXPECT_EQ(c.choice, choice) << c.toggle << c.button;
    }
}

TEST_F(LoaderDialogsTest, FileChoicesKeepTheChosenPathAndABrokenChannelFileAsksUploadAnyway) {
    std::string path;
    const std::tuple<FileDialogKind, const char*, int, const char*> choices[] = {
        {FileDialogKind::Open, "/data/chan.bin", 1, "/data/chan.bin"},
        {FileDialogKind::SaveAs, "/data/received", 1, "/data/received.BIN"}, // the first extension of BIN/KEY
        {FileDialogKind::SaveAs, nullptr, 0, ""}};
    for (const auto& [kind, answer, result, chosen] : choices) {
        UserPrompts::ScriptAnswer(QString::fromLatin1(answer));
        EXPECT_EQ(result,
                  m_ui.ChooseFile({.kind = kind, .initialFolder = "/data/", .initialFileName = "/data/old.bin"}, path));
        EXPECT_EQ(chosen, path);
        const AskedPrompt asked = UserPrompts::TakeAsked().at(0);
        EXPECT_EQ(asked.kind, kind == FileDialogKind::Open ? PromptKind::OpenFile : PromptKind::SaveFile);
        EXPECT_EQ(QStringLiteral("BIN Files (*.bin);;Key Files (*.key);;ALL Files (*.*)"), asked.text);
    }
    EXPECT_EQ(QStringLiteral("/tmp.d/chan.BIN"), WithDefaultExtension(QStringLiteral("/tmp.d/chan"), "BIN/KEY"));
    EXPECT_EQ(QStringLiteral("/tmp/chan.bin"), WithDefaultExtension(QStringLiteral("/tmp/chan.bin"), "BIN/KEY"));

    ChannelDatabase db;
    StartLikeEditor(db);
    const ChannelRecord channel = db.Channel(0);
    channel.SetName("Broken");
    channel.SetServiceType(0);
    channel.SetPresence(TunerSide::First, 1);
    channel.SetTransponderLink(TunerSide::First, LinkWord().WithIndex(0x3FFF));
    QTemporaryDir folder;
    const std::string broken = folder.filePath(QStringLiteral("broken.bin")).toStdString();
    ASSERT_TRUE(ReplaceFile(broken, ChannelFileBytes(db)));

    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        UserPrompts::ScriptAnswer(QString::fromStdString(broken));
        UserPrompts::ScriptAnswer(answer);
        EXPECT_EQ(answer == QMessageBox::Yes ? 1 : 0, m_ui.ChooseFile({}, path));
        const QString question = UserPrompts::TakeAsked().at(1).text;
        EXPECT_TRUE(question.contains(QStringLiteral("channel 0 tuner 1 \"Broken\""))) << question.toStdString();
        EXPECT_TRUE(question.endsWith(QStringLiteral("Upload anyway?")));
    }
}

// The note window is created on first need and only shown and hidden afterwards.
TEST_F(LoaderDialogsTest, MessagesGoThroughTheMessageDialogTheProgramsBoxTheNoteWindowAndTheModalWait) {
    std::string shown;
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        shown = MessageText(dialog);
        return MessageDialog::kOk;
    });
    EXPECT_EQ(MessageButton::Ok, m_ui.ShowMessage("COM port searching OK!", MessageMode::Ok));
    EXPECT_EQ("COM port searching OK!", shown);
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    m_ui.ShowMessageBox("Can't use Comport #3");
    const AskedPrompt box = UserPrompts::TakeAsked().at(1);
    EXPECT_EQ(QStringLiteral("Vorlane: Can't use Comport #3"), box.title + ": " + box.text);

    EXPECT_EQ(nullptr, m_ui.NoteWindowIfAny());
    m_ui.HideNote();
    EXPECT_EQ(nullptr, m_ui.NoteWindowIfAny());
    m_ui.ShowNote("Now trying connect to STB. Please wait.");
    MessageDialog* note = m_ui.NoteWindowIfAny();
    ASSERT_NE(nullptr, note);
    EXPECT_TRUE(note->isVisible());
    EXPECT_FALSE(note->isModal());
    EXPECT_EQ(QStringLiteral("Now trying connect to STB. Please wait."), note->Text());
    EXPECT_EQ(-1, note->PlaceOf(Find<QPushButton>(*note, "okButton"))) << "no buttons";
    m_ui.HideNote();
    EXPECT_FALSE(note->isVisible());
    m_ui.ShowNote("Now writting the flash. Do NOT power off the STB.");
    EXPECT_EQ(note, m_ui.NoteWindowIfAny());
    EXPECT_TRUE(note->isVisible());
    m_ui.HideNote();

    // A modal wait ends with the result a delivery gives.
    QtOwnerDispatcher dispatcher;
    std::string waitText;
    bool modeless = false;
    UserPrompts::ScriptAnswer([&](QDialog& dialog) {
        waitText = MessageText(dialog);
        // The prompt check runs as a queued delivery while the dialog waits.
        std::thread watcher([&] { dispatcher.Post([&] { m_ui.EndModalWait(MessageButton::Ok); }); });
        watcher.join();
        modeless = !Find<QPushButton>(dialog, "okButton").isVisible();
        return dialog.exec();
    });
    EXPECT_EQ(MessageButton::Ok, m_ui.RunModalWait("Reset your STB(s)."));
    EXPECT_EQ("Reset your STB(s).", waitText);
    EXPECT_TRUE(modeless) << "the wait shows no button";

    m_ui.EndModalWait(MessageButton::Ok); // no wait runs: nothing to end, nothing shown
    EXPECT_FALSE(m_messages.isVisible());

    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); }); // the user closes it
        return dialog.exec();
    });
    EXPECT_EQ(MessageButton::Cancel, m_ui.RunModalWait("Reset your STB(s)."));
}

TEST_F(LoaderDialogsTest, ForceModeBoxAndCursors) {
    m_ui.SetConnection(&m_connection);
    EXPECT_FALSE(m_controls.ConnectStatusGroup().isHidden());
    EXPECT_TRUE(m_controls.SerialSettingGroup().isHidden());
    m_controls.ShowPortAndSpeed(4, 8);
    EXPECT_FALSE(m_ui.ReadForceModeBox());
    EXPECT_EQ(4u, m_connection.Settings().comport);
    EXPECT_EQ(8u, m_connection.Settings().bart);
    m_controls.ForceModeBox().setChecked(true);
    EXPECT_TRUE(m_ui.ReadForceModeBox());

    m_ui.ShowNotAllowedCursor();
    ASSERT_NE(nullptr, QGuiApplication::overrideCursor());
    EXPECT_EQ(Qt::ForbiddenCursor, QGuiApplication::overrideCursor()->shape());
    m_ui.ShowWaitCursor();
    EXPECT_EQ(Qt::WaitCursor, QGuiApplication::overrideCursor()->shape());
    m_ui.RestoreCursor();
    EXPECT_EQ(Qt::ForbiddenCursor, QGuiApplication::overrideCursor()->shape());
    m_ui.RestoreCursor();
    EXPECT_EQ(nullptr, QGuiApplication::overrideCursor());
    QGuiApplication::setOverrideCursor(Qt::BusyCursor); // someone else's
    m_ui.RestoreCursor();
    EXPECT_EQ(Qt::BusyCursor, QGuiApplication::overrideCursor()->shape());
    QGuiApplication::restoreOverrideCursor();
}

} // namespace
