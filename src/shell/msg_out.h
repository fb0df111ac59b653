#pragma once
// MsgOut: a printf-style notice in a standard message box titled "Message" with an "OK" button, owned by the
// given window. The text is bounded: it is formatted into 256 characters (255 and the terminator) and a longer
// result is cut there, never written past the buffer. Its companion DebugOut lives in platform/trace.h.

#include <cstddef>

class QWidget;

namespace vorlane {

inline constexpr std::size_t kMsgOutBufferSize = 256;

} // namespace vorlane

void MsgOut(QWidget* owner, const char* format, ...) __attribute__((format(printf, 2, 3)));
