#pragma once

#include "pc_end.h"
#include "sim/simulated_receiver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace vorlane::testing {

using namespace std::chrono_literals;

class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorlane-sim-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        m_folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    std::string pathIn(const std::string& name) const { return (m_folder / name).string(); }
    std::string linkPath() const { return pathIn("COM5"); }

    // Starts a simulator linked as COM5 that stores its blocks in the scratch folder.
    std::unique_ptr<SimulatedReceiver> startSimulator(SimulatorConfig config = {}) {
        if (config.linkPath.empty())
            config.linkPath = linkPath();
        if (config.storeFolder.empty())
            config.storeFolder = m_folder.string();
        auto receiver = std::make_unique<SimulatedReceiver>(std::move(config));
        EXPECT_EQ(1, receiver->start());
        return receiver;
    }

    std::filesystem::path m_folder;
};

} // namespace vorlane::testing
