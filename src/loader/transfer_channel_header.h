#pragma once
// The header a downloaded channel file gets: the receiver sends its channel data behind a header of its own,
// which is replaced by a channel block header over the received data, keeping the load address.

#include "platform/bytes.h"

#include <cstdint>

namespace vorlane {

// The load address of a received channel file: header bytes 0x32, 0x33, 0x36, 0x37 most significant first,
// or bytes 2, 3, 6, 7 when those read 0xFFFFFFFF. The file must hold at least a header.
std::uint32_t ReceivedChannelLoadAddress(ConstByteSpan file);

// Rewrites the first 128 bytes of `file` as a channel block header (id 0xB2, length and CRC of the rest).
// Returns false and leaves the bytes alone when the file is shorter than a header.
[[nodiscard]] bool RebuildChannelHeader(ByteSpan file);

} // namespace vorlane
