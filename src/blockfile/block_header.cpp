#include "blockfile/block_header.h"

#include "blockfile/block_ids.h"
#include "storage/checksum.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace vorlane {

using namespace block_header;

BlockHeader::BlockHeader(ConstByteSpan bytes) : m_bytes(bytes) {
    assert(bytes.size() >= kSize);
}

std::uint32_t BlockHeader::LoadAddress() const {
    return (static_cast<std::uint32_t>(ReadBe16(m_bytes, kAddressHigh)) << 16) | ReadBe16(m_bytes, kAddressLow);
}

std::string_view BlockHeader::Signature() const {
    return {reinterpret_cast<const char*>(m_bytes.data() + kSignature), kSignatureText.size()};
}

bool WriteBlockHeader(ByteSpan header, std::uint8_t blockId, std::uint32_t loadAddress, ConstByteSpan data) {
    if (header.size() < kSize || data.size() > std::numeric_limits<std::uint32_t>::max())
        return false;
    const ByteSpan h = header.first(kSize);
    std::fill(h.begin(), h.end(), kFill);
    WriteBe16(h, kAddressWordA, kAddressWordAPrefix);
    WriteBe16(h, kAddressHigh, static_cast<std::uint16_t>(loadAddress >> 16));
    WriteBe16(h, kAddressLow, static_cast<std::uint16_t>(loadAddress));
    h[kBlockIdMarker] = kBlockIdMarkerValue;
    h[kBlockId] = blockId;
    h[kMonitorMarker] = kMonitorMarkerValue;
    h[kMonitorMode] = 0x00;
    h[kLengthMarker] = kLengthMarkerValue;
    WriteBe32(h, kDataLength, static_cast<std::uint32_t>(data.size()));
    h[kCrcMarker] = kCrcMarkerValue;
    WriteBe32(h, kCrc, Checksum(data));
    std::copy(kSignatureText.begin(), kSignatureText.end(), h.begin() + kSignature);
    h[kTrailerMarker] = kTrailerMarkerValue;
    return true;
}

bool WriteChannelBlockHeader(ByteSpan image) {
    if (image.size() < kSize)
        return false;
    return WriteBlockHeader(image.first(kSize), block_id::kChannel, kChannelLoadAddress, image.subspan(kSize));
}

} // namespace vorlane
