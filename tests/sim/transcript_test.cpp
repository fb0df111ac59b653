#include "simulator_fixture.h"

#include <fstream>
#include <functional>
#include <iterator>
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
const Bytes kWakeUp = WakeUp();

Bytes Request(std::uint8_t kind, std::uint8_t classByte) {
    return {0xCC, 0x55, kind, classByte};
}
Bytes Packet(const Bytes& data, std::size_t number) {
    const std::size_t from = number * 1024;
    return PacketOf(ConstByteSpan(data.data() + from, std::min<std::size_t>(1024, data.size() - from)));
}
// Request, marker, go-ahead: the PC's steps before it sends the size.
std::vector<Step> UploadStart(std::uint8_t classByte) {
    return {{Request(0x22, classByte), kUploadMarker}, {kGo, {0xFA}}};
}
std::vector<Step> Script(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
const Bytes kBlock = PatternBytes(2500, 3);
const Bytes kDownload = PatternBytes(1500, 11);

const TranscriptCase kCases[] = {
    {"WrongSumAskedAgain",
     {},
     Script({UploadStart(0x20),
             {{Join({SizeOf(2), {0xFF, 0x01, 0x00, 0x00, 0x00, 0xFF}}), kAgain},
              {{0xFF, 0x01, 0x00, 0x00, 0x01, 0x00}, kAccepted}}}),
     {{0, {0xFF, 0x01}}}},
    {"SilentAfterAnUploadPacketUntilRestarted",
     [](ReceiverBehaviour& behaviour) { behaviour.faults.silentAfterPacket = 1; },
     Script({UploadStart(0x20),
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
     Script({UploadStart(0x20), {{Join({SizeOf(2000), Packet(kBlock, 0)}), kAccepted}, {{}, kPrompt, 3}}}),
     {}},
    {"MonitorStillAnswersRequests", {}, Script({{{{}, kPrompt, 0, true}}, UploadStart(0x21)}), {}},
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
    PcEnd pc(LinkPath());
    ASSERT_TRUE(pc.IsOpen());
    Bytes written;
    Bytes heard;
    for (std::size_t i = 0; i < test.script.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const Step& step = test.script[i];
        for (int group = 0; group < step.breakInGroups; ++group) {
            pc.Write(BytesOf("xxxx"));
            written.insert(written.end(), 4, 'x');
            std::this_thread::sleep_for(1ms);
        }
        if (step.restart)
            receiver->TriggerRestart();
        pc.Write(step.write);
        written.insert(written.end(), step.write.begin(), step.write.end());
        const Bytes answer = step.answer.empty() ? pc.ReadFor(150ms) : pc.Read(step.answer.size());
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
