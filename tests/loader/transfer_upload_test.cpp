// Normal uploads against the simulated receiver: exactly what the PC sends, what the receiver stores, and the
// handshake faults.

#include "blockfile/upload_classifier.h"
#include "loader/connection.h"
#include "platform/memory_settings_store.h"
#include "platform/trace.h"
#include "transfer_fixture.h"

using namespace vorlane;
using namespace vorlane::test;

namespace {

const Bytes kUploadGo = {0xFA, 0xCC};

Bytes RequestBytes(std::uint8_t classByte) {
    return {0xCC, 0x55, 0x22, classByte};
}

// Size and packets of one block, with packet `repeated` (counted from 1) sent twice.
Bytes BlockBytes(const Bytes& data, int repeated = 0) {
    Bytes bytes = SizeBytes(static_cast<std::uint32_t>(data.size()));
    int number = 0;
    for (const Bytes& packet : Packets(data)) {
        const int copies = ++number == repeated ? 2 : 1;
        for (int copy = 0; copy < copies; ++copy)
            bytes.insert(bytes.end(), packet.begin(), packet.end());
    }
    return bytes;
}

class TransferUploadTest : public TransferSimTest {
protected:
    // Loads `contents` as the file `name` and starts the upload as the Upload to STB command does.
    void StartUpload(const std::string& name, const Bytes& contents) {
        ASSERT_EQ(1, ClassifyUploadFile(name, contents, transfer.SrcData()));
        transfer.SetForceMode(transfer.SrcData().blockFileFlag());
        transfer.SetFilePath(PathIn(name));
        EXPECT_EQ(1, transfer.SendWakeUp());
        EXPECT_EQ(1, transfer.RequestSendFile(static_cast<std::uint32_t>(transfer.SrcData()[0].transferClass())));
    }
};

struct WholeFileCase {
    const char* name;
    int transferClass;
    std::uint8_t requestByte;
};

class WholeFileUploadTest : public TransferUploadTest, public ::testing::WithParamInterface<WholeFileCase> {};

} // namespace

TEST_P(WholeFileUploadTest, SendsTheRequestSizeAndPacketsAndTheReceiverStoresTheFile) {
    const WholeFileCase& param = GetParam();
    const Bytes contents = Pattern(2500, 0x31); // packets of 1024, 1024 and 452 bytes
    Connect();
    StartUpload(param.name, contents);
    EXPECT_FALSE(transfer.ForceMode());
    ASSERT_TRUE(RunUntil([&] { return ui.Finished(); }));

    EXPECT_EQ(Join({WakeUpBytes(), RequestBytes(param.requestByte), kUploadGo, BlockBytes(contents)}),
              simulator->receivedBytes());
    ASSERT_TRUE(simulator->waitForBlocks(1, 1s));
    const auto blocks = simulator->receivedBlocks();
    ASSERT_EQ(1u, blocks.size());
    EXPECT_EQ(param.transferClass, blocks[0].transferClass);
    EXPECT_EQ(contents, blocks[0].bytes);

    EXPECT_EQ(-1, ui.reports.back().value);
    EXPECT_EQ(TransferState::Idle, transfer.State());
    EXPECT_TRUE(transfer.FilePath().empty());
    EXPECT_EQ(0u, transfer.SrcData().count());
    ASSERT_EQ(1u, ui.begins.size());
    EXPECT_EQ(3, ui.begins[0].value);
    EXPECT_EQ(PathIn(param.name) + "|Uploading", ui.begins[0].text);
    // The note goes up when the last packet of the block was sent.
    EXPECT_EQ(std::vector<std::string>{"Now writting the flash. Do NOT power off the STB."}, ui.notes);
    std::vector<int> values;
    for (const ProgressReport& report : ui.reports)
        values.push_back(report.value);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, -1}), values);
    EXPECT_TRUE(ui.reports[1].upload.uploading);
    EXPECT_EQ(1, ui.reports[1].upload.entryNumber);
    EXPECT_EQ(1, ui.reports[1].upload.entryCount);
}

INSTANTIATE_TEST_SUITE_P(Classes, WholeFileUploadTest,
                         ::testing::Values(WholeFileCase{"update.key", 4, 0x24}, WholeFileCase{"x.s1", 3, 0x23}));

TEST_F(TransferUploadTest, EachFurtherEntryIsRequestedWithItsOwnClass) {
    const Bytes first = Pattern(1024, 0x10); // exactly one full packet
    const Bytes second = Pattern(10, 0x20);
    ASSERT_EQ(1, transfer.SrcData().append(BlockEntry(first, TransferClass::P2)));
    ASSERT_EQ(1, transfer.SrcData().append(BlockEntry(second, TransferClass::Sky)));
    Connect();
    TraceCapture trace;
    transfer.SendWakeUp();
    transfer.RequestSendFile(4);
    ASSERT_TRUE(RunUntil([&] { return ui.Finished(); }));

    EXPECT_EQ(Join({WakeUpBytes(), RequestBytes(0x24), kUploadGo, BlockBytes(first), RequestBytes(0x23), kUploadGo,
                    BlockBytes(second)}),
              simulator->receivedBytes());
    ASSERT_TRUE(simulator->waitForBlocks(2, 1s));
    EXPECT_EQ(second, simulator->receivedBlocks()[1].bytes);
    EXPECT_TRUE(trace.contains("--------> Request next file\n"));
    EXPECT_TRUE(trace.contains("START : m_nCurSrcData=1\n -> send file size : 0xa\n"));
    EXPECT_TRUE(trace.contains(" -> send buffer, (10 + 4)\n"));
    bool secondOfTwo = false;
    for (const ProgressReport& report : ui.reports)
        secondOfTwo |= report.upload.uploading && report.upload.entryNumber == 2 && report.upload.entryCount == 2;
    EXPECT_TRUE(secondOfTwo);
}

