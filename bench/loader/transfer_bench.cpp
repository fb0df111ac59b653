// Upload and download of a full channel image (851,968 bytes) against the simulated receiver, paced like a line
// at 921,600 bit/s and unpaced. The floor is the time all bytes of both directions need on such a line plus the
// pauses that cannot overlap it (1,500 ms before the first packet, 250 ms of wake-up).

#include "loader/event_queue_dispatcher.h"
#include "loader/language_texts.h"
#include "loader/loader_ui.h"
#include "loader/serial_port.h"
#include "loader/transfer.h"
#include "loader/transfer_requests.h"
#include "sim/simulated_receiver.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace vorlane {
namespace {

constexpr std::size_t kImageSize = 0xD0000;
constexpr unsigned kPacedBitsPerSecond = 921600;
constexpr double kBitsPerByte = 10.0;
constexpr double kFirstPacketPauseMs = 1500.0;
constexpr double kWakeUpMs = 250.0;
constexpr std::size_t kWakeUpBytes = 25;

class FinishWatchingUi : public LoaderUi {
public:
    void ShowMessageBox(const std::string&) override {}
    MessageButton ShowMessage(const std::string&, MessageMode) override { return MessageButton::Ok; }
    void ShowNotAllowedCursor() override {}
    void RestoreCursor() override {}
    void ReportProgress(const ProgressStep& step, const std::string&, const UploadPosition&) override {
        if (step.event == ProgressEvent::Completed || step.event == ProgressEvent::Error)
            result = step.event;
    }
    ProgressEvent result = ProgressEvent::Packets; // Packets until the transfer ends
};

std::vector<std::uint8_t> Image() {
    std::vector<std::uint8_t> image(kImageSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + (i >> 10));
    return image;
}

// Bytes on the line for one file: the request and marker exchange, the size, the packets with their sums and
// the two handshake bytes of every packet.
double FloorMs(std::size_t fileSize, std::size_t exchangeBytes, bool upload) {
    const std::size_t packets = (fileSize + 1023) / 1024;
    const std::size_t lineBytes = kWakeUpBytes + exchangeBytes + 4 + fileSize + 4 * packets + 2 * packets;
    return lineBytes * kBitsPerByte * 1000.0 / kPacedBitsPerSecond + kWakeUpMs + (upload ? kFirstPacketPauseMs : 0);
}

struct Bench {
    explicit Bench(unsigned bitsPerSecond, bool download) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorlane-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        texts.Load("/nonexistent-folder");
        SimulatorConfig config;
        config.linkPath = (folder / "COM5").string();
        config.bitsPerSecond = bitsPerSecond;
        if (download)
            config.behaviour.downloads[static_cast<std::size_t>(DownloadKind::MainSoftware)] = Image();
        simulator = std::make_unique<SimulatedReceiver>(config);
        ok = simulator->Start() && port.Create(&transfer, &events, 40960, 4096) &&
             port.Open(simulator->LinkPath(), kPacedBitsPerSecond, 0, 8, 0, 0);
    }
    ~Bench() {
        port.Close();
        simulator->Stop();
        std::filesystem::remove_all(folder);
    }
    void Run() {
        ui.result = ProgressEvent::Packets;
        events.RunUntil([this] { return ui.result != ProgressEvent::Packets; }, std::chrono::minutes(2));
    }

    std::filesystem::path folder;
    EventQueueDispatcher events;
    LanguageTexts texts;
    SerialSettings settings;
    FinishWatchingUi ui;
    SerialPort port;
    Transfer transfer{port, events, texts, ui, settings};
    std::unique_ptr<SimulatedReceiver> simulator;
    bool ok = false;
};

void ReportRatio(benchmark::State& state, double floorMs, double totalMs, bool paced) {
    const double meanMs = totalMs / static_cast<double>(state.iterations());
    state.counters["ms"] = meanMs;
    if (paced) {
        state.counters["floor_ms"] = floorMs;
        state.counters["ratio"] = meanMs / floorMs;
    }
}

void BM_Upload(benchmark::State& state) {
    const bool paced = state.range(0) != 0;
    Bench bench(paced ? kPacedBitsPerSecond : 0, false);
    if (!bench.ok) {
        state.SkipWithError("no simulated receiver");
        return;
    }
    const std::vector<std::uint8_t> image = Image();
    double totalMs = 0;
    for (auto _ : state) {
        if (!bench.transfer.SrcData().Append(BlockEntry(image, TransferClass::Channel))) {
            state.SkipWithError("block table full");
            return;
        }
        bench.transfer.SetFilePath("channel.bin");
        const auto start = std::chrono::steady_clock::now();
        bench.transfer.SendWakeUp();
        bench.transfer.RequestSendFile(1);
        bench.Run();
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (bench.ui.result != ProgressEvent::Completed)
            state.SkipWithError("upload failed");
    }
    // Request (4) and the marker exchange: "\r\n", marker (4), FA CC, FA.
    ReportRatio(state, FloorMs(kImageSize, 4 + 2 + 4 + 2 + 1, true), totalMs, paced);
}

void BM_Download(benchmark::State& state) {
    const bool paced = state.range(0) != 0;
    Bench bench(paced ? kPacedBitsPerSecond : 0, true);
    if (!bench.ok) {
        state.SkipWithError("no simulated receiver");
        return;
    }
    const std::string target = (bench.folder / "main.bin").string();
    double totalMs = 0;
    for (auto _ : state) {
        bench.transfer.SetReceiveFileType(kReceiveMainSoftware);
        bench.transfer.SetFilePath(target);
        const auto start = std::chrono::steady_clock::now();
        bench.transfer.SendWakeUp();
        bench.transfer.RequestDownload(kReceiveMainSoftware);
        bench.Run();
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (bench.ui.result != ProgressEvent::Completed || std::filesystem::file_size(target) != kImageSize)
            state.SkipWithError("download failed");
    }
    // Request (4) and the marker exchange: "\r\n", FA CC, FA.
    ReportRatio(state, FloorMs(kImageSize, 4 + 2 + 2 + 1, false), totalMs, paced);
}

BENCHMARK(BM_Upload)->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Download)->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vorlane
