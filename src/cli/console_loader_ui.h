#pragma once
// The loader's user interface in vorlane-cli: messages are printed as lines on standard output, questions are
// answered with OK (the command line runs unattended), and there is no cursor to change. Progress goes to
// standard error; the modal wait runs the command's event queue, so received bytes are handled meanwhile.

#include "loader/loader_ui.h"

#include <chrono>
#include <optional>

namespace vorlane {
class EventQueueDispatcher;
class LanguageTexts;
} // namespace vorlane

namespace vorlane::cli {

class ConsoleLoaderUi : public LoaderUi {
public:
    // Without texts, empty progress texts stay empty; without an event queue the modal wait gives up at once.
    explicit ConsoleLoaderUi(const LanguageTexts* texts = nullptr, EventQueueDispatcher* events = nullptr)
        : m_texts(texts), m_events(events) {}

    // How long the modal wait lasts before it counts as closed by the user; none waits without limit.
    void SetWaitLimit(std::optional<std::chrono::milliseconds> limit) { m_waitLimit = limit; }

    void ShowMessageBox(const std::string& text) override;
    int ShowMessage(const std::string& text, int mode) override;
    void ShowNotAllowedCursor() override {}
    void RestoreCursor() override {}

    void BeginProgress(int blocks, const std::string& path, const std::string& action) override;
    void ReportProgress(int value, const std::string& text, const UploadPosition& upload) override;
    void ShowNote(const std::string& text) override;
    int RunModalWait(const std::string& text) override;
    void EndModalWait(int result) override { m_waitResult = result; }

private:
    std::string TextOr(const std::string& text, int entry) const;

    const LanguageTexts* m_texts;
    EventQueueDispatcher* m_events;
    std::optional<std::chrono::milliseconds> m_waitLimit;
    std::optional<int> m_waitResult;
    int m_progressBlocks = 0;
    std::string m_lastNote;
};

} // namespace vorlane::cli
