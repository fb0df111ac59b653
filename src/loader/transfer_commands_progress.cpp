#include "loader/transfer_commands_progress.h"

#include "loader/language_texts.h"
#include "loader/serial_port.h"
#include "loader/transfer_texts.h"
#include "platform/trace.h"

#include <cstdint>
#include <cstdio>

namespace vorlane {

std::string UploadPositionCaption(const UploadPosition& upload) {
    if (!upload.uploading)
        return {};
    char caption[32];
    std::snprintf(caption, sizeof caption, "  (%d/%d)", upload.entryNumber, upload.entryCount);
    return caption;
}

int ProgressPercent(int value, int lower, int upper) {
    if (upper == lower)
        return 100;
    return static_cast<int>((static_cast<std::int64_t>(value) - lower) * 100 /
                            (static_cast<std::int64_t>(upper) - lower));
}

void TransferProgress::Begin(int blocks, const std::string& /*path*/, const std::string& action) {
    m_ui.ShowStatusLine(m_texts.GetText(transfer_text::kStatusLead) + "  " + action);
    m_bar.lower = 0;
    m_bar.upper = blocks;
    m_bar.step = 1;
    m_bar.barColour = kProgressBarBlue;
    m_bar.captionColour = kProgressCaptionBlack;
    m_bar.solid = true;
    m_bar.position = 0;
    m_ui.ShowProgressBar(m_bar);
}

void TransferProgress::Report(const ProgressStep& step, const std::string& text, const UploadPosition& upload) {
    if (step.event == ProgressEvent::Completed) {
        m_ui.BringToFront();
        const std::string message = text.empty() ? m_texts.GetText(transfer_text::kCompleted) : text;
        m_ui.ShowStatusLine(m_texts.GetText(transfer_text::kStatusLead) + "  " + message);
        m_ui.HideNote();
        Finish(TransferOutcome::Completed, message);
        return;
    }
    if (step.event == ProgressEvent::Error) {
        m_ui.BringToFront();
        Finish(TransferOutcome::Failed, text.empty() ? m_texts.GetText(transfer_text::kErrorOccurred) : text);
        return;
    }
    if (step.event == ProgressEvent::Erasing) {
        DebugOut("=====>\n");
        m_bar.caption = text + UploadPositionCaption(upload);
        m_bar.solid = true;
        m_bar.captionColour = kProgressCaptionGreen;
        m_bar.position = m_bar.upper;
        m_ui.ShowProgressBar(m_bar);
        return;
    }
    if (step.packets < 0)
        return;
    char percent[16];
    std::snprintf(percent, sizeof percent, "%d%%", ProgressPercent(step.packets, m_bar.lower, m_bar.upper));
    m_bar.caption = percent + UploadPositionCaption(upload);
    m_bar.solid = false;
    m_bar.captionColour = kProgressCaptionBlack;
    m_bar.position = step.packets;
    m_ui.ShowProgressBar(m_bar);
}

// The outcome is known before the modal report, which handles received bytes while it waits.
void TransferProgress::Finish(TransferOutcome outcome, const std::string& message) {
    m_outcome = outcome;
    if (m_endHandler) {
        m_endHandler(outcome, message);
        return;
    }
    m_ui.ShowMessage(message, MessageMode::Ok);
    if (m_port.IsOpen())
        m_ui.ShowControls(ConnectionControlsFor(true));
}

} // namespace vorlane
