#pragma once

#include "platform/pseudo_terminal.h"
#include "sim/simulated_receiver.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

namespace vorlane::testing {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}
// The PC's wake-up: five times a line feed and CC 55 EE FF.
const Bytes kWakeUp =
    BytesOf(std::string_view("\n\xCC\x55\xEE\xFF\n\xCC\x55\xEE\xFF\n\xCC\x55\xEE\xFF\n\xCC\x55\xEE\xFF"
                             "\n\xCC\x55\xEE\xFF"));

class SimulatorTest : public ::testing::Test {
protected:
    std::string PathIn(const std::string& name) const { return mFolder.PathIn(name); }
    std::string LinkPath() const { return PathIn("COM5"); }

    // Starts a simulator linked as COM5 that stores its blocks in the scratch folder.
    std::unique_ptr<SimulatedReceiver> StartSimulator(SimulatorConfig config = {}) {
        if (config.linkPath.empty())
            config.linkPath = LinkPath();
        if (config.storeFolder.empty())
            config.storeFolder = mFolder.Path().string();
        auto receiver = std::make_unique<SimulatedReceiver>(std::move(config));
        EXPECT_TRUE(receiver->Start());
        return receiver;
    }

    ScratchFolder mFolder{"vorlane-sim"};
};

} // namespace vorlane::testing
