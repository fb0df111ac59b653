#pragma once
// Where the bytes of a download go: the chosen file (TransferDownloadFile) or memory (MemoryDownloadSink, for
// reading back what was just uploaded). The download machine writes packets as they arrive and commits only a
// complete download.

#include "platform/bytes.h"

#include <string>

namespace vorlane {

class DownloadSink {
public:
    virtual ~DownloadSink() = default;

    // Opens the sink for a download meant for `path` (a download still open is discarded first); false when it
    // cannot be opened.
    [[nodiscard]] virtual bool Create(const std::string& path) = 0;
    virtual bool IsOpen() const = 0;
    // Appends the bytes; true when all were taken.
    [[nodiscard]] virtual bool Write(ConstByteSpan bytes) = 0;
    // Rebuilds the channel block header over the bytes taken; true on success or when they are too short to hold
    // a header (they then stay as received), false on failure.
    [[nodiscard]] virtual bool RebuildChannelHeader() = 0;
    // Makes the complete download the result; false when that failed, and then nothing is kept.
    [[nodiscard]] virtual bool Commit() = 0;
    // Drops an unfinished download; nothing when none is open.
    virtual void Discard() = 0;
};

} // namespace vorlane
