#include "shell/receiver_safety_flow.h"

#include "blockfile/file_bytes.h"
#include "loader/receiver_backups.h"
#include "loader/serial_port.h"
#include "loader/transfer_commands.h"
#include "platform/qt/qt_text_translator.h"
#include "platform/settings_store.h"
#include "shell/restore_backup_dialog.h"
#include "shell/upload_safety_dialog.h"

#include <QFileInfo>

namespace vorlane {
namespace {

constexpr int kAnswerCheckMs = 250;

} // namespace

ReceiverSafetyFlow::ReceiverSafetyFlow(QWidget& view, SettingsStore& store, TransferCommandsUi& ui,
                                       TransferCommands& commands, Transfer& transfer, OwnerDispatcher& dispatcher,
                                       const SerialPort& port)
    : m_view(view), mStore(store), m_ui(ui), m_commands(commands), m_port(port),
      m_sequence(commands, transfer, dispatcher, QtLatin1Texts()) {
    m_answerCheck.setInterval(kAnswerCheckMs);
    QObject::connect(&m_answerCheck, &QTimer::timeout, &m_answerCheck, [this] {
        if (m_sequence.Running())
            m_sequence.CheckReceiverAnswer(std::chrono::steady_clock::now());
        else
            m_answerCheck.stop();
        if (m_afterCheck)
            m_afterCheck();
    });
}

bool ReceiverSafetyFlow::OnUploadStb() {
    std::string path;
    if (m_sequence.Running() || !m_commands.ChooseUploadFile(path))
        return false;
    std::vector<std::uint8_t> contents;
    if (!ReadFileBytes(path, contents) || !IsChannelFileUpload(path, contents))
        return m_commands.UploadChosenFile(path);

    // A forced upload is for a receiver whose running software cannot be asked for its list.
    const bool backupOffered = !m_ui.ReadForceModeBox();
    ui::UploadSafetyChoice choice;
    choice.backUpFirst = mStore.ReadProfileNumber(kBackupSection, kBackUpFirstEntry, 1) != 0;
    const QString fileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
    if (!ui::ChooseUploadSafety(&m_view, fileName, backupOffered, choice))
        return false;
    if (backupOffered)
        mStore.WriteProfileNumber(kBackupSection, kBackUpFirstEntry, choice.backUpFirst ? 1 : 0);
    if (!choice.backUpFirst && !choice.verify)
        return m_commands.UploadChosenFile(path);
    return RunSequence({path, choice.backUpFirst ? DefaultBackupFolder() : std::string(), choice.verify});
}

bool ReceiverSafetyFlow::OnRestoreBackup() {
    std::string path;
    if (!m_port.IsOpen() || m_sequence.Running() || !ui::ChooseReceiverBackup(&m_view, DefaultBackupFolder(), path))
        return false;
    return RunSequence({path, {}, true});
}

bool ReceiverSafetyFlow::RunSequence(const SafeUploadPlan& plan) {
    const bool started = m_sequence.Start(plan);
    if (started)
        m_answerCheck.start();
    return started;
}

} // namespace vorlane
