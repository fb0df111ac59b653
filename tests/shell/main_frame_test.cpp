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
#include <QTemporaryDir>

namespace vorlane {
namespace {

using ui::Find;
using ui::UserPrompts;

class MainFrameTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        mStore.WriteProfileNumber("Display", "ColumnWidth", 300);
        m_frame = std::make_unique<CMainFrame>(m_database, mStore, QFont());
        m_frame->SetSaveHandler([this] {
            ++m_saves;
            return m_saveResult;
        });
        m_frame->show();
    }
    void TearDown() override {
        m_database.SetModified(false);
        m_frame.reset();
        ScriptedPrompts::TearDown();
    }

    // Closes with one scripted answer to the close question; returns whether the window closed.
    bool CloseAnswering(QMessageBox::StandardButton answer, bool viaExit) {
        UserPrompts::ScriptAnswer(answer);
        if (viaExit)
            m_frame->CommandAction(kCmdExit)->trigger();
        const bool closed = viaExit ? !m_frame->isVisible() : m_frame->close();
        const auto asked = UserPrompts::TakeAsked(); // an unscripted second question would fail the test
        EXPECT_EQ(asked.at(0).title + ": " + asked.at(0).text, "Exit: Do you want to save the changes ?");
        return closed;
    }

    ChannelDatabase m_database;
    MemorySettingsStore mStore;
    std::unique_ptr<CMainFrame> m_frame;
    int m_saves = 0;
    int m_saveResult = 1;
};

TEST_F(MainFrameTest, FirstUpdatePreparesTheDatabaseAndSettingsAndInformationShowsTheAboutBox) {
    ASSERT_TRUE(m_database.TablesAllocated());
    EXPECT_FALSE(m_database.Satellite(63).IsFree());
    EXPECT_EQ(m_database.ReceiverModel(), 0);
    EXPECT_FALSE(m_database.Modified());
    EXPECT_EQ(HeldReceiverSettings(m_database).password_digits(), (std::array<std::uint8_t, 4>{8, 8, 8, 8}));
    EXPECT_EQ(m_frame->View().CurrentEditorSettings().ColumnWidth(), 300);
    EXPECT_EQ(m_frame->View().CurrentLanguageTexts().GetText(12), "Now writting the flash. Do NOT power off the STB.");

    // Information shows the about box.
    QStringList lines;
    UserPrompts::ScriptAnswer([&](QDialog& box) {
        for (const char* name : {"programLine", "versionLine", "updateLine"})
            lines << Find<QLabel>(box, name).text();
        return int(QDialog::Accepted);
    });
    m_frame->CommandAction(kCmdInformation)->trigger();
    EXPECT_EQ(lines, QStringList({"Vorlane", "version 2.3", "Update 2008.10.21"}));
}

// The close question, from the window or File > Exit: each answer's effect on the window, saves and modified flag.
TEST_F(MainFrameTest, CloseQuestionAnswers) {
    EXPECT_TRUE(m_frame->close()); // without edits nothing is asked
    EXPECT_TRUE(UserPrompts::TakeAsked().empty());
    struct Case {
        QMessageBox::StandardButton answer;
        int m_saveResult;
        bool closes;
        int saves;
        bool viaExit = false;
    };
    for (const Case& c : {Case{QMessageBox::Cancel, 1, false, 0}, Case{QMessageBox::Yes, 0, false, 1},
                          Case{QMessageBox::No, 1, true, 0}, Case{QMessageBox::Yes, 1, true, 1},
                          Case{QMessageBox::Cancel, 1, false, 0, true}, Case{QMessageBox::No, 1, true, 0, true}}) {
        m_frame->show();
        m_database.SetModified(true);
        m_saves = 0;
        m_saveResult = c.m_saveResult;
        EXPECT_EQ(CloseAnswering(c.answer, c.viaExit), c.closes) << c.answer;
        EXPECT_EQ(m_frame->isVisible(), !c.closes) << c.answer;
        EXPECT_EQ(m_saves, c.saves) << c.answer;
        EXPECT_TRUE(c.closes || m_database.Modified()) << c.answer;
    }
}

using ApplicationTest = ui::ScriptedPrompts;

TEST_F(ApplicationTest, StartShowsTheFrameAndOpensTheFileNamedOnTheCommandLine) {
    QTemporaryDir folder;
    const std::string path = QFile::encodeName(folder.filePath(QStringLiteral("start.bin"))).toStdString();
    ChannelDatabase written;
    ASSERT_TRUE(StartLikeEditor(written));
    written.Satellite(3).SetName("Named at start");
    ASSERT_EQ(SaveDatabaseFile(written, path), 1);

    VorlaneApplication application(std::make_unique<MemorySettingsStore>());
    EXPECT_EQ(application.Font().family(), "Arial");
    ASSERT_TRUE(application.Start());
    CMainFrame& frame = application.Frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Vorlane");
    EXPECT_EQ(frame.menuBar()->font().pixelSize(), 14);
    EXPECT_TRUE(application.Database().TablesAllocated());
    application.OpenAtStart(QFile::decodeName(QByteArray::fromStdString(path)));
    EXPECT_EQ(application.Database().CurrentPath(), path);
    EXPECT_EQ(application.Database().Satellite(3).Name(), "Named at start");
    EXPECT_TRUE(ui::UserPrompts::TakeAsked().empty());
    EXPECT_TRUE(frame.close());
}

} // namespace
} // namespace vorlane
