#pragma once
// Bytes of the transfer protocol that more than one part of the loader sends or recognises.

#include <cstdint>

namespace vorlane::transfer_protocol {

// Every command frame opens with these two bytes.
inline constexpr std::uint8_t kFrameFirst = 0xCC;
inline constexpr std::uint8_t kFrameSecond = 0x55;
inline constexpr std::uint8_t kDownloadCommand = 0x11;

// The receiver's answers to a size or a packet.
inline constexpr std::uint8_t kAck = 0xFA;
inline constexpr std::uint8_t kNak = 0xFC;
inline constexpr std::uint8_t kError = 0xFE;

} // namespace vorlane::transfer_protocol
