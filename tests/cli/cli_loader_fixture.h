#pragma once

#include "../blockfile/block_file_builder.h"
#include "platform/bytes.h"
#include "sim/simulated_receiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
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

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vorlane-cli-loader-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "config");
    }
    void TearDown() override {
        if (simulator)
            simulator->stop();
        fs::remove_all(folder);
    }

    std::string PathIn(const std::string& name) const { return (folder / name).string(); }
    std::string Link() const { return PathIn("COM5"); }

    void WriteFile(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(PathIn(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes ReadFile(const std::string& name) const {
        std::ifstream in(PathIn(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string ReadText(const std::string& name) const { return ToText(ReadFile(name)); }

    void StartSimulator(ReceiverBehaviour behaviour = {}) {
        SimulatorConfig config;
        config.linkPath = Link();
        config.behaviour = std::move(behaviour);
        simulator = std::make_unique<SimulatedReceiver>(std::move(config));
        ASSERT_EQ(1, simulator->start());
    }

    // Starts vorlane-cli in the scratch folder with its own settings file; output goes to files.
    pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnvironment = {}) const {
        std::vector<std::string> strings = {VORLANE_CLI};
        strings.insert(strings.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : strings)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<std::string> environment = extraEnvironment;
        environment.push_back("XDG_CONFIG_HOME=" + PathIn("config"));
        for (char** variable = environ; *variable; ++variable)
            if (std::strncmp(*variable, "XDG_CONFIG_HOME=", 16) != 0)
                environment.emplace_back(*variable);
        std::vector<char*> envp;
        for (std::string& variable : environment)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        const std::string out = PathIn("stdout.txt");
        const std::string err = PathIn("stderr.txt");
        const std::string workingFolder = folder.string();

        const pid_t pid = ::fork();
        if (pid == 0) {
            const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int nullFd = ::open("/dev/null", O_RDONLY);
            if (outFd < 0 || errFd < 0 || nullFd < 0 || ::chdir(workingFolder.c_str()) != 0)
                ::_exit(127);
            ::dup2(nullFd, STDIN_FILENO);
            ::dup2(outFd, STDOUT_FILENO);
            ::dup2(errFd, STDERR_FILENO);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        return pid;
    }

    CliRun Finish(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        CliRun result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadText("stdout.txt");
        result.err = ReadText("stderr.txt");
        fs::remove(PathIn("stdout.txt"));
        fs::remove(PathIn("stderr.txt"));
        return result;
    }

    CliRun Run(const std::vector<std::string>& args) { return Finish(Spawn(args)); }

    // A block file of one program block.
    Bytes WriteBlockFile(const std::string& name, std::size_t dataLength) const {
        Bytes file;
        vorlane::testing::AppendBlock(file, 0xB1, Pattern(dataLength, 0x31));
        WriteFile(name, file);
        return file;
    }

    fs::path folder;
    std::unique_ptr<SimulatedReceiver> simulator;
};

} // namespace vorlane::testing
