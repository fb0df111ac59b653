#pragma once
// A main frame over its own database and settings store, every prompt scripted, files in a temporary folder.

#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/frame_commands.h"
#include "shell/main_frame.h"
#include "shell/message_dialog.h"
#include "support/sample_database.h"

#include "../panes/scripted_prompts.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vorlane::testing {

using Bytes = std::vector<std::uint8_t>;

inline QString Example(const char* name) {
    return QStringLiteral(VORLANE_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

inline Bytes ReadBytes(const QString& path) {
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return Bytes(bytes.begin(), bytes.end());
}

// Everything an Open or a save may change in the database, to show that a refused one changed nothing.
struct DatabaseSnapshot {
    explicit DatabaseSnapshot(const ChannelDatabase& db)
        : satellites(db.SatelliteBuffer().begin(), db.SatelliteBuffer().end()),
          channels(db.ChannelBuffer().begin(), db.ChannelBuffer().end()),
          settings(db.HeldSettings().begin(), db.HeldSettings().end()), fileBuffer(db.FileBuffer()),
          path(db.CurrentPath()), modified(db.Modified()), model(db.ReceiverModel()) {}
    bool operator==(const DatabaseSnapshot&) const = default;

    Bytes satellites, channels, settings, fileBuffer;
    std::string path;
    bool modified;
    int model;
};

class FrameTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        ASSERT_TRUE(mFolder.isValid());
        m_frame = std::make_unique<CMainFrame>(m_database, mStore, QFont());
        m_frame->show();
    }
    void TearDown() override {
        m_database.SetModified(false);
        m_frame.reset();
        ScriptedPrompts::TearDown();
    }

    QString FilePath(const char* name) const { return mFolder.filePath(QString::fromLatin1(name)); }
    // A channel file of a generated database with channels on both tuners, written into the folder.
    QString WriteSampleChannelFile(const char* name) {
        ChannelDatabase sample;
        SampleOptions options;
        options.everyChannelOnBothTuners = false;
        EXPECT_GT(MakeSampleDatabase(sample, options), 0);
        EXPECT_EQ(1, SaveDatabaseFile(sample, QFile::encodeName(FilePath(name)).toStdString()));
        return FilePath(name);
    }
    // Scripts the answers in order, runs the command and returns the texts of what was asked.
    QStringList Run(int command, const std::vector<ui::UserPrompts::Answer>& answers) {
        for (const ui::UserPrompts::Answer& answer : answers)
            ui::UserPrompts::ScriptAnswer(answer);
        m_frame->OnCommand(command);
        return AskedTexts();
    }
    // Runs Open with `path` chosen (empty: cancelled).
    QStringList Open(const QString& path) { return Run(kCmdOpen, {path}); }

    // Save as the user runs it: "Are you sure Save?" answered OK, `chosen` picked when a file is asked for (null:
    // none is asked), "Complete to write file." acknowledged.
    void Save(const QString& chosen = QString()) {
        AnswerMessage(ui::MessageDialog::kOk);
        if (!chosen.isNull())
            ui::UserPrompts::ScriptAnswer(chosen);
        ui::UserPrompts::ScriptAnswer(QMessageBox::Ok);
        m_frame->OnCommand(kCmdSave);
    }
    // Scripts the "Message" dialog's next answer and records its text and mode.
    void AnswerMessage(int result) {
        ui::UserPrompts::ScriptAnswer([this, result](QDialog& dialog) {
            m_messageTexts << static_cast<ui::MessageDialog&>(dialog).Text();
            const auto shown = [&dialog](const char* button) {
                return !ui::Find<QPushButton>(dialog, button).isHidden();
            };
            m_messageModes.push_back(shown("exitButton") ? 3 : shown("cancelButton") ? 2 : shown("okButton") ? 1 : 0);
            return result;
        });
    }
    // The texts and modes AnswerMessage recorded since the last call.
    std::pair<QStringList, std::vector<int>> TakeMessages() {
        return {std::exchange(m_messageTexts, {}), std::exchange(m_messageModes, {})};
    }
    // Takes what was asked and returns the texts (message, or file filter of a file choice).
    QStringList AskedTexts() { return TextsOf(ui::UserPrompts::TakeAsked()); }
    static QStringList TextsOf(const std::vector<ui::AskedPrompt>& asked) {
        QStringList texts;
        for (const ui::AskedPrompt& prompt : asked)
            texts << prompt.text;
        return texts;
    }

    QTemporaryDir mFolder;
    ChannelDatabase m_database;
    MemorySettingsStore mStore;
    std::unique_ptr<CMainFrame> m_frame;
    QStringList m_messageTexts; // texts shown by AnswerMessage answers, in order
    std::vector<int> m_messageModes;
};

} // namespace vorlane::testing
