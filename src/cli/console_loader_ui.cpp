#include "cli/console_loader_ui.h"

#include "cli/interrupt.h"
#include "loader/event_queue_dispatcher.h"
#include "loader/transfer_commands.h"

#include <unistd.h>

namespace vorlane::cli {
namespace {

// The modal wait looks for its end and for Ctrl+C this often when no event arrives.
constexpr std::chrono::milliseconds kWaitSlice{100};
// Erases the rest of the terminal line after a caption written in place.
constexpr char kEraseToLineEnd[] = "\x1b[K";

std::string WithoutLeadingBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

ConsoleLoaderUi::ConsoleLoaderUi(EventQueueDispatcher* events)
    : m_events(events), m_progressInPlace(::isatty(STDERR_FILENO) == 1) {}

ConsoleLoaderUi::~ConsoleLoaderUi() {
    FlushStatus();
}

void ConsoleLoaderUi::EndCaptionLine() {
    if (!m_captionOpen)
        return;
    std::fputc('\n', stderr);
    std::fflush(stderr);
    m_captionOpen = false;
}

void ConsoleLoaderUi::FlushStatus() {
    if (m_pendingStatus.empty())
        return;
    EndCaptionLine();
    std::fprintf(stderr, "%s\n", m_pendingStatus.c_str());
    std::fflush(stderr);
    m_pendingStatus.clear();
}

void ConsoleLoaderUi::PrintLine(std::FILE* out, const std::string& text) {
    // The status line of a completed transfer repeats the message that follows it.
    if (m_pendingStatus == text)
        m_pendingStatus.clear();
    FlushStatus();
    EndCaptionLine();
    std::fwrite(text.data(), 1, text.size(), out);
    std::fputc('\n', out);
    std::fflush(out);
}

void ConsoleLoaderUi::ShowMessageBox(const std::string& text) {
    PrintLine(stdout, text);
}

MessageButton ConsoleLoaderUi::ShowMessage(const std::string& text, MessageMode mode) {
    PrintLine(stdout, text);
    return mode == MessageMode::NoButton ? MessageButton::None : MessageButton::Ok;
}

void ConsoleLoaderUi::BeginProgress(int blocks, const std::string& path, const std::string& action) {
    if (m_commands)
        m_commands->BeginProgress(blocks, path, action);
}

void ConsoleLoaderUi::ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) {
    if (m_commands)
        m_commands->ReportProgress(step, text, upload);
}

void ConsoleLoaderUi::ShowNote(const std::string& text) {
    if (text != m_lastNote)
        PrintLine(stderr, text);
    m_lastNote = text;
}

MessageButton ConsoleLoaderUi::RunModalWait(const std::string& text) {
    PrintLine(stdout, text);
    if (!m_events)
        return MessageButton::Cancel;
    m_waitResult.reset();
    const auto deadline =
        m_waitLimit ? std::chrono::steady_clock::now() + *m_waitLimit : std::chrono::steady_clock::time_point::max();
    while (!m_waitResult && !Interrupted() && std::chrono::steady_clock::now() < deadline)
        m_events->RunUntil([this] { return m_waitResult.has_value(); }, kWaitSlice);
    return m_waitResult.value_or(MessageButton::Cancel);
}

bool ConsoleLoaderUi::ChooseFile(const FileDialogRequest& request, std::string& path) {
    path = request.kind == m_chosenFileKind ? m_chosenFile : std::string();
    return !path.empty();
}

bool ConsoleLoaderUi::ChooseDownload(int& choice) {
    choice = m_downloadChoice;
    return true;
}

// Only a changed caption is shown: a plain line each, or rewritten in place on a terminal.
void ConsoleLoaderUi::ShowProgressBar(const ProgressBarState& bar) {
    if (bar.caption.empty() || bar.caption == m_lastCaption)
        return;
    m_lastCaption = bar.caption;
    FlushStatus();
    if (!m_progressInPlace) {
        PrintLine(stderr, bar.caption);
        return;
    }
    std::fputc('\r', stderr);
    std::fwrite(bar.caption.data(), 1, bar.caption.size(), stderr);
    std::fputs(kEraseToLineEnd, stderr);
    std::fflush(stderr);
    m_captionOpen = true;
}

// A status is printed when something else follows, so that one the final message repeats can be left out.
void ConsoleLoaderUi::ShowStatusLine(const std::string& text) {
    // The status line begins with a blank lead text that a printed line does without.
    const std::string status = WithoutLeadingBlanks(text);
    if (status.empty() || status == m_lastStatus)
        return;
    FlushStatus();
    m_lastStatus = status;
    m_pendingStatus = status;
}

} // namespace vorlane::cli
