// Every transfer of vorlane-cli against every fault the receiver or the line may commit. Each run ends in exactly
// one of two ways: completed with the file arrived byte for byte, or an error reported with exit status 1, the
// target file as it was and no temporary file left.

#include "cli_loader_fixture.h"

using namespace vorlane;
using namespace vorlane::testing;

namespace {

enum class TransferKind { Upload, ForcedUpload, Download };
const char* const kKindNames[] = {"Upload", "ForcedUpload", "Download"};

// The file is three packets long: 1024, 1024 and 452 bytes.
constexpr std::size_t kFileLength = 2500;

// A fault at packet `packet`, as the receiver commits it in an upload and in a download. On a download the PC
// answers the packets, so a NAK is its answer to a damaged packet.
struct FaultCase {
    const char* name;
    int SimulatorFaults::*upload;
    int SimulatorFaults::*download;
    int packet;
    bool completes;
};

const FaultCase kFaults[] = {
    {"NoFault", nullptr, nullptr, 0, true},
    {"Nak", &SimulatorFaults::nakPacket, &SimulatorFaults::corruptDownloadPacket, 2, true},
    {"CorruptSum", &SimulatorFaults::corruptUploadPacket, &SimulatorFaults::corruptDownloadPacket, 3, true},
    {"Error", &SimulatorFaults::errorAtPacket, &SimulatorFaults::errorAtPacket, 1, false},
    {"EarlyEnd", &SimulatorFaults::endAtPacket, &SimulatorFaults::endAtPacket, 1, false},
    {"Silence", &SimulatorFaults::silentAfterPacket, &SimulatorFaults::silentAfterPacket, 1, false},
    {"LineLoss", &SimulatorFaults::closeAfterPacket, &SimulatorFaults::closeAfterPacket, 1, false},
};

using MatrixCell = std::tuple<TransferKind, FaultCase>;

class FaultMatrixTest : public CliLoaderTest, public ::testing::WithParamInterface<MatrixCell> {
protected:
    std::vector<std::string> TemporaryFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (Contains(entry.path().filename().string(), ".part-"))
                names.push_back(entry.path().string());
        return names;
    }
};

} // namespace

TEST_P(FaultMatrixTest, EndsCompletedAndIdenticalOrFailedWithNothingTouched) {
    const auto [kind, fault] = GetParam();
    const Bytes data = Pattern(kFileLength, 0x51);
    ReceiverBehaviour behaviour;
    if (const auto field = kind == TransferKind::Download ? fault.download : fault.upload)
        behaviour.faults.*field = fault.packet;
    behaviour.restartAfterBreakIn = 50ms;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::MainSoftware)] = data;
    StartSimulator(behaviour);

    Bytes expected = data; // what has to arrive
    std::vector<std::string> args = {"--device", Link(), "--speed", "115200", "--idle-timeout", "1"};
    const Bytes before = Pattern(300, 0x52); // a download's target as it was
    if (kind == TransferKind::Download) {
        WriteFile("main.bin", before);
        args.insert(args.begin(), "download");
        args.insert(args.end(), {"--what", "main", "main.bin"});
    } else if (kind == TransferKind::Upload) {
        WriteFile("update.key", data);
        args.insert(args.begin(), "upload");
        args.push_back("update.key");
    } else {
        expected = WriteBlockFile("software.bin", kFileLength - 128);
        args.insert(args.begin(), "upload");
        args.insert(args.end(), {"--wait", "10", "software.bin"});
    }
    const CliRun result = Run(args);

    EXPECT_TRUE(TemporaryFiles().empty());
    if (fault.completes) {
        EXPECT_EQ(0, result.exitCode) << result.err;
        EXPECT_EQ(kind == TransferKind::ForcedUpload ? "Reset your STB(s).\nCompleted\n" : "Completed\n", result.out);
        if (kind == TransferKind::Download) {
            EXPECT_TRUE(Contains(result.err, "Downloading\n0%\n33%\n66%\n100%\n")) << result.err;
            EXPECT_EQ(data, ReadFile("main.bin"));
            return;
        }
        ASSERT_TRUE(simulator->waitForBlocks(1, 1s));
        EXPECT_EQ(expected, simulator->receivedBlocks()[0].bytes);
        if (kind == TransferKind::Upload) {
            EXPECT_EQ(4, simulator->receivedBlocks()[0].transferClass);
            if (!fault.upload) { // not a terminal: plain lines
                EXPECT_TRUE(Contains(result.err, "Uploading\n0%  (1/1)\n33%  (1/1)\n66%  (1/1)\n100%  (1/1)\n"))
                    << result.err;
                EXPECT_FALSE(Contains(result.err, "\r"));
            }
            EXPECT_TRUE(Contains(ReadText("config/Vorlane/Vorlane.ini"), "BinFileName=" + PathIn("update.key")));
        }
        return;
    }
    EXPECT_EQ(1, result.exitCode) << result.out << result.err;
    EXPECT_FALSE(Contains(result.out, "Completed")) << result.out;
    const std::string faultName = fault.name;
    const bool silent = kind == TransferKind::Download ? faultName != "LineLoss" : faultName == "Silence";
    const std::string message = silent ? "The receiver did not answer for 1 s\n"
                                       : "Error occurred... Please check the displayed message of the STB\n";
    EXPECT_TRUE(Contains(result.out, message)) << result.out << result.err;
    if (kind == TransferKind::Download)
        EXPECT_EQ(before, ReadFile("main.bin"));
    else
        EXPECT_TRUE(simulator->receivedBlocks().empty());
}

INSTANTIATE_TEST_SUITE_P(AllCells, FaultMatrixTest,
                         ::testing::Combine(::testing::Values(TransferKind::Upload, TransferKind::ForcedUpload,
                                                              TransferKind::Download),
                                            ::testing::ValuesIn(kFaults)),
                         [](const ::testing::TestParamInfo<MatrixCell>& cell) {
                             return std::string(kKindNames[static_cast<int>(std::get<0>(cell.param))]) +
                                    std::get<1>(cell.param).name;
                         });
