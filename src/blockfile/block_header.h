#pragma once
// The 128-byte header in front of every block: where the data go, how long they are, what they are and
// their checksum. Numbers are big-endian; the marker bytes in front of the fields are fixed values.

#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorlane {

namespace block_header {
inline constexpr std::size_t kSize = 0x80;

inline constexpr std::size_t kAddressWordA = 0x30; // written 01 02, then the high half of the load address
inline constexpr std::size_t kAddressHigh = 0x32;
inline constexpr std::size_t kAddressLow = 0x36;
inline constexpr std::size_t kVersionMajor = 0x3A;
inline constexpr std::size_t kVersionMinor = 0x3B;
inline constexpr std::size_t kBlockIdMarker = 0x40;
inline constexpr std::size_t kBlockId = 0x41;
inline constexpr std::size_t kMonitorMarker = 0x44;
inline constexpr std::size_t kMonitorMode = 0x45;
inline constexpr std::size_t kLengthMarker = 0x46;
inline constexpr std::size_t kDataLength = 0x47;
inline constexpr std::size_t kCrcMarker = 0x4B;
inline constexpr std::size_t kCrc = 0x4C;
inline constexpr std::size_t kSignature = 0x50;
inline constexpr std::size_t kTrailerMarker = 0x60;

inline constexpr std::uint16_t kAddressWordAPrefix = 0x0102;
inline constexpr std::uint8_t kBlockIdMarkerValue = 0xA1;
inline constexpr std::uint8_t kLengthMarkerValue = 0xA2;
inline constexpr std::uint8_t kCrcMarkerValue = 0xA3;
inline constexpr std::uint8_t kMonitorMarkerValue = 0xA4;
inline constexpr std::uint8_t kMonitorModeYes = 0xA4;
inline constexpr std::uint8_t kTrailerMarkerValue = 0xA5;
inline constexpr std::uint8_t kFill = 0xEF;
inline constexpr std::string_view kSignatureText = "kWvRtLumoQX47";

// The one block of a channel file.
inline constexpr std::uint32_t kChannelLoadAddress = 0x7FC10080;
} // namespace block_header

// Read-only view of a block header. The bytes must hold at least block_header::kSize bytes.
class BlockHeader {
public:
    explicit BlockHeader(ConstByteSpan bytes);

    std::uint32_t LoadAddress() const;
    std::uint8_t VersionMajor() const { return m_bytes[block_header::kVersionMajor]; }
    std::uint8_t VersionMinor() const { return m_bytes[block_header::kVersionMinor]; }
    std::uint8_t BlockId() const { return m_bytes[block_header::kBlockId]; }
    bool MonitorMode() const { return m_bytes[block_header::kMonitorMode] == block_header::kMonitorModeYes; }
    std::uint32_t DataLength() const { return ReadBe32(m_bytes, block_header::kDataLength); }
    std::uint32_t Crc() const { return ReadBe32(m_bytes, block_header::kCrc); }
    std::string_view Signature() const;

    bool SignatureValid() const { return Signature() == block_header::kSignatureText; }
    bool BlockIdMarkerValid() const { return Marker(block_header::kBlockIdMarker, block_header::kBlockIdMarkerValue); }
    bool MonitorMarkerValid() const { return Marker(block_header::kMonitorMarker, block_header::kMonitorMarkerValue); }
    bool LengthMarkerValid() const { return Marker(block_header::kLengthMarker, block_header::kLengthMarkerValue); }
    bool CrcMarkerValid() const { return Marker(block_header::kCrcMarker, block_header::kCrcMarkerValue); }

private:
    bool Marker(std::size_t offset, std::uint8_t value) const { return m_bytes[offset] == value; }

    ConstByteSpan m_bytes;
};

// Writes the header of a block whose data are `data`: every byte 0xEF except the markers, the signature,
// the load address, the id, monitor mode "no", the data length and the CRC (the checksum of the data).
// The version bytes keep the fill. False when `header` is shorter than a header or the data are too
// long for the length field.
[[nodiscard]] bool WriteBlockHeader(ByteSpan header, std::uint8_t blockId, std::uint32_t loadAddress,
                                    ConstByteSpan data);

// Puts the channel block header over the first 128 bytes of a channel image; the rest of the image is its data.
[[nodiscard]] bool WriteChannelBlockHeader(ByteSpan image);

} // namespace vorlane
