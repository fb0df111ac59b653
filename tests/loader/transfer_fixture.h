#pragma once

#include "loader/connection.h"
#include "loader/event_queue_dispatcher.h"
#include "loader/language_texts.h"
#include "loader/loader_ui.h"
#include "loader/serial_port.h"
#include "loader/transfer.h"
#include "platform/bytes.h"
#include "platform/memory_settings_store.h"
#include "platform/trace.h"
#include "sim/simulated_receiver.h"
#include "storage/checksum.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::testing {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

struct ProgressReport {
    int value;
    std::string text;
    UploadPosition upload;
    ProgressEvent event = ProgressEvent::Packets;
};

// Records what the loader asks of the user, in order: "box <text>", "message<mode> <text>", "note <text>",
// "wait <text>", "cursor not-allowed" and "cursor arrow".
template <class Base> class RecordingUi : public Base {
public:
    explicit RecordingUi(EventQueueDispatcher* dispatcher = nullptr) : m_events(dispatcher) {}

    void ShowMessageBox(const std::string& text) override { events.push_back("box " + text); }
    MessageButton ShowMessage(const std::string& text, MessageMode mode) override {
        events.push_back("message" + std::to_string(static_cast<int>(mode)) + " " + text);
        return mode == MessageMode::NoButton ? MessageButton::None : MessageButton::Ok;
    }
    void ShowNotAllowedCursor() override { events.push_back("cursor not-allowed"); }
    void RestoreCursor() override { events.push_back("cursor arrow"); }
    void ShowNote(const std::string& text) override { events.push_back("note " + text); }
    void HideNote() override { ++noteHides; }
    // Runs the event queue until the wait is ended, or the user closes it after `userClosesAfter`.
    MessageButton RunModalWait(const std::string& text) override {
        events.push_back("wait " + text);
        m_result.reset();
        if (m_events)
            m_events->RunUntil([this] { return m_result.has_value(); }, userClosesAfter);
        if (!m_result && whenUserCloses)
            whenUserCloses();
        return m_result.value_or(MessageButton::Cancel);
    }
    void EndModalWait(MessageButton result) override { m_result = result; }

    std::vector<std::string> events;
    int noteHides = 0;
    std::chrono::milliseconds userClosesAfter = 10s;
    std::function<void()> whenUserCloses;

private:
    EventQueueDispatcher* m_events;
    std::optional<MessageButton> m_result;
};

class RecordingTransferUi : public RecordingUi<LoaderUi> {
public:
    using RecordingUi::RecordingUi;

    void BeginProgress(int blocks, const std::string& path, const std::string& action) override {
        begins.push_back({blocks, path + "|" + action, {}});
    }
    void ReportProgress(const ProgressStep& step, const std::string& text, const UploadPosition& upload) override {
        reports.push_back({step.packets, text, upload, step.event});
        if (onReport)
            onReport(step);
    }

    bool Finished() const {
        return std::any_of(reports.begin(), reports.end(), [](const ProgressReport& r) {
            return r.event == ProgressEvent::Completed || r.event == ProgressEvent::Error;
        });
    }

    std::vector<ProgressReport> begins; // value = blocks, text = "path|action"
    std::vector<ProgressReport> reports;
    std::function<void(const ProgressStep& step)> onReport; // inside the report, as a modal box would run
};

inline Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes Pattern(std::size_t length, std::uint8_t seed) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 13 + (i >> 8));
    return bytes;
}

inline Bytes SizeBytes(std::uint32_t size) {
    Bytes bytes(4);
    WriteBe32(bytes.data(), size);
    return bytes;
}

// The packets of `data` as the PC sends them: 1024 data bytes at most, each followed by its sum.
inline std::vector<Bytes> Packets(const Bytes& data) {
    std::vector<Bytes> packets;
    for (std::size_t offset = 0; offset < data.size() || packets.empty(); offset += 1024) {
        const std::size_t length = std::min<std::size_t>(1024, data.size() - offset);
        Bytes packet(data.begin() + static_cast<std::ptrdiff_t>(offset),
                     data.begin() + static_cast<std::ptrdiff_t>(offset + length));
        const Bytes sum = SizeBytes(Checksum(packet));
        packet.insert(packet.end(), sum.begin(), sum.end());
        packets.push_back(packet);
    }
    return packets;
}

