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

inline std::uint8_t ReadU8(const std::uint8_t* p) {
    return p[0];
}
inline std::uint16_t ReadLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint16_t ReadBe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::uint32_t ReadBe32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

inline void WriteU8(std::uint8_t* p, std::uint8_t v) {
    p[0] = v;
}
inline void WriteLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteLe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void WriteBe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}
inline void WriteBe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// Span forms with an offset: the layout code names its offsets and never does pointer arithmetic itself.
inline std::uint16_t ReadLe16(ConstByteSpan s, std::size_t off) {
    return ReadLe16(s.subspan(off, 2).data());
}
inline std::uint32_t ReadLe32(ConstByteSpan s, std::size_t off) {
    return ReadLe32(s.subspan(off, 4).data());
}
inline std::uint16_t ReadBe16(ConstByteSpan s, std::size_t off) {
    return ReadBe16(s.subspan(off, 2).data());
}
inline std::uint32_t ReadBe32(ConstByteSpan s, std::size_t off) {
    return ReadBe32(s.subspan(off, 4).data());
}
inline void WriteLe16(ByteSpan s, std::size_t off, std::uint16_t v) {
    WriteLe16(s.subspan(off, 2).data(), v);
}
inline void WriteLe32(ByteSpan s, std::size_t off, std::uint32_t v) {
    WriteLe32(s.subspan(off, 4).data(), v);
}
inline void WriteBe16(ByteSpan s, std::size_t off, std::uint16_t v) {
    WriteBe16(s.subspan(off, 2).data(), v);
}
inline void WriteBe32(ByteSpan s, std::size_t off, std::uint32_t v) {
    WriteBe32(s.subspan(off, 4).data(), v);
}

} // namespace vorlane
