#pragma once
// The blocks a simulated receiver has taken in, kept in memory and, when a folder is given,
// written byte for byte as block-0.bin, block-1.bin, ... in the order they were completed.

#include "platform/bytes.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace vorlane {

struct ReceivedBlock {
    int transferClass; // the class of the request, or kMonitorUpload for a boot monitor upload
    std::vector<std::uint8_t> bytes;
};

class ReceivedBlockStore {
public:
    // An empty folder keeps the blocks in memory only.
    explicit ReceivedBlockStore(std::string folder);

    // True when the block was kept (and written, when a folder is set), false when its file failed; the failure is
    // traced, and a receiver goes on answering either way.
    bool Add(int transferClass, ConstByteSpan bytes);

    std::vector<ReceivedBlock> Blocks() const;
    // Waits until at least `count` blocks arrived; returns whether they did within the time-out.
    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout) const;

    static std::string FileName(std::size_t index);

private:
    [[nodiscard]] bool WriteFile(std::size_t index, ConstByteSpan bytes) const;

    std::string mFolder;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    std::vector<ReceivedBlock> m_blocks;
};

} // namespace vorlane