// The size and the packets of one entry as the PC sends them, with packet `repeated` (counted from 1) sent twice.
inline Bytes BlockOnTheLine(const Bytes& data, int repeated = 0) {
    Bytes bytes = SizeBytes(static_cast<std::uint32_t>(data.size()));
    int number = 0;
    for (const Bytes& packet : Packets(data)) {
        const int copies = ++number == repeated ? 2 : 1;
        for (int copy = 0; copy < copies; ++copy)
            bytes.insert(bytes.end(), packet.begin(), packet.end());
    }
    return bytes;
}

inline const Bytes kUploadGo = {0xFA, 0xCC};

inline Bytes UploadRequest(std::uint8_t classByte) {
    return {0xCC, 0x55, 0x22, classByte};
}

inline Bytes DownloadRequest(std::uint8_t typeByte) {
    return {0xCC, 0x55, 0x11, typeByte};
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes WakeUpBytes() {
    Bytes bytes;
    for (int cycle = 0; cycle < 5; ++cycle)
        bytes.insert(bytes.end(), {0x0A, 0xCC, 0x55, 0xEE, 0xFF});
    return bytes;
}

// A Transfer on a port opened on the simulated receiver, with the user interface `Ui`.
template <class Ui> class SimulatedLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_scratch.Valid());
        m_texts.Load("/nonexistent-folder"); // the built-in texts
        m_settings.timeout2 = 0;
        ASSERT_TRUE(m_port.Create(&m_transfer, &m_events, 40960, 4096));
    }
    void TearDown() override {
        m_port.Close();
        if (m_simulator)
            m_simulator->Stop();
    }

    std::string PathIn(const std::string& name) const { return m_scratch.PathIn(name); }

    // Starts the simulated receiver, answering in the manner `config` gives, and opens the port on it.
    void Connect(ReceiverBehaviour behaviour = {}, SimulatorConfig config = {}) {
        config.linkPath = PathIn("COM5");
        config.behaviour = std::move(behaviour);
        m_simulator = std::make_unique<SimulatedReceiver>(std::move(config));
        ASSERT_TRUE(m_simulator->Start());
        ASSERT_TRUE(m_port.Open(m_simulator->LinkPath(), 115200, 0, 8, 0, 0));
    }

    void ConnectWithDownload(DownloadKind kind, const Bytes& file, SimulatorFaults faults = {}) {
        ReceiverBehaviour behaviour;
        behaviour.downloads[static_cast<std::size_t>(kind)] = file;
        behaviour.faults = faults;
        Connect(behaviour);
    }
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s) {
        return m_events.RunUntil(done, timeout);
    }
    // What the receiver got, once at least `count` bytes: the last answer may be on its way when the transfer ends.
    Bytes ReceivedAtLeast(std::size_t count) {
        RunUntil([&] { return m_simulator->ReceivedBytes().size() >= count; }, 2s);
        return m_simulator->ReceivedBytes();
    }
    void RunFor(std::chrono::milliseconds span) {
        RunUntil([] { return false; }, span);
    }

    // Files in the scratch folder other than the simulator's link.
    std::vector<std::string> FolderFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(mFolder))
            if (entry.path().filename() != "COM5")
                names.push_back(entry.path().filename().string());
        return names;
    }

    ScratchFolder m_scratch{"vorlane-transfer"};
    const std::filesystem::path& mFolder = m_scratch.Path();
    EventQueueDispatcher m_events;
    LanguageTexts m_texts;
    SerialSettings m_settings;
    Ui m_ui{&m_events};
    SerialPort m_port;
    Transfer m_transfer{m_port, m_events, m_texts, m_ui, m_settings, TransferPauses{0}};
    std::unique_ptr<SimulatedReceiver> m_simulator;
};

using TransferSimTest = SimulatedLineTest<RecordingTransferUi>;

} // namespace vorlane::testing
