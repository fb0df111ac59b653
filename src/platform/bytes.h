#pragma once
// Little- and big-endian access to fixed byte layouts. Records and image fields are
// little-endian; block headers and numbers on the serial line are big-endian.
// Every binary layout goes through these helpers; no struct is ever cast over bytes.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorlane {

using ByteSpan = std::span<std::uint8_t>;
using ConstByteSpan = std::span<const std::uint8_t>;

inline std::uint8_t readU8(const std::uint8_t* p) {
    return p[0];
}
inline std::uint16_t readLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t readLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint16_t readBe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::uint32_t readBe32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

inline void writeU8(std::uint8_t* p, std::uint8_t v) {
    p[0] = v;
}
inline void writeLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void writeLe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void writeBe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}
inline void writeBe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// Span forms with an offset: the layout code names its offsets and never does pointer arithmetic itself.
inline std::uint16_t readLe16(ConstByteSpan s, std::size_t off) {
    return readLe16(s.subspan(off, 2).data());
}
inline std::uint32_t readLe32(ConstByteSpan s, std::size_t off) {
    return readLe32(s.subspan(off, 4).data());
}
inline std::uint16_t readBe16(ConstByteSpan s, std::size_t off) {
    return readBe16(s.subspan(off, 2).data());
}
inline std::uint32_t readBe32(ConstByteSpan s, std::size_t off) {
    return readBe32(s.subspan(off, 4).data());
}
inline void writeLe16(ByteSpan s, std::size_t off, std::uint16_t v) {
    writeLe16(s.subspan(off, 2).data(), v);
}
inline void writeLe32(ByteSpan s, std::size_t off, std::uint32_t v) {
    writeLe32(s.subspan(off, 4).data(), v);
}
inline void writeBe16(ByteSpan s, std::size_t off, std::uint16_t v) {
    writeBe16(s.subspan(off, 2).data(), v);
}
inline void writeBe32(ByteSpan s, std::size_t off, std::uint32_t v) {
    writeBe32(s.subspan(off, 4).data(), v);
}

} // namespace vorlane
