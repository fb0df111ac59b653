#pragma once

#include "pc_end.h"
#include "sim/simulated_receiver.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vorlane::testing {

using namespace std::chrono_literals;

class SimulatorTest : public ::testing::Test {
protected:
    std::string pathIn(const std::string& name) const { return m_folder.PathIn(name); }
    std::string linkPath() const { return pathIn("COM5"); }

    // Starts a simulator linked as COM5 that stores its blocks in the scratch folder.
    std::unique_ptr<SimulatedReceiver> startSimulator(SimulatorConfig config = {}) {
        if (config.linkPath.empty())
            config.linkPath = linkPath();
        if (config.storeFolder.empty())
            config.storeFolder = m_folder.path().string();
        auto receiver = std::make_unique<SimulatedReceiver>(std::move(config));
        EXPECT_EQ(1, receiver->start());
        return receiver;
    }

    ScratchFolder m_folder{"vorlane-sim"};
};

} // namespace vorlane::testing
