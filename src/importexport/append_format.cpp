#include "importexport/append_format.h"

#include <cstdarg>
#include <cstdio>

namespace vorlane {

void AppendFormat(std::string& out, const char* format, ...) {
    // Rows are a few hundred characters; one pass into spare room is the usual case.
    constexpr std::size_t kFirstTry = 512;
    const std::size_t start = out.size();
    out.resize(start + kFirstTry);

    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(out.data() + start, kFirstTry, format, args);
    va_end(args);
    if (length < 0) {
        out.resize(start);
    } else if (static_cast<std::size_t>(length) < kFirstTry) {
        out.resize(start + static_cast<std::size_t>(length));
    } else {
        out.resize(start + static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data() + start, static_cast<std::size_t>(length) + 1, format, again);
        out.resize(start + static_cast<std::size_t>(length));
    }
    va_end(again);
}

} // namespace vorlane
