#include "platform/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace vorlane {
namespace {

// Traces come from the user-interface thread and from the serial watcher, so the sink is guarded.
std::mutex& SinkMutex() {
    static std::mutex m;
    return m;
}

TraceSink& InstalledSink() {
    static TraceSink sink;
    return sink;
}

bool EnvironmentWantsTrace() {
    static const bool wanted = std::getenv("VORLANE_TRACE") != nullptr;
    return wanted;
}

} // namespace

TraceSink SetTraceSink(TraceSink sink) {
    std::lock_guard lock(SinkMutex());
    TraceSink previous = std::move(InstalledSink());
    InstalledSink() = std::move(sink);
    return previous;
}

bool TraceEnabled() {
    std::lock_guard lock(SinkMutex());
    return InstalledSink() || EnvironmentWantsTrace();
}

TraceCapture::TraceCapture() {
    m_previous = SetTraceSink([this](std::string_view line) { m_text.append(line); });
}

TraceCapture::~TraceCapture() {
    SetTraceSink(std::move(m_previous));
}

} // namespace vorlane

void DebugOut(const char* format, ...) {
    using namespace vorlane;
    if (!TraceEnabled())
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

    std::lock_guard lock(SinkMutex());
    if (InstalledSink())
        InstalledSink()(std::string_view(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0));
    else
        std::fputs(text.data(), stderr);
}
