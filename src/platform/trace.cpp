#include "platform/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace vorlane {
namespace {

// Traces come from the user-interface thread and from the serial watcher, so the sink is guarded.
std::mutex& sinkMutex() {
    static std::mutex m;
    return m;
}

TraceSink& installedSink() {
    static TraceSink sink;
    return sink;
}

bool environmentWantsTrace() {
    static const bool wanted = std::getenv("VORLANE_TRACE") != nullptr;
    return wanted;
}

} // namespace

TraceSink setTraceSink(TraceSink sink) {
    std::lock_guard lock(sinkMutex());
    TraceSink previous = std::move(installedSink());
    installedSink() = std::move(sink);
    return previous;
}

bool traceEnabled() {
    std::lock_guard lock(sinkMutex());
    return installedSink() || environmentWantsTrace();
}

TraceCapture::TraceCapture() {
    m_previous = setTraceSink([this](std::string_view line) { m_text.append(line); });
}

TraceCapture::~TraceCapture() {
    setTraceSink(std::move(m_previous));
}

} // namespace vorlane

void DebugOut(const char* format, ...) {
    using namespace vorlane;
    if (!traceEnabled())
        return;

    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::vector<char> text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);

    std::lock_guard lock(sinkMutex());
    if (installedSink())
        installedSink()(std::string_view(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0));
    else
        std::fputs(text.data(), stderr);
}
