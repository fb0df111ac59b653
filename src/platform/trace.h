#pragma once
// The trace sink behind DebugOut. Traces are for developers only and are never shown to the user:
// silent unless VORLANE_TRACE is set (then written to stderr); tests may install a capturing sink.

#include <functional>
#include <string>
#include <string_view>

namespace vorlane {

using TraceSink = std::function<void(std::string_view line)>;

// Installs a sink (an empty one restores the environment-controlled default) and returns the previous one.
TraceSink SetTraceSink(TraceSink sink);

// True when a trace would go anywhere; lets hot paths skip formatting.
bool TraceEnabled();

// Captures every trace while it lives; restores the previous sink on destruction.
class TraceCapture {
public:
    TraceCapture();
    ~TraceCapture();
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    const std::string& Text() const { return m_text; }
    bool Contains(std::string_view needle) const { return m_text.find(needle) != std::string::npos; }
    void Clear() { m_text.clear(); }

private:
    std::string m_text;
    TraceSink m_previous;
};

} // namespace vorlane

// printf-style trace line; the texts carry their own line ends.
void DebugOut(const char* format, ...) __attribute__((format(printf, 1, 2)));
