#pragma once
// What the upload and download commands ask of the user interface beyond LoaderUi: the file dialogs, the
// download choice, the Force Mode box, the progress bar, the status line and the loader's buttons. The editor's
// view shows windows for them, vorlane-cli answers from its arguments and prints, tests record.

#include "loader/connection.h"
#include "loader/loader_ui.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

inline constexpr std::string_view kTransferFileFilter =
    "BIN Files (*.bin)|*.bin|Key Files (*.key)|*.key|ALL Files (*.*)|*.*||";
// The dialog adds the first three characters to a name typed without an extension.
inline constexpr std::string_view kTransferDefaultExtension = "BIN/KEY";

enum class FileDialogKind { Open, SaveAs };

// The platform's file dialog as the loader shows it: read-only option hidden, no question before an existing
// file is overwritten.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string_view filter = kTransferFileFilter;
    std::string_view defaultExtension = kTransferDefaultExtension;
    std::string initialFolder;
    std::string initialFileName;
};

// Colours as 0x00BBGGRR values.
inline constexpr std::uint32_t kProgressBarBlue = 0xFF0000;
inline constexpr std::uint32_t kProgressCaptionBlack = 0x000000;
inline constexpr std::uint32_t kProgressCaptionGreen = 0x00FF00;

// The progress bar: a range, a position and a caption drawn over it; in solid mode the whole bar is filled
// whatever the position.
struct ProgressBarState {
    int lower = 0;
    int upper = 100;
    int step = 1;
    std::uint32_t barColour = kProgressBarBlue;
    std::uint32_t captionColour = kProgressCaptionBlack;
    bool solid = false;
    int position = 0;
    std::string caption;

    bool operator==(const ProgressBarState&) const = default;
};

class TransferCommandsUi : public LoaderUi {
public:
    // Shows the file dialog; returns true with the full chosen path, false when cancelled.
    [[nodiscard]] virtual bool ChooseFile(const FileDialogRequest& request, std::string& path) = 0;
    // The download choice dialog ("Main Software" 0, "Channel" 1; "Pre-setting" 2 is hidden). `choice` comes in
    // as 0. Returns true when chosen, false when cancelled.
    [[nodiscard]] virtual bool ChooseDownload(int& choice) = 0;
    // Reads the form's controls back (port, speed) and tells whether the "Force Mode" box is checked.
    virtual bool ReadForceModeBox() = 0;

    virtual void ShowProgressBar(const ProgressBarState& bar) = 0;
    virtual void ShowStatusLine(const std::string& text) = 0;
    virtual void ShowControls(const ConnectionControls& controls) = 0;

    // The main window comes to the front before a final report.
    virtual void BringToFront() {}
    // Paints at once, so the note window shows during the blocking sends that follow.
    virtual void RepaintNow() {}
    virtual void ShowWaitCursor() {}
};

} // namespace vorlane
