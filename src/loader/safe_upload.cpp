#include "loader/safe_upload.h"

#include "blockfile/file_bytes.h"
#include "blockfile/upload_classifier.h"
#include "loader/channel_image_compare.h"
#include "loader/owner_dispatcher.h"
#include "loader/receiver_backups.h"
#include "loader/transfer.h"
#include "loader/transfer_commands.h"
#include "loader/transfer_requests.h"

#include <ctime>
#include <filesystem>

namespace vorlane {
namespace {

// What the read-back download names as its file; it only ever goes to memory.
constexpr char kReadBackName[] = "receiver channel list";

} // namespace

bool IsChannelFileUpload(const std::string& fileName, ConstByteSpan contents) {
    BlockTable table;
    return ClassifyUploadFile(fileName, contents, table) && table.Count() == 1 &&
           table[0].EntryClass() == TransferClass::Channel;
}

SafeUpload::SafeUpload(TransferCommands& commands, Transfer& transfer, OwnerDispatcher& dispatcher,
                       const TextTranslator& texts, ReceiverAnswerWait wait)
    : m_commands(commands), m_transfer(transfer), m_dispatcher(dispatcher), m_texts(texts), m_wait(wait),
      m_self(std::make_shared<SafeUpload*>(this)) {}

SafeUpload::~SafeUpload() {
    if (Running()) {
        m_commands.SetTransferEndHandler({});
        m_transfer.SetDownloadSink(nullptr);
    }
    *m_self = nullptr;
}

bool SafeUpload::Start(const SafeUploadPlan& plan) {
    if (Running())
        return false;
    m_plan = plan;
    m_outcome = TransferOutcome::None;
    m_backupPath.clear();
    m_step = SafeUploadStep::Upload;
    if (!ReadFileBytes(plan.file, m_sent) || !IsChannelFileUpload(plan.file, m_sent)) {
        End(TransferOutcome::Failed,
            Translated(VORLANE_TRANSLATABLE("UploadSafety",
                                            "Back up and verify work with channel files only; nothing was uploaded.")));
        return false;
    }
    const std::weak_ptr<SafeUpload*> self = m_self;
    m_commands.SetTransferEndHandler([this, self](TransferOutcome outcome, const std::string& message) {
        // The transfer is still inside its own handling here: the next step starts after it.
        m_dispatcher.Post([self, outcome, message] {
            if (const auto alive = self.lock(); alive && *alive)
                (*alive)->OnTransferEnd(outcome, message);
        });
    });
    if (plan.backupFolder.empty())
        StartUpload();
    else
        StartBackup();
    return Running() ? 1 : 0;
}

void SafeUpload::StartBackup() {
    m_step = SafeUploadStep::Backup;
    std::error_code error;
    std::filesystem::create_directories(m_plan.backupFolder, error);
    if (error || !RequestChannelList(NewBackupPath(m_plan.backupFolder, std::time(nullptr))))
        AfterBackup(TransferOutcome::Failed,
                    error ? m_texts.Fill(kContext, VORLANE_TRANSLATABLE("UploadSafety", "can't create %1"),
                                         {m_plan.backupFolder})
                          : std::string());
}

void SafeUpload::StartUpload() {
    m_step = SafeUploadStep::Upload;
    m_transfer.SetDownloadSink(nullptr);
    if (!m_commands.UploadChosenFile(m_plan.file)) {
        // "Nothing was uploaded" must stay true: a monitor prompt that comes late may not send the file after all.
        if (!m_transfer.IsTransferRunning())
            m_transfer.FreeUploadEntries();
        End(TransferOutcome::Failed,
            Translated(VORLANE_TRANSLATABLE("UploadSafety", "The upload did not start; nothing was uploaded.")));
    }
}

void SafeUpload::StartVerify() {
    m_step = SafeUploadStep::Verify;
    m_transfer.SetDownloadSink(&m_readBack);
    if (!RequestChannelList(kReadBackName))
        AfterVerify(TransferOutcome::Failed, {});
}

bool SafeUpload::RequestChannelList(const std::string& path) {
    m_requestPath = path;
    m_requestedAt = std::chrono::steady_clock::now();
    m_requests = 1;
    return m_commands.StartDownload(kReceiveChannel, path);
}

void SafeUpload::CheckReceiverAnswer(std::chrono::steady_clock::time_point now) {
    // A Disconnect or a lost line while the upload waits for the receiver ends the transfer without a report;
    // without this the sequence would wait for ever and take a later download's end for the upload's.
    if (m_step == SafeUploadStep::Upload && !m_transfer.IsTransferRunning() &&
        m_commands.Outcome() == TransferOutcome::None) {
        End(TransferOutcome::Failed,
            Translated(VORLANE_TRANSLATABLE("UploadSafety", "The connection ended before the upload did.")));
        return;
    }
    const bool awaitingDownload = m_step == SafeUploadStep::Backup || m_step == SafeUploadStep::Verify;
    if (!awaitingDownload || !m_transfer.IsTransferIdle() || m_commands.Outcome() != TransferOutcome::None ||
        now - m_requestedAt < m_wait.interval)
        return;
    if (m_requests >= m_wait.attempts) {
        m_transfer.SetTransferIdle();
        OnTransferEnd(TransferOutcome::Failed,
                      Translated(VORLANE_TRANSLATABLE("UploadSafety", "the receiver did not answer")));
        return;
    }
    ++m_requests;
    m_requestedAt = now;
    // The unanswered request ends here, so the next one is a new transfer and not refused as a second one.
    m_transfer.SetTransferIdle();
    if (!m_commands.StartDownload(kReceiveChannel, m_requestPath))
        OnTransferEnd(TransferOutcome::Failed, {});
}

void SafeUpload::GiveUp(const std::string& reason) {
    if (!Running())
        return;
    m_transfer.SetTransferIdle();
    OnTransferEnd(TransferOutcome::Failed, reason);
}

void SafeUpload::OnTransferEnd(TransferOutcome outcome, const std::string& message) {
    switch (m_step) {
    case SafeUploadStep::Backup:
        AfterBackup(outcome, message);
        break;
    case SafeUploadStep::Upload:
        if (outcome == TransferOutcome::Completed && m_plan.verify)
            StartVerify();
        else
            End(outcome, message);
        break;
    case SafeUploadStep::Verify:
        AfterVerify(outcome, message);
        break;
    case SafeUploadStep::Idle:
        break;
    }
}

void SafeUpload::AfterBackup(TransferOutcome outcome, const std::string& message) {
    if (outcome != TransferOutcome::Completed) {
        EndFailed(VORLANE_TRANSLATABLE("UploadSafety",
                                       "The receiver's channel list could not be backed up; nothing was uploaded."),
                  VORLANE_TRANSLATABLE(
                      "UploadSafety", "The receiver's channel list could not be backed up (%1); nothing was uploaded."),
                  message);
        return;
    }
    m_backupPath = m_requestPath;
    PruneBackups(m_plan.backupFolder);
    StartUpload();
}

void SafeUpload::AfterVerify(TransferOutcome outcome, const std::string& message) {
    m_transfer.SetDownloadSink(nullptr);
    if (outcome != TransferOutcome::Completed) {
        EndFailed(
            VORLANE_TRANSLATABLE("UploadSafety",
                                 "The upload completed, but the channel list could not be read back to verify it."),
            VORLANE_TRANSLATABLE(
                "UploadSafety", "The upload completed, but the channel list could not be read back to verify it (%1)."),
            message);
        return;
    }
    const ChannelImageDifference difference = CompareChannelImages(m_sent, m_readBack.Bytes());
    if (difference.Equal())
        End(TransferOutcome::Completed, Translated(VORLANE_TRANSLATABLE("UploadSafety", "Completed and verified")));
    else
        End(TransferOutcome::Failed,
            m_texts.Fill(
                kContext,
                VORLANE_TRANSLATABLE("UploadSafety",
                                     "Verify failed: %1 between the uploaded file and the receiver's channel list."),
                {DescribeDifference(difference, m_texts)}));
}

void SafeUpload::End(TransferOutcome outcome, const std::string& message) {
    m_step = SafeUploadStep::Idle;
    m_outcome = outcome;
    m_transfer.SetDownloadSink(nullptr);
    m_commands.SetTransferEndHandler({});
    m_commands.ReportTransferEnd(outcome, message);
}

void SafeUpload::EndFailed(const char* plainPattern, const char* pattern, const std::string& detail) {
    End(TransferOutcome::Failed, detail.empty() ? Translated(plainPattern) : m_texts.Fill(kContext, pattern, {detail}));
}

} // namespace vorlane
