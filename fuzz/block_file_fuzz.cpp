// Fuzz target: a file chosen for upload, classified as a block file or a whole file, then read out in packets
// as an upload sends it.

#include "blockfile/block_table.h"
#include "blockfile/upload_classifier.h"
#include "fuzz_support.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using vorlane::fuzz::Check;

// The name's ending decides the whole-file kinds; the input's length picks one so every kind is reached.
constexpr std::array<std::string_view, 3> kFileNames{"upload.bin", "upload.KEY", "upload.s1"};
constexpr std::size_t kPacketSize = 1024;

std::size_t SentBytes(vorlane::BlockEntry& entry) {
    std::array<std::uint8_t, kPacketSize> packet{};
    std::size_t sent = 0;
    entry.SetReadPosition(0);
    while (const std::size_t copied = entry.ReadNext(packet))
        sent += copied;
    return sent;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vorlane::BlockTable table;
    static const bool tracesDropped = (vorlane::fuzz::FormatAndDropTraces(), true);
    (void)tracesDropped;

    const vorlane::ConstByteSpan contents(data, size);
    vorlane::BlockFileReport report;
    const int accepted = vorlane::ClassifyUploadFile(kFileNames[size % kFileNames.size()], contents, table, &report);

    if (!accepted) {
        Check(table.empty(), "a refused file leaves the table empty");
        return 0;
    }
    Check(table.Count() >= 1 && table.Count() <= vorlane::BlockTable::kCapacity, "entry count within the table");
    const bool blockFile = report.fault == vorlane::BlockFileFault::None;
    Check(table.BlockFileFlag() == blockFile, "the block-file flag tells a block file from a whole file");
    Check(blockFile || table.Count() == 1, "a whole file is one entry");

    std::size_t total = 0;
    for (std::size_t i = 0; i < table.Count(); ++i) {
        Check(SentBytes(table[i]) == table[i].size(), "an entry sends exactly its bytes");
        total += table[i].size();
    }
    Check(total == size, "the entries cover the file exactly");
    table.Clear();
    return 0;
}
