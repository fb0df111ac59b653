#include "cli/loader_session.h"

#include "cli/cli_command.h"
#include "cli/interrupt.h"
#include "loader/connection_settings.h"
#include "platform/clock.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vorlane::cli {
namespace {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 16;
// How often the wait looks for Ctrl+C when nothing arrives.
constexpr std::chrono::milliseconds kWaitSlice{100};
// The break-in sender ends within a few writes once stopped.
constexpr std::chrono::milliseconds kBreakInEndLimit{3000};

template <typename Number> bool ParseNumber(const char* text, Number& value) {
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc() && stop == end && stop != text;
}

bool IsLineSpeed(std::uint32_t speed) {
    for (std::uint32_t index = 0; index < kLineSpeedCount; ++index)
        if (LineSpeedOfIndex(index) == speed)
            return true;
    return false;
}

LinkOptionTake UsageError(std::string_view command, const std::string& text) {
    std::fprintf(stderr, "vorlane-cli %.*s: %s\n", static_cast<int>(command.size()), command.data(), text.c_str());
    return LinkOptionTake::UsageError;
}

} // namespace

LinkOptionTake TakeLinkOption(std::string_view command, std::span<char* const> args, std::size_t index,
                              LinkOptions& options) {
    const std::string_view option = args[index];
    if (option != "--port" && option != "--device" && option != "--speed" && option != "--idle-timeout")
        return LinkOptionTake::NotLinkOption;
    if (index + 1 >= args.size())
        return UsageError(command, std::string(option) + " needs a value");
    const char* value = args[index + 1];
    if (option == "--port") {
        int number = 0;
        if (!ParseNumber(value, number) || number < kFirstPort || number > kLastPort)
            return UsageError(command, std::string("--port takes 1 to 16, not '") + value + "'");
        options.portNumber = number;
    } else if (option == "--idle-timeout") {
        unsigned seconds = 0;
        if (!ParseNumber(value, seconds))
            return UsageError(command, std::string("--idle-timeout takes a number of seconds, not '") + value + "'");
        options.idleTimeout = std::chrono::seconds(seconds);
    } else if (option == "--device") {
        if (value[0] == '\0')
            return UsageError(command, "--device needs a path");
        options.devicePath = value;
    } else {
        std::uint32_t speed = 0;
        if (!ParseNumber(value, speed) || !IsLineSpeed(speed))
            return UsageError(command,
                              std::string("--speed takes a line speed from 110 to 921600, not '") + value + "'");
        options.speed = speed;
    }
    if (options.portNumber && !options.devicePath.empty())
        return UsageError(command, "--port and --device exclude each other");
    return LinkOptionTake::TakenWithValue;
}

int LoaderUsageError(std::string_view command, UsagePrinter printUsage, const std::string& text) {
    std::fprintf(stderr, "vorlane-cli %.*s: %s\n\n", static_cast<int>(command.size()), command.data(), text.c_str());
    printUsage(stderr);
    return kExitUsage;
}

int ParseLoaderArguments(std::string_view command, UsagePrinter printUsage, std::span<char* const> args,
                         LinkOptions& link, const std::function<int(std::size_t& index)>& takeOwn) {
    for (std::size_t index = 0; index < args.size(); ++index) {
        const LinkOptionTake taken = TakeLinkOption(command, args, index, link);
        if (taken == LinkOptionTake::UsageError) {
            std::fputc('\n', stderr);
            printUsage(stderr);
            return kExitUsage;
        }
        if (taken == LinkOptionTake::TakenWithValue) {
            ++index; // past the value
            continue;
        }
        if (const int status = takeOwn(index); status != kExitOk)
            return status;
    }
    return kExitOk;
}

std::string ChosenFilePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

LoaderSession::LoaderSession(std::string_view command) : m_command(command) {
    m_texts.Load();
    m_port.Create(&m_transfer, &m_events, kLoaderReceiveQueueSize, kLoaderTransmitQueueSize);
    m_connection.SetTransferControl(&m_transfer);
    m_connection.Start();
    m_ui.SetCommands(&m_commands);
    CatchInterrupt();
}

LoaderSession::~LoaderSession() {
    m_ui.SetCommands(nullptr);
    m_connection.DisconnectCommand();
}

bool LoaderSession::Open(const LinkOptions& options) {
    const SerialSettings& settings = m_connection.Settings();
    const std::string device = !options.devicePath.empty()
                                   ? options.devicePath
                                   : m_connection.DevicePath(options.portNumber.value_or(settings.PortNumber()));
    const SerialLineSettings line = settings.Line();
    if (!m_port.Open(device, options.speed.value_or(line.baudRate), line.parity, line.byteSize, line.stopBits,
                     line.flowControl)) {
        std::fprintf(stderr, "vorlane-cli %s: can't use the port %s\n", m_command.c_str(), device.c_str());
        return false;
    }
    m_transfer.ClearMonitorLines();
    m_idleTimeout = options.idleTimeout;
    return true;
}

int LoaderSession::AwaitTransferEnd() {
    const auto ended = [this] {
        return m_commands.Outcome() != TransferOutcome::None || !m_port.IsOpen() || Interrupted();
    };
    const std::uint64_t waitStartMs = TickCountMs();
    while (!ended()) {
        m_events.RunUntil(ended, kWaitSlice);
        if (!ended() && EndedBySilence(waitStartMs))
            return kExitFailed;
    }
    if (Interrupted())
        std::fprintf(stderr, "vorlane-cli %s: interrupted\n", m_command.c_str());
    else if (m_commands.Outcome() == TransferOutcome::None)
        std::fprintf(stderr, "vorlane-cli %s: the line was lost\n", m_command.c_str());
    return m_commands.Outcome() == TransferOutcome::Completed ? 0 : 1;
}

bool LoaderSession::EndedBySilence(std::uint64_t waitStartMs) {
    if (m_idleTimeout.count() == 0)
        return false;
    const std::uint64_t lastHeardMs = std::max(waitStartMs, m_transfer.LastDeliveryHandledMs());
    const auto limitMs = static_cast<std::uint64_t>(std::chrono::milliseconds(m_idleTimeout).count());
    if (TickCountMs() - lastHeardMs < limitMs)
        return false;
    m_connection.DisconnectCommand();
    const std::string silence = "did not answer for " + std::to_string(m_idleTimeout.count()) + " s";
    m_waitEndReason = "the receiver " + silence;
    m_ui.ShowMessage("The receiver " + silence, MessageMode::Ok);
    return true;
}

bool LoaderSession::RunUntil(const std::function<bool()>& done, const std::function<void()>& tick) {
    const auto ended = [&] { return done() || !m_port.IsOpen() || Interrupted(); };
    const std::uint64_t waitStartMs = TickCountMs();
    while (!ended()) {
        m_events.RunUntil(ended, kWaitSlice);
        tick();
        if (!ended() && EndedBySilence(waitStartMs))
            return false;
    }
    // A lost line has reported its end to the owner's queue; that report may still finish the work.
    m_events.RunPending();
    if (done())
        return true;
    m_waitEndReason = Interrupted() ? "interrupted" : "the line was lost";
    std::fprintf(stderr, "vorlane-cli %s: %s\n", m_command.c_str(), m_waitEndReason.c_str());
    return false;
}

bool LoaderSession::AwaitBreakInEnd() {
    if (!m_transfer.IsBreakInRunning())
        return false;
    m_events.RunUntil([this] { return !m_transfer.IsBreakInRunning() || Interrupted(); }, kBreakInEndLimit);
    return true;
}

} // namespace vorlane::cli
