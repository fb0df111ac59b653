// vorlane-cli search: finds the serial port a receiver answers on, as the editor's Auto Connect does, and keeps
// it as the loader's port in the user's serial settings.

#include "cli/cli_command.h"
#include "cli/console_loader_ui.h"
#include "loader/connection.h"
#include "loader/language_texts.h"
#include "loader/serial_port.h"
#include "platform/qt/qsettings_store.h"

#include <cstdio>

namespace vorlane::cli {
namespace {

void PrintSearchUsage(std::FILE* out) {
    std::fputs("Usage: vorlane-cli search\n\n"
               "Tries the ports COM16 down to COM1 for a receiver that identifies itself and prints the port\n"
               "found and its device, or \"COM port searching fail!\" (exit status 1). The port found is stored\n"
               "in the serial settings. Set VORLANE_SERIAL_DIR to search the COMn links in that folder.\n",
               out);
}

} // namespace

int RunSearch(std::span<char* const> args) {
    if (WantsHelp(args)) {
        PrintSearchUsage(stdout);
        return kExitOk;
    }
    if (!args.empty()) {
        std::fprintf(stderr, "vorlane-cli search: unexpected argument '%s'\n\n", args.front());
        PrintSearchUsage(stderr);
        return kExitUsage;
    }

    QSettingsStore store;
    LanguageTexts texts;
    texts.Load();
    ConsoleLoaderUi ui;
    SerialPort port; // the search reads the port itself, so no owner takes deliveries
    if (!port.Create(nullptr, nullptr, kLoaderReceiveQueueSize, kLoaderTransmitQueueSize))
        return kExitFailed;

    Connection connection(port, store, texts, ui);
    connection.Start();
    const int found = connection.SearchPort();
    if (found) {
        const int portNumber = connection.Settings().PortNumber();
        std::printf("COM%d %s\n", portNumber, connection.DevicePath(portNumber).c_str());
    }
    connection.Finish();
    return found ? kExitOk : kExitFailed;
}

} // namespace vorlane::cli