TEST_F(TransferUploadTest, ANakResendsExactlyThePacketItAnswered) {
    const Bytes contents = Pattern(2500, 0x44);
    for (int nakPacket : {1, 2, 3}) { // the first, a middle and the last, short packet
        SCOPED_TRACE(nakPacket);
        ReceiverBehaviour behaviour;
        behaviour.faults.nakPacket = nakPacket;
        Connect(behaviour);
        ui.reports.clear();
        StartUpload("update.key", contents);
        ASSERT_TRUE(RunUntil([&] { return ui.Finished(); }));
        EXPECT_EQ(Join({WakeUpBytes(), RequestBytes(0x24), kUploadGo, BlockBytes(contents, nakPacket)}),
                  simulator->receivedBytes());
        ASSERT_TRUE(simulator->waitForBlocks(1, 1s));
        EXPECT_EQ(contents, simulator->receivedBlocks()[0].bytes);
        EXPECT_EQ(-1, ui.reports.back().value);
        port.Close();
        simulator->stop();
    }
}

// How an upload ends when the receiver stops it: only an end after the last packet of the last entry is a
// completion. Either way the state is Idle before the report, and the path and the entries are forgotten.
struct UploadEndCase {
    const char* name;
    std::vector<std::size_t> entrySizes;
    int endAtPacket;
    int errorAtPacket;
    int expectedReport;
};

class UploadEndTest : public TransferUploadTest, public ::testing::WithParamInterface<UploadEndCase> {};

TEST_P(UploadEndTest, OnlyAnEndAfterEverythingWasSentCompletes) {
    const UploadEndCase& param = GetParam();
    ReceiverBehaviour behaviour;
    behaviour.faults.endAtPacket = param.endAtPacket;
    behaviour.faults.errorAtPacket = param.errorAtPacket;
    Connect(behaviour);
    for (const std::size_t size : param.entrySizes)
        ASSERT_EQ(1, transfer.SrcData().append(BlockEntry(Pattern(size, 0x45), TransferClass::P2)));
    transfer.SetFilePath(PathIn("update.key"));
    std::vector<TransferState> statesAtEnd;
    ui.onReport = [&](int value) {
        if (value == -1 || value == -2)
            statesAtEnd.push_back(transfer.State());
    };
    TraceCapture trace;
    transfer.SendWakeUp();
    transfer.RequestSendFile(4);
    ASSERT_TRUE(RunUntil([&] { return ui.Finished(); }));
    RunFor(50ms);

    EXPECT_EQ(param.expectedReport, ui.reports.back().value);
    EXPECT_EQ(param.expectedReport == -2, trace.contains("Protocol Error case 1\n")) << trace.text();
    EXPECT_EQ(std::vector<TransferState>{TransferState::Idle}, statesAtEnd);
    EXPECT_TRUE(transfer.FilePath().empty());
    EXPECT_EQ(0u, transfer.SrcData().count());
    EXPECT_FALSE(transfer.IsTransferRunning());
}

INSTANTIATE_TEST_SUITE_P(Endings, UploadEndTest,
                         ::testing::Values(UploadEndCase{"EndInTheMiddle", {2500}, 2, 0, -2},
                                           UploadEndCase{"EndWithAnEntryLeft", {2500, 10}, 3, 0, -2},
                                           UploadEndCase{"EndAfterTheLastPacket", {2500}, 3, 0, -1},
                                           UploadEndCase{"ErrorInsteadOfTheAcknowledgement", {2500}, 0, 2, -2}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(TransferUploadTest, SilenceLeavesTheUploadWaitingUntilDisconnect) {
    ReceiverBehaviour behaviour;
    behaviour.faults.silentAfterPacket = 1;
    Connect(behaviour);
    StartUpload("update.key", Pattern(2500, 0x46));
    ASSERT_TRUE(RunUntil([&] { return ui.HasReport(2); })); // the second packet went out
    RunFor(300ms);
    EXPECT_EQ(TransferState::UploadAwaitAck, transfer.State());
    EXPECT_FALSE(ui.Finished());

    MemorySettingsStore store;
    Connection connection(port, store, texts, ui);
    connection.SetTransferControl(&transfer);
    connection.DisconnectCommand();
    EXPECT_EQ(TransferState::Idle, transfer.State());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(transfer.FilePath().empty()); // a later download can never take the upload's file
    EXPECT_FALSE(transfer.IsTransferRunning());
}
