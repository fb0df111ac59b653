#pragma once
// The PC's end of the simulator's line, and the bytes the PC sends.

#include "platform/bytes.h"

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::testing {

using Bytes = std::vector<std::uint8_t>;

class PcEnd {
public:
    explicit PcEnd(const std::string& devicePath);
    ~PcEnd();
    PcEnd(const PcEnd&) = delete;
    PcEnd& operator=(const PcEnd&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    void Write(ConstByteSpan bytes);
    // Reads until `count` bytes arrived or the time-out passed; returns what arrived.
    Bytes Read(std::size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    // Everything that arrives within `span`.
    Bytes ReadFor(std::chrono::milliseconds span) { return Read(1 << 20, span); }

private:
    int m_fd = -1;
};

// The wake-up of the PC: five times a line feed and CC 55 EE FF.
Bytes WakeUp();
// A packet as the PC sends it: the data followed by their byte sum, most significant byte first.
Bytes PacketOf(ConstByteSpan data);
Bytes SizeOf(std::uint32_t size);
Bytes PatternBytes(std::size_t count, std::uint8_t seed);
Bytes Join(std::initializer_list<Bytes> parts);
Bytes BytesOf(std::string_view text);

} // namespace vorlane::testing
