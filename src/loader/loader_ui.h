#pragma once
// What the loader asks of its user interface: message boxes, the not-allowed cursor, the transfer progress, the
// note window and the modal wait for the boot monitor. The editor shows real windows, the command-line loader
// prints the texts, tests record them.

#include "platform/message_choice.h"

#include <string>

namespace vorlane {

// Where an upload stands when progress is reported; the caption shows "  (entry/count)" while one runs.
struct UploadPosition {
    bool uploading = false; // an upload state is active
    int entryNumber = 0;    // the entry being sent, counted from 1
    int entryCount = 0;
};

// What a progress report tells: packets done so far, the end of the transfer, or the erasing of the flash.
enum class ProgressEvent { Packets, Completed, Error, Erasing };

struct ProgressStep {
    ProgressEvent event = ProgressEvent::Packets;
    int packets = 0; // packets done (0 or more); only with ProgressEvent::Packets
};

class LoaderUi {
public:
    virtual ~LoaderUi() = default;

    // The platform's standard message box with the program's title as caption and only an OK button.
    virtual void ShowMessageBox(const std::string& text) = 0;

    // The "Message" dialog; returns the button pressed (None for MessageMode::NoButton, which does not wait).
    virtual MessageButton ShowMessage(const std::string& text, MessageMode mode) = 0;

    // The slashed-circle cursor while the loader blocks the user-interface thread; restored when the work ends.
    virtual void ShowNotAllowedCursor() = 0;
    virtual void RestoreCursor() = 0;

    // A transfer of `blocks` packets of 1 KiB begins; `action` is "Uploading" or "Downloading".
    virtual void BeginProgress(int /*blocks*/, const std::string& /*path*/, const std::string& /*action*/) {}
    // Completed and error are modal: they wait for OK, and received bytes go on being handled meanwhile. An empty
    // text stands for the standard one.
    virtual void ReportProgress(const ProgressStep& /*step*/, const std::string& /*text*/,
                                const UploadPosition& /*upload*/) {}

    // The note window: one text without buttons (please-wait notes), shown until hidden.
    virtual void ShowNote(const std::string& /*text*/) {}
    virtual void HideNote() {}

    // Shows `text` without buttons and handles received bytes until EndModalWait ends the wait with its result,
    // or the user closes it (Cancel). A user interface that cannot wait gives up at once.
    virtual MessageButton RunModalWait(const std::string& /*text*/) { return MessageButton::Cancel; }
    virtual void EndModalWait(MessageButton /*result*/) {}
};

} // namespace vorlane
