#pragma once
// A main frame over its own database and settings store, with every prompt scripted, and files in a temporary
// folder: the common ground of the frame's command tests.

#include "database/channel_database.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "shell/main_frame.h"
#include "shell/message_dialog.h"

#include "../panes/scripted_prompts.h"

#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <string>
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

Bytes ReadBytes(const QString& path);
void WriteBytes(const QString& path, const Bytes& bytes);

// Everything an Open or a save may change in the database, to show that a refused one changed nothing.
struct DatabaseSnapshot {
    explicit DatabaseSnapshot(const ChannelDatabase& db);
    bool operator==(const DatabaseSnapshot&) const = default;

    Bytes satellites, channels, settings, fileBuffer;
    std::string path;
    bool modified;
    int model;
};

class FrameTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override;
    void TearDown() override;

    QString FilePath(const char* name) const { return mFolder.filePath(QString::fromLatin1(name)); }
    // A channel file of a generated database with channels on both tuners, written into the folder.
    QString WriteSampleChannelFile(const char* name);
    // Runs Open with `path` chosen (empty: cancelled) and returns the texts of what was asked.
    QStringList Open(const QString& path);

    // Save as the user runs it: "Are you sure Save?" answered OK, `chosen` picked when a file is asked for (null:
    // none is asked), "Complete to write file." acknowledged.
    void Save(const QString& chosen = QString());
    // Scripts the "Message" dialog's next answer and records its text and mode.
    void AnswerMessage(int result);
    // Takes what was asked and returns the texts (message, or file filter of a file choice).
    QStringList AskedTexts() { return TextsOf(ui::UserPrompts::TakeAsked()); }
    static QStringList TextsOf(const std::vector<ui::AskedPrompt>& asked);

    QTemporaryDir mFolder;
    ChannelDatabase m_database;
    MemorySettingsStore mStore;
    std::unique_ptr<CMainFrame> m_frame;
    QStringList m_messageTexts; // texts shown by AnswerMessage answers, in order
    std::vector<int> m_messageModes;
};

} // namespace vorlane::testing
