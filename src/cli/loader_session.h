#pragma once
// What vorlane-cli upload and download share: the port options, the loader's parts put together as the
// editor's view has them (serial settings, port, connection, transfer, commands, console user interface), and
// waiting for the transfer's end.

#include "cli/console_loader_ui.h"
#include "loader/connection.h"
#include "loader/event_queue_dispatcher.h"
#include "loader/language_texts.h"
#include "loader/serial_port.h"
#include "loader/transfer.h"
#include "loader/transfer_commands.h"
#include "platform/qt/qsettings_store.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorlane::cli {

// --port N, --device PATH and --speed BPS; without them the stored serial settings apply. --idle-timeout SECONDS
// ends a transfer whose receiver has sent nothing for that long; 0 waits for ever.
struct LinkOptions {
    std::optional<int> portNumber;
    std::string devicePath;
    std::optional<std::uint32_t> speed;
    std::chrono::seconds idleTimeout{30};
};

// What TakeLinkOption did with an argument: left it (no link option), took it with its value (two arguments),
// or printed a usage error for the command.
enum class LinkOptionTake { NotLinkOption, TakenWithValue, UsageError };

// Takes the link option at args[index] and its value.
[[nodiscard]] LinkOptionTake TakeLinkOption(std::string_view command, std::span<char* const> args, std::size_t index,
                                            LinkOptions& options);

// The usage text of a loader command, printed with its usage errors.
using UsagePrinter = void (*)(std::FILE* out);

// Prints "vorlane-cli <command>: <text>" and the usage to stderr; returns kExitUsage.
int LoaderUsageError(std::string_view command, UsagePrinter printUsage, const std::string& text);

// Walks the arguments of a loader command: link options go to `link`, every other argument is handed to
// `takeOwn` with its index (which it may advance past a value); `takeOwn` returns kExitOk or a usage error's
// status. Returns kExitOk, or kExitUsage after printing what is wrong.
int ParseLoaderArguments(std::string_view command, UsagePrinter printUsage, std::span<char* const> args,
                         LinkOptions& link, const std::function<int(std::size_t& index)>& takeOwn);

// The full path a file dialog would answer with (the remembered folder is taken from it).
std::string ChosenFilePath(const std::string& path);

class LoaderSession {
public:
    explicit LoaderSession(std::string_view command);
    ~LoaderSession();
    LoaderSession(const LoaderSession&) = delete;
    LoaderSession& operator=(const LoaderSession&) = delete;

    // Opens the port the options name with the stored line settings. Prints why not and returns false on failure.
    [[nodiscard]] bool Open(const LinkOptions& options);

    ConsoleLoaderUi& Ui() { return m_ui; }
    TransferCommands& Commands() { return m_commands; }
    Transfer& TransferProtocol() { return m_transfer; }
    OwnerDispatcher& Dispatcher() { return m_events; }

    // Handles received bytes until the transfer reports its end, the device goes away, Ctrl+C, or the receiver
    // stays silent for the idle time-out (the port is then closed, so a download leaves no file behind).
    // Returns the exit status: 0 only when the transfer completed.
    int AwaitTransferEnd();
    // Handles received bytes until `done` holds, the device goes away, Ctrl+C or the receiver stays silent for the
    // idle time-out, running `tick` between waits. Prints why when it was not `done`; returns whether it was.
    bool RunUntil(const std::function<bool()>& done, const std::function<void()>& tick);
    // Why the last RunUntil was not `done`, in words that fit after "because": "the receiver did not answer
    // for 30 s", "the line was lost" or "interrupted".
    const std::string& WaitEndReason() const { return m_waitEndReason; }
    // After a break-in that found no monitor: lets the sender finish its carriage returns and "q\r". True
    // when a break-in was still running, false when none was.
    bool AwaitBreakInEnd();

private:
    // Ends the transfer when the receiver has been silent for the idle time-out; true when it did.
    bool EndedBySilence(std::uint64_t waitStartMs);

    std::string m_command;
    std::chrono::seconds m_idleTimeout{0};
    std::string m_waitEndReason;
    QSettingsStore mStore;
    LanguageTexts m_texts;
    EventQueueDispatcher m_events;
    ConsoleLoaderUi m_ui{&m_events};
    SerialPort m_port;
    Connection m_connection{m_port, mStore, m_texts, m_ui};
    Transfer m_transfer{m_port, m_events, m_texts, m_ui, m_connection.Settings()};
    TransferCommands m_commands{m_transfer, m_port, m_connection, mStore, m_texts, m_ui};
};

} // namespace vorlane::cli
