#pragma once
// A channel-file upload with a safety net: the receiver's channel list is first downloaded into a backup, then
// the file is uploaded, then the list is downloaded again into memory and compared with what was sent. Each
// step is an ordinary transfer of TransferCommands; the steps' own reports are held back and the sequence
// reports once, at its end ("Completed and verified", or what went wrong). A failed backup ends the sequence
// before anything is uploaded.

#include "loader/memory_download_sink.h"
#include "loader/transfer_commands_progress.h"
#include "platform/text_translator.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vorlane {

class OwnerDispatcher;
class Transfer;
class TransferCommands;

struct SafeUploadPlan {
    std::string file;         // the channel file to upload
    std::string backupFolder; // where the receiver's list is backed up first; empty: no backup
    bool verify = false;      // read the list back and compare it with the file
};

// A receiver may stay silent for a while after a transfer (it writes its flash, restarts): a download request
// that found no answer within `interval` is sent again, at most `attempts` times in all.
struct ReceiverAnswerWait {
    std::chrono::milliseconds interval{2000};
    int attempts = 15;
};

enum class SafeUploadStep { Idle, Backup, Upload, Verify };

// True when the bytes of the file named `fileName` are uploaded as one channel block.
bool IsChannelFileUpload(const std::string& fileName, ConstByteSpan contents);

class SafeUpload {
public:
    // All must outlive the sequence; `transfer` is the one `commands` drives. The final reports are put into the
    // language of `texts` (context "UploadSafety").
    SafeUpload(TransferCommands& commands, Transfer& transfer, OwnerDispatcher& dispatcher,
               const TextTranslator& texts = EnglishTexts(), ReceiverAnswerWait wait = {});
    ~SafeUpload();
    SafeUpload(const SafeUpload&) = delete;
    SafeUpload& operator=(const SafeUpload&) = delete;

    // Starts the first step. True when it runs; false when the sequence ended at once (its report was shown) or
    // another one still runs.
    [[nodiscard]] bool Start(const SafeUploadPlan& plan);
    // Called now and then while a step runs: asks a receiver that has not answered a download request again,
    // and gives up after the last attempt.
    void CheckReceiverAnswer(std::chrono::steady_clock::time_point now);

    // Ends a running sequence whose wait was cut short from outside (silence, a lost line, an interrupt), with
    // the report its current step gives for a failed transfer: a finished upload is still said to be finished.
    void GiveUp(const std::string& reason);

    SafeUploadStep Step() const { return m_step; }
    bool Running() const { return m_step != SafeUploadStep::Idle; }
    // How the last sequence ended; None while it runs.
    TransferOutcome Outcome() const { return m_outcome; }
    // The backup the last sequence made; empty when it made none.
    const std::string& BackupPath() const { return m_backupPath; }

private:
    void StartBackup();
    void StartUpload();
    void StartVerify();
    // Asks the receiver for its channel list into the current download sink.
    [[nodiscard]] bool RequestChannelList(const std::string& path);
    void OnTransferEnd(TransferOutcome outcome, const std::string& message);
    void AfterBackup(TransferOutcome outcome, const std::string& message);
    void AfterVerify(TransferOutcome outcome, const std::string& message);
    void End(TransferOutcome outcome, const std::string& message);
    // End with the translated `pattern`, %1 filled with `detail`; `plainPattern` when there is no detail.
    void EndFailed(const char* plainPattern, const char* pattern, const std::string& detail);
    std::string Translated(const char* text) const { return m_texts.Translate(kContext, text); }

    static constexpr const char* kContext = "UploadSafety";

    TransferCommands& m_commands;
    Transfer& m_transfer;
    OwnerDispatcher& m_dispatcher;
    const TextTranslator& m_texts;
    ReceiverAnswerWait m_wait;
    // Ends held back by the sequence are handled after the transfer's own handling; a sequence destroyed
    // meanwhile lets them go.
    std::shared_ptr<SafeUpload*> m_self;

    SafeUploadPlan m_plan;
    SafeUploadStep m_step = SafeUploadStep::Idle;
    TransferOutcome m_outcome = TransferOutcome::None;
    std::vector<std::uint8_t> m_sent;
    std::string m_backupPath;
    std::string m_requestPath;
    MemoryDownloadSink m_readBack;
    std::chrono::steady_clock::time_point m_requestedAt;
    int m_requests = 0;
};

} // namespace vorlane
