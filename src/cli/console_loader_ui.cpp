#include "cli/console_loader_ui.h"

#include "loader/event_queue_dispatcher.h"
#include "loader/language_texts.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

constexpr int kButtonOk = 1;
constexpr int kWaitClosed = 2;
constexpr int kProgressCompleted = -1;
constexpr int kProgressError = -2;
constexpr int kProgressErasing = -3;
constexpr int kTextCompleted = 17;
constexpr int kTextErrorOccurred = 18;
// The modal wait looks for the end of the wait this often when no event arrives.
constexpr std::chrono::milliseconds kWaitSlice{100};

void PrintLine(std::FILE* out, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fputc('\n', out);
    std::fflush(out);
}

} // namespace

void ConsoleLoaderUi::ShowMessageBox(const std::string& text) {
    PrintLine(stdout, text);
}

int ConsoleLoaderUi::ShowMessage(const std::string& text, int mode) {
    PrintLine(stdout, text);
    return mode == 0 ? 0 : kButtonOk;
}

std::string ConsoleLoaderUi::TextOr(const std::string& text, int entry) const {
    return text.empty() && m_texts ? m_texts->GetText(entry) : text;
}

void ConsoleLoaderUi::BeginProgress(int blocks, const std::string& path, const std::string& action) {
    m_progressBlocks = blocks;
    PrintLine(stderr, action + " " + path);
}

void ConsoleLoaderUi::ReportProgress(int value, const std::string& text, const UploadPosition& upload) {
    if (value == kProgressCompleted) {
        PrintLine(stdout, TextOr(text, kTextCompleted));
        return;
    }
    if (value == kProgressError) {
        PrintLine(stdout, TextOr(text, kTextErrorOccurred));
        return;
    }
    std::string caption = text;
    if (value >= 0) {
        const int percent = m_progressBlocks > 0 ? value * 100 / m_progressBlocks : 100;
        caption = std::to_string(percent) + "%";
    }
    if (value >= 0 || value == kProgressErasing) {
        if (upload.uploading)
            caption += "  (" + std::to_string(upload.entryNumber) + "/" + std::to_string(upload.entryCount) + ")";
        PrintLine(stderr, caption);
    }
}

void ConsoleLoaderUi::ShowNote(const std::string& text) {
    if (text != m_lastNote)
        PrintLine(stderr, text);
    m_lastNote = text;
}

int ConsoleLoaderUi::RunModalWait(const std::string& text) {
    PrintLine(stdout, text);
    if (!m_events)
        return kWaitClosed;
    m_waitResult.reset();
    const auto deadline =
        m_waitLimit ? std::chrono::steady_clock::now() + *m_waitLimit : std::chrono::steady_clock::time_point::max();
    while (!m_waitResult && std::chrono::steady_clock::now() < deadline)
        m_events->RunUntil([this] { return m_waitResult.has_value(); }, kWaitSlice);
    return m_waitResult.value_or(kWaitClosed);
}

} // namespace vorlane::cli
