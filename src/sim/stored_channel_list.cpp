#include "sim/stored_channel_list.h"

#include "sim/receiver_protocol.h"

#include <algorithm>

namespace vorlane {
namespace {

constexpr int kChannelClass = 1;
constexpr std::size_t kHeaderSize = 0x80;
constexpr std::size_t kBlockIdOffset = 0x41;
constexpr std::uint8_t kChannelBlockId = 0xB2;
constexpr std::size_t kSentAddressHigh = 0x32;
constexpr std::size_t kSentAddressLow = 0x36;
constexpr std::size_t kOwnAddressHigh = 2;
constexpr std::size_t kOwnAddressLow = 6;
constexpr std::uint8_t kErased = 0xFF;

} // namespace

bool IsChannelBlock(int transferClass, ConstByteSpan block) {
    if (block.size() <= kHeaderSize)
        return false;
    return transferClass == kChannelClass ||
           (transferClass == kMonitorUpload && block[kBlockIdOffset] == kChannelBlockId);
}

std::vector<std::uint8_t> ChannelListAsSent(ConstByteSpan block) {
    std::vector<std::uint8_t> sent(block.begin(), block.end());
    if (sent.size() < kHeaderSize)
        return sent;
    const ByteSpan header = ByteSpan(sent).first(kHeaderSize);
    std::fill(header.begin(), header.end(), kErased);
    WriteBe16(header, kOwnAddressHigh, ReadBe16(block, kSentAddressHigh));
    WriteBe16(header, kOwnAddressLow, ReadBe16(block, kSentAddressLow));
    return sent;
}

} // namespace vorlane
