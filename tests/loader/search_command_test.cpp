#include "connection_fixture.h"
#include "loader/connection_settings.h"
#include "platform/qt/qsettings_store.h"
#include "sim/simulated_receiver.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace vorlane;
using namespace vorlane::testing;
using namespace std::chrono_literals;

namespace {

struct CommandResult {
    int exitStatus = -1;
    std::string output;
};

class SearchCommandTest : public ::testing::Test {
protected:
    CommandResult RunSearch() {
        CommandResult result;
        FILE* pipe = popen(VORLANE_CLI_PATH " search", "r");
        if (pipe == nullptr)
            return result;
        for (int c; (c = std::fgetc(pipe)) != EOF;)
            result.output += static_cast<char>(c);
        const int status = pclose(pipe);
        result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    std::string SettingsFile() const { return (m_ports.Folder() / "Vorlane" / "Vorlane.ini").string(); }

    ScratchSerialFolder m_ports;
    // The command stores the port it found; keep that away from the user's own settings.
    ScopedEnvironment m_configHome{"XDG_CONFIG_HOME", m_ports.Folder().c_str()};
};

} // namespace

// A receiver may print its identification at once after the wake-up or a good while later; no byte of it may
// be lost before the reply window reads it.
TEST_F(SearchCommandTest, FindsAReceiverThatAnswersAtOnceOrLateAndStoresItsPortAndFailsWithoutOne) {
    const CommandResult none = RunSearch();
    EXPECT_EQ(1, none.exitStatus);
    EXPECT_EQ("COM port searching fail!\n", none.output);
    for (const auto delay : {0ms, 450ms}) {
        SCOPED_TRACE(delay.count());
        SimulatorConfig config;
        config.linkPath = m_ports.PortPath(5);
        config.behaviour.identificationDelay = delay;
        SimulatedReceiver receiver(config);
        ASSERT_EQ(1, receiver.Start());

        const CommandResult result = RunSearch();
        EXPECT_EQ(0, result.exitStatus);
        EXPECT_EQ("COM port searching OK!\nCOM5 " + m_ports.PortPath(5) + "\n", result.output);
        EXPECT_EQ(4u, QSettingsStore(SettingsFile()).ReadNumber(kSerialSettingsKey, "Comport", 99));
    }
}
