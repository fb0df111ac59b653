#pragma once

#include "../blockfile/block_file_builder.h"
#include "platform/bytes.h"
#include "sim/simulated_receiver.h"
#include "support/scratch_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vorlane::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline Bytes Pattern(std::size_t length, std::uint8_t seed) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 11 + (i >> 7));
    return bytes;
}

inline std::string ToText(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

using ::testing::HasSubstr;
using ::testing::Not;

class CliLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(mFolder / "config"); }

    std::string PathIn(const std::string& name) const { return (mFolder / name).string(); }
    std::string Link() const { return PathIn("COM5"); }

    void WriteFile(const std::string& name, std::string_view bytes) const {
        std::ofstream(PathIn(name), std::ios::binary) << bytes;
    }
    void WriteFile(const std::string& name, const Bytes& bytes) const { WriteFile(name, ToText(bytes)); }
    Bytes ReadFile(const std::string& name) const {
        std::ifstream in(PathIn(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string ReadText(const std::string& name) const { return ToText(ReadFile(name)); }

    void StartSimulator(ReceiverBehaviour behaviour = {}) {
        SimulatorConfig config;
        config.linkPath = Link();
        config.behaviour = std::move(behaviour);
        m_simulator = std::make_unique<SimulatedReceiver>(std::move(config));
        ASSERT_TRUE(m_simulator->Start());
    }

    // Starts vorlane-cli through env(1) in the scratch folder with its own settings file; output goes to files.
    pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnvironment = {}) const {
        std::vector<std::string> strings = {"/usr/bin/env", "-C", mFolder.string(),
                                            "XDG_CONFIG_HOME=" + PathIn("config")};
        strings.insert(strings.end(), extraEnvironment.begin(), extraEnvironment.end());
        strings.push_back(VORLANE_CLI);
        strings.insert(strings.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : strings)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const std::string out = PathIn("stdout.txt"), err = PathIn("stderr.txt");
        posix_spawn_file_actions_t files;
        ::posix_spawn_file_actions_init(&files);
        ::posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::posix_spawn_file_actions_addopen(&files, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = -1;
        ::posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
        ::posix_spawn_file_actions_destroy(&files);
        return pid;
    }

    CliRun Finish(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText("stdout.txt"), ReadText("stderr.txt")};
    }

    CliRun Run(const std::vector<std::string>& args) { return Finish(Spawn(args)); }

    // A block file of one program block.
    Bytes WriteBlockFile(const std::string& name, std::size_t dataLength) const {
        Bytes file;
        AppendBlock(file, 0xB1, Pattern(dataLength, 0x31));
        WriteFile(name, file);
        return file;
    }

    ScratchFolder m_scratch{"vorlane-cli"};
    const fs::path& mFolder = m_scratch.Path();
    std::unique_ptr<SimulatedReceiver> m_simulator;
};

} // namespace vorlane::testing
