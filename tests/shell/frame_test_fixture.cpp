#include "frame_test_fixture.h"

#include "importexport/database_files.h"
#include "shell/frame_commands.h"
#include "support/sample_database.h"

#include <QFile>
#include <QPushButton>

namespace vorlane::testing {

Bytes ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return Bytes(bytes.begin(), bytes.end());
}

void WriteBytes(const QString& path, const Bytes& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

DatabaseSnapshot::DatabaseSnapshot(const ChannelDatabase& db)
    : satellites(db.SatelliteBuffer().begin(), db.SatelliteBuffer().end()),
      channels(db.ChannelBuffer().begin(), db.ChannelBuffer().end()),
      settings(db.HeldSettings().begin(), db.HeldSettings().end()), fileBuffer(db.FileBuffer()), path(db.CurrentPath()),
      modified(db.Modified()), model(db.ReceiverModel()) {}

void FrameTest::SetUp() {
    ScriptedPrompts::SetUp();
    ASSERT_TRUE(mFolder.isValid());
    m_frame = std::make_unique<CMainFrame>(m_database, mStore, QFont());
    m_frame->show();
}

void FrameTest::TearDown() {
    m_database.SetModified(false);
    m_frame.reset();
    ScriptedPrompts::TearDown();
}

QString FrameTest::WriteSampleChannelFile(const char* name) {
    ChannelDatabase sample;
    SampleOptions options;
    options.everyChannelOnBothTuners = false;
    EXPECT_GT(MakeSampleDatabase(sample, options), 0);
    const QString path = FilePath(name);
    EXPECT_EQ(1, SaveDatabaseFile(sample, QFile::encodeName(path).toStdString()));
    return path;
}

QStringList FrameTest::Open(const QString& path) {
    ui::UserPrompts::ScriptAnswer(path);
    m_frame->OnCommand(kCmdOpen);
    return AskedTexts();
}

void FrameTest::Save(const QString& chosen) {
    AnswerMessage(ui::MessageDialog::kOk);
    if (!chosen.isNull())
        ui::UserPrompts::ScriptAnswer(chosen);
    ui::UserPrompts::ScriptAnswer(QMessageBox::Ok);
    m_frame->OnCommand(kCmdSave);
}

void FrameTest::AnswerMessage(int result) {
    ui::UserPrompts::ScriptAnswer([this, result](QDialog& dialog) {
        auto& message = static_cast<ui::MessageDialog&>(dialog);
        m_messageTexts << message.Text();
        const bool ok = !ui::Find<QPushButton>(dialog, "okButton").isHidden();
        const bool cancel = !ui::Find<QPushButton>(dialog, "cancelButton").isHidden();
        const bool exit = !ui::Find<QPushButton>(dialog, "exitButton").isHidden();
        m_messageModes.push_back(exit ? 3 : cancel ? 2 : ok ? 1 : 0);
        return result;
    });
}

QStringList FrameTest::TextsOf(const std::vector<ui::AskedPrompt>& asked) {
    QStringList texts;
    for (const ui::AskedPrompt& prompt : asked)
        texts << prompt.text;
    return texts;
}

} // namespace vorlane::testing
