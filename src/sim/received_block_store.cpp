#include "sim/received_block_store.h"

#include "platform/trace.h"

#include <cstdio>
#include <filesystem>

namespace vorlane {

ReceivedBlockStore::ReceivedBlockStore(std::string folder) : mFolder(std::move(folder)) {}

std::string ReceivedBlockStore::FileName(std::size_t index) {
    return "block-" + std::to_string(index) + ".bin";
}

bool ReceivedBlockStore::Add(int transferClass, ConstByteSpan bytes) {
    std::size_t index = 0;
    {
        std::lock_guard lock(m_mutex);
        index = m_blocks.size();
        m_blocks.push_back({transferClass, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
    }
    m_arrived.notify_all();
    return mFolder.empty() || WriteFile(index, bytes);
}

bool ReceivedBlockStore::WriteFile(std::size_t index, ConstByteSpan bytes) const {
    const std::string path = (std::filesystem::path(mFolder) / FileName(index)).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    // An empty block has no data pointer, and fwrite must not be handed a null one.
    bool written = file && (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        DebugOut("sim: cannot write %s\n", path.c_str());
    return written;
}

std::vector<ReceivedBlock> ReceivedBlockStore::Blocks() const {
    std::lock_guard lock(m_mutex);
    return m_blocks;
}

bool ReceivedBlockStore::WaitFor(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, timeout, [&] { return m_blocks.size() >= count; });
}

} // namespace vorlane
