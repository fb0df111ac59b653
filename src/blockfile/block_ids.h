#pragma once
// Block ids of the block header and the transfer class each one is sent with.

#include <cstdint>

namespace vorlane {

// Tells the receiver's loader what kind of data follows; the request byte on the line is 0x20 + class.
enum class TransferClass : std::uint32_t {
    Program = 0,
    Channel = 1,
    Preset = 2,
    Sky = 3,    // a whole file named "...s1"
    P2 = 4,     // a whole file named "...key" in any case
    P2Gold = 5, // a whole file beginning with "QV1 TPDB Data"
    Conax = 6,
    UnknownBlock = 17,
};

namespace block_id {
inline constexpr std::uint8_t kAllDataBlocks = 0xB0;
inline constexpr std::uint8_t kProgram = 0xB1;
inline constexpr std::uint8_t kChannel = 0xB2;
inline constexpr std::uint8_t kPreset = 0xB3;
inline constexpr std::uint8_t kOsdLanguage = 0xB4;
inline constexpr std::uint8_t kIcon = 0xB5;
inline constexpr std::uint8_t kMpegData = 0xB6;
inline constexpr std::uint8_t kReserved = 0xB7;
inline constexpr std::uint8_t kP2KeyData = 0xB8;
} // namespace block_id

// The block's name as the reader traces it ("Program", "Osd lang", ...); nullptr for an id without a name.
const char* BlockIdName(std::uint8_t id);

// True when the id is one of the table's ids 0xB0..0xB8 (0xB7 included, although it has no name).
bool IsKnownBlockId(std::uint8_t id);

TransferClass TransferClassOfBlockId(std::uint8_t id);

// Whether the reader checks the CRC marker and the data sum of a block with this id.
// The loader tests the id against 0xB1, which holds for every id with bit 7 set.
inline bool BlockIdHasCrc(std::uint8_t id) {
    return (id & 0xB1) != 0;
}

} // namespace vorlane
