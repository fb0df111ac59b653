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

    // Opens the sink for a download meant for `path` (a download still open is discarded first). Returns 1 on
    // success, 0 when it cannot be opened.
    virtual int Create(const std::string& path) = 0;
    virtual bool IsOpen() const = 0;
    // Appends the bytes; returns 1 when all were taken.
    virtual int Write(ConstByteSpan bytes) = 0;
    // Rebuilds the channel block header over the bytes taken; 1 on success or when they are too short to hold a
    // header (they then stay as received), 0 on failure.
    virtual int RebuildChannelHeader() = 0;
    // Makes the complete download the result. Returns 1 on success; 0 when that failed, and nothing is kept.
    virtual int Commit() = 0;
    // Drops an unfinished download; nothing when none is open.
    virtual void Discard() = 0;
};

} // namespace vorlane
