#include "loader/transfer_channel_header.h"

#include "blockfile/block_header.h"
#include "blockfile/block_ids.h"

namespace vorlane {
namespace {

constexpr std::uint32_t kNoAddress = 0xFFFFFFFF;
// Where the address is looked for when the header does not hold one.
constexpr std::size_t kFallbackAddressHigh = 2;
constexpr std::size_t kFallbackAddressLow = 6;

std::uint32_t AddressAt(ConstByteSpan file, std::size_t highOffset, std::size_t lowOffset) {
    return (static_cast<std::uint32_t>(ReadBe16(file, highOffset)) << 16) | ReadBe16(file, lowOffset);
}

} // namespace

std::uint32_t ReceivedChannelLoadAddress(ConstByteSpan file) {
    const std::uint32_t address = AddressAt(file, block_header::kAddressHigh, block_header::kAddressLow);
    if (address != kNoAddress)
        return address;
    return AddressAt(file, kFallbackAddressHigh, kFallbackAddressLow);
}

bool RebuildChannelHeader(ByteSpan file) {
    if (file.size() < block_header::kSize)
        return false;
    const std::uint32_t address = ReceivedChannelLoadAddress(file);
    return WriteBlockHeader(file.first(block_header::kSize), block_id::kChannel, address,
                            file.subspan(block_header::kSize));
}

} // namespace vorlane
