#include "loader/connection_wake_up.h"

#include "loader/serial_port.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>

namespace vorlane {
namespace {

constexpr int kWakeUpCycles = 5;
constexpr std::array<std::uint8_t, 5> kWakeUpCycleBytes = {0x0A, 0xCC, 0x55, 0xEE, 0xFF};
constexpr std::uint32_t kPauseAfterByteMs = 1;
constexpr std::uint32_t kPauseAfterCycleMs = 50;

} // namespace

bool SendWakeUp(SerialPort& port) {
    if (!port.IsOpen())
        return false;
    bool written = true;
    for (int cycle = 0; cycle < kWakeUpCycles; ++cycle) {
        for (const std::uint8_t byte : kWakeUpCycleBytes) {
            if (!port.Write(&byte, 1))
                written = false;
            SleepMs(kPauseAfterByteMs);
        }
        SleepMs(kPauseAfterCycleMs);
    }
    return written;
}

} // namespace vorlane
