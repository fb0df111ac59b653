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

class SearchCommandTest : public ::testing::Test {
protected:
    // The command's exit status, a blank and what it printed.
    static std::string RunSearch() {
        FILE* pipe = popen(VORLANE_CLI_PATH " search", "r");
        std::string output;
        for (int c; pipe != nullptr && (c = std::fgetc(pipe)) != EOF;)
            output += static_cast<char>(c);
        const int status = pipe != nullptr ? pclose(pipe) : -1;
        return std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + " " + output;
    }

    std::string SettingsFile() const { return (m_ports.Folder() / "Vorlane" / "Vorlane.ini").string(); }

    ScratchSerialFolder m_ports;
    // The command stores the port it found; keep that away from the user's own settings.
    ScopedEnvironment m_configHome{"XDG_CONFIG_HOME", m_ports.Folder().c_str()};
};

} // namespace

// The identification may come at once after the wake-up or a good while later; no byte of it may be lost.
TEST_F(SearchCommandTest, FindsAReceiverThatAnswersAtOnceOrLateAndStoresItsPortAndFailsWithoutOne) {
    EXPECT_EQ("1 COM port searching fail!\n", RunSearch());
    for (const auto delay : {0ms, 450ms}) {
        SCOPED_TRACE(delay.count());
        SimulatorConfig config;
        config.linkPath = m_ports.PortPath(5);
        config.behaviour.identificationDelay = delay;
        SimulatedReceiver receiver(config);
        ASSERT_TRUE(receiver.Start());

        EXPECT_EQ("0 COM port searching OK!\nCOM5 " + m_ports.PortPath(5) + "\n", RunSearch());
        EXPECT_EQ(4u, QSettingsStore(SettingsFile()).ReadNumber(kSerialSettingsKey, "Comport", 99));
    }
}
