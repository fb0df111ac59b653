#include "shell/main_frame.h"

#include "database/channel_database.h"
#include "database/settings_record.h"
#include "importexport/database_files.h"
#include "platform/memory_settings_store.h"
#include "shell/frame_commands.h"
#include "shell/mirevo_view.h"
#include "shell/vorlane_application.h"

#include "../panes/scripted_prompts.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

namespace vorlane {
namespace {

using ui::Find;
using ui::UserPrompts;

class MainFrameTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        store.WriteProfileNumber("Display", "ColumnWidth", 300);
        frame = std::make_unique<CMainFrame>(database, store, QFont());
        frame->setSaveHandler([this] {
            ++saves;
            return saveResult;
        });
        frame->show();
    }
    void TearDown() override {
        database.setModified(false);
        frame.reset();
        ScriptedPrompts::TearDown();
    }

    // Closes with one scripted answer to the close question; returns whether the window closed.
    bool CloseAnswering(QMessageBox::StandardButton answer, bool viaExit) {
        UserPrompts::scriptAnswer(answer);
        if (viaExit)
            frame->commandAction(kCmdExit)->trigger();
        const bool closed = viaExit ? !frame->isVisible() : frame->close();
        const auto asked = UserPrompts::takeAsked();
        EXPECT_EQ(asked.size(), 1u);
        if (!asked.empty()) {
            EXPECT_EQ(asked[0].title, "Exit");
            EXPECT_EQ(asked[0].text, "Do you want to save the changes ?");
        }
        return closed;
    }

    ChannelDatabase database;
    MemorySettingsStore store;
    std::unique_ptr<CMainFrame> frame;
    int saves = 0;
    int saveResult = 1;
};

TEST_F(MainFrameTest, FirstUpdatePreparesTheDatabaseAndReadsTheEditorSettings) {
    ASSERT_TRUE(database.tablesAllocated());
    EXPECT_FALSE(database.satellite(63).isFree());
    EXPECT_EQ(database.receiverModel(), 0);
    EXPECT_FALSE(database.modified());
    EXPECT_EQ(HeldReceiverSettings(database).password_digits(), (std::array<std::uint8_t, 4>{8, 8, 8, 8}));
    EXPECT_EQ(frame->view().editorSettings().column_width(), 300);
    EXPECT_EQ(frame->view().languageTexts().GetText(12), "Now writting the flash. Do NOT power off the STB.");
}

// The close question, from the window or File > Exit: what each answer does to the window, the saves and the
// modified flag.
TEST_F(MainFrameTest, CloseQuestionAnswers) {
    EXPECT_TRUE(frame->close()); // without edits nothing is asked
    EXPECT_TRUE(UserPrompts::takeAsked().empty());
    struct Case {
        QMessageBox::StandardButton answer;
        int saveResult;
        bool closes;
        int saves;
        bool viaExit = false;
    };
    for (const Case& c : {Case{QMessageBox::Cancel, 1, false, 0}, Case{QMessageBox::Yes, 0, false, 1},
                          Case{QMessageBox::No, 1, true, 0}, Case{QMessageBox::Yes, 1, true, 1},
                          Case{QMessageBox::Cancel, 1, false, 0, true}, Case{QMessageBox::No, 1, true, 0, true}}) {
        frame->show();
        database.setModified(true);
        saves = 0;
        saveResult = c.saveResult;
        EXPECT_EQ(CloseAnswering(c.answer, c.viaExit), c.closes) << c.answer;
        EXPECT_EQ(frame->isVisible(), !c.closes) << c.answer;
        EXPECT_EQ(saves, c.saves) << c.answer;
        EXPECT_TRUE(c.closes || database.modified()) << c.answer;
    }
}

TEST_F(MainFrameTest, InformationShowsTheAboutBox) {
    QStringList lines;
    UserPrompts::scriptAnswer([&](QDialog& box) {
        for (const char* name : {"programLine", "versionLine", "updateLine"})
            lines << Find<QLabel>(box, name).text();
        Find<QPushButton>(box, "okButton").click();
        return box.result();
    });
    frame->commandAction(kCmdInformation)->trigger();
    EXPECT_EQ(lines, QStringList({"Vorlane", "version 2.3", "Update 2008.10.21"}));
    EXPECT_EQ(UserPrompts::takeAsked().size(), 1u);
}

using ApplicationTest = ui::ScriptedPrompts;

TEST_F(ApplicationTest, StartShowsTheFrameTitledVorlaneWithTheApplicationFont) {
    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    EXPECT_EQ(application.font().family(), "Arial");
    ASSERT_EQ(application.Start(), 1);
    CMainFrame& frame = application.frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Vorlane");
    EXPECT_EQ(frame.menuBar()->font().pixelSize(), 14);
    EXPECT_TRUE(application.database().tablesAllocated());
    EXPECT_TRUE(frame.close());
}

TEST_F(ApplicationTest, OpensTheFileNamedOnTheCommandLine) {
    QTemporaryDir folder;
    const std::string path = QFile::encodeName(folder.filePath(QStringLiteral("start.bin"))).toStdString();
    ChannelDatabase written;
    ASSERT_EQ(StartLikeEditor(written), 1);
    written.satellite(3).setName("Named at start");
    ASSERT_EQ(SaveDatabaseFile(written, path), 1);

    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    ASSERT_EQ(application.Start(), 1);
    application.OpenAtStart(QFile::decodeName(QByteArray::fromStdString(path)));
    EXPECT_EQ(application.database().currentPath(), path);
    EXPECT_EQ(application.database().satellite(3).name(), "Named at start");
    EXPECT_TRUE(ui::UserPrompts::takeAsked().empty());
}

} // namespace
} // namespace vorlane
