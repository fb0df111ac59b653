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

    bool isOpen() const { return m_fd >= 0; }
    void write(ConstByteSpan bytes);
    // Reads until `count` bytes arrived or the time-out passed; returns what arrived.
    Bytes read(std::size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    // Everything that arrives within `span`.
    Bytes readFor(std::chrono::milliseconds span) { return read(1 << 20, span); }

private:
    int m_fd = -1;
};

// The wake-up of the PC: five times a line feed and CC 55 EE FF.
Bytes wakeUp();
// A packet as the PC sends it: the data followed by their byte sum, most significant byte first.
Bytes packetOf(ConstByteSpan data);
Bytes sizeOf(std::uint32_t size);
Bytes patternBytes(std::size_t count, std::uint8_t seed);
Bytes join(std::initializer_list<Bytes> parts);
Bytes bytesOf(std::string_view text);

} // namespace vorlane::testing
