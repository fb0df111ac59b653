#include "simulator_fixture.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <numeric>
#include <thread>

namespace vorlane::testing {
namespace {

struct Step {
    Bytes write;
    Bytes answer; // empty: nothing comes within a short while
    int breakInGroups = 0;
    bool restart = false;
};

struct TranscriptCase {
    const char* name;
    std::function<void(ReceiverBehaviour&)> configure;
    std::vector<Step> script;
    std::vector<ReceivedBlock> stored;
};

void PrintTo(const TranscriptCase& test, std::ostream* out) {
    *out << test.name;
}

const Bytes kUploadMarker = BytesOf("\r\n\xCC\x55\x11\x22");
const Bytes kDownloadMarker = BytesOf("\r\n\xFA\xCC");
const Bytes kPrompt = BytesOf("\r\n[d-MON] boot monitor> ");
const Bytes kGo{0xFA, 0xCC};
const Bytes kAccepted{0xFA, 0xFA};
const Bytes kAgain{0xFC, 0xFA};

Bytes Request(std::uint8_t kind, std::uint8_t classByte) {
    return {0xCC, 0x55, kind, classByte};
}
// Byte strings or script steps, one after the other.
template <typename T> std::vector<T> Join(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
Bytes SizeOf(std::uint32_t size) {
    return {std::uint8_t(size >> 24), std::uint8_t(size >> 16), std::uint8_t(size >> 8), std::uint8_t(size)};
}
Bytes PatternBytes(std::size_t count, std::uint8_t seed) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + (i >> 8));
    return bytes;
}
// Packet `number` of `data` as the PC sends it: up to 1024 bytes, then their byte sum most significant byte first.
Bytes Packet(const Bytes& data, std::size_t number) {
    const auto from = data.begin() + static_cast<std::ptrdiff_t>(number * 1024);
    const Bytes part(from, from + std::min<std::ptrdiff_t>(1024, data.end() - from));
    return Join({part, SizeOf(std::accumulate(part.begin(), part.end(), 0u))});
}
// Request, marker, go-ahead: the PC's steps before it sends the size.
std::vector<Step> UploadStart(std::uint8_t classByte) {
    return {{Request(0x22, classByte), kUploadMarker}, {kGo, {0xFA}}};
}
const Bytes kBlock = PatternBytes(2500, 3);
const Bytes kDownload = PatternBytes(1500, 11);

const TranscriptCase kCases[] = {
    {"WrongSumAskedAgain",
     {},
     Join({UploadStart(0x20),
           {{Join({SizeOf(2), {0xFF, 0x01, 0x00, 0x00, 0x00, 0xFF}}), kAgain},
            {{0xFF, 0x01, 0x00, 0x00, 0x01, 0x00}, kAccepted}}}),
     {{0, {0xFF, 0x01}}}},
    {"SilentAfterAnUploadPacketUntilRestarted",
     [](ReceiverBehaviour& behaviour) { behaviour.faults.silentAfterPacket = 1; },
     Join({UploadStart(0x20),
           {{Join({SizeOf(2048), Packet(kBlock, 0)}), kAccepted},
            {Packet(kBlock, 1), {}},
            {kWakeUp, {}},
            {{}, kPrompt, 0, true}}}),
     {}},
    {"DownloadRepeatsAPacketOnRequest",
     [](ReceiverBehaviour& behaviour) { behaviour.downloads[1] = kDownload; },
     {{Request(0x11, 0x24), kDownloadMarker},
      {{}, {}}, // the receiver waits for the go-ahead
      {{0xFA}, Join({{0x00, 0x00, 0x05, 0xDC}, Packet(kDownload, 0)})},
      {kAccepted, Packet(kDownload, 1)},
      {kAgain, Packet(kDownload, 1)},
      {kAccepted, {}}},
     {}},
    {"RefusalEndsTheDownload",
     [](ReceiverBehaviour& behaviour) { behaviour.downloads[1] = PatternBytes(3000, 1); },
     {{Request(0x11, 0x24), kDownloadMarker},
      {{0xFA}, Join({SizeOf(3000), Packet(PatternBytes(3000, 1), 0)})},
      {{0xFE, 0xFA, 0xFA}, {}},
      {Request(0x11, 0x24), kDownloadMarker}},
     {}},
    {"BreakInRestartsAReceiverHangingInATransfer",
     [](ReceiverBehaviour& behaviour) {
         behaviour.faults.silentAfterPacket = 1;
         behaviour.restartAfterBreakIn = 50ms;
     },
     Join({UploadStart(0x20), {{Join({SizeOf(2000), Packet(kBlock, 0)}), kAccepted}, {{}, kPrompt, 3}}}),
     {}},
    {"MonitorStillAnswersRequests", {}, Join({{{{}, kPrompt, 0, true}}, UploadStart(0x21)}), {}},
    {"ForeignIdentification",
     [](ReceiverBehaviour& behaviour) { behaviour.faults.withoutIdentification = true; },
     {{kWakeUp, BytesOf("\r\nDVB-S receiver ready\r\n")}},
     {}},
};

class SimulatorTranscript : public SimulatorTest, public ::testing::WithParamInterface<TranscriptCase> {};

TEST_P(SimulatorTranscript, AnswersExactlyAndStoresTheBlocks) {
    const TranscriptCase& test = GetParam();
    SimulatorConfig config;
    if (test.configure)
        test.configure(config.behaviour);
    auto receiver = StartSimulator(config);
    PseudoTerminal pc(LinkPath());
    Bytes written;
    Bytes heard;
    for (std::size_t i = 0; i < test.script.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const Step& step = test.script[i];
        for (int group = 0; group < step.breakInGroups; ++group) {
            pc.Send("xxxx");
            written.insert(written.end(), 4, 'x');
            std::this_thread::sleep_for(1ms);
        }
        if (step.restart)
            receiver->TriggerRestart();
        pc.Send(step.write);
        written.insert(written.end(), step.write.begin(), step.write.end());
        const Bytes answer = step.answer.empty() ? pc.Receive(1 << 20, 150) : pc.Receive(step.answer.size(), 2000);
        EXPECT_EQ(step.answer, answer);
        heard.insert(heard.end(), answer.begin(), answer.end());
    }
    EXPECT_EQ(written, receiver->ReceivedBytes());
    EXPECT_EQ(heard, receiver->SentBytes());

    ASSERT_TRUE(receiver->WaitForBlocks(test.stored.size(), 1000ms));
    const auto blocks = receiver->ReceivedBlocks();
    ASSERT_EQ(test.stored.size(), blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(test.stored[i].transferClass, blocks[i].transferClass);
        EXPECT_EQ(test.stored[i].bytes, blocks[i].bytes);
        std::ifstream file(PathIn("block-" + std::to_string(i) + ".bin"), std::ios::binary);
        EXPECT_EQ(test.stored[i].bytes, Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SimulatorTranscript, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace vorlane::testing
