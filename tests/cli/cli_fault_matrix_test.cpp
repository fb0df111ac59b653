// Every transfer of vorlane-cli against every fault the receiver or the line may commit.

#include "cli_loader_fixture.h"

using namespace vorlane;
using namespace vorlane::testing;

namespace {

enum class TransferKind { Upload, ForcedUpload, Download };
const char* const kKindNames[] = {"Upload", "ForcedUpload", "Download"};

// The file is three packets long: 1024, 1024 and 452 bytes.
constexpr std::size_t kFileLength = 2500;

// A fault at `packet` in an upload and in a download (where the PC's NAK answers a damaged packet).
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

class FaultMatrixTest : public CliLoaderTest, public ::testing::WithParamInterface<MatrixCell> {};

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
        // The port's device is the COMn link in VORLANE_SERIAL_DIR.
        args = {"download", "--port", "5", "--speed", "115200", "--idle-timeout", "1", "--what", "main", "main.bin"};
    } else if (kind == TransferKind::Upload) {
        WriteFile("update.key", data);
        args.insert(args.begin(), "upload");
        args.push_back("update.key");
    } else {
        expected = WriteBlockFile("software.bin", kFileLength - 128);
        args.insert(args.begin(), "upload");
        args.insert(args.end(), {"--wait", "10", "software.bin"});
    }
    const CliRun result = Finish(Spawn(args, {"VORLANE_SERIAL_DIR=" + PathIn("")}));

    for (const auto& entry : fs::recursive_directory_iterator(mFolder)) // no temporary file is left
        EXPECT_THAT(entry.path().filename().string(), Not(HasSubstr(".part-")));
    if (fault.completes) {
        EXPECT_EQ(0, result.exitCode) << result.err;
        EXPECT_EQ(kind == TransferKind::ForcedUpload ? "Reset your STB(s).\nCompleted\n" : "Completed\n", result.out);
        if (kind == TransferKind::Download) {
            EXPECT_THAT(result.err, HasSubstr("Downloading\n0%\n33%\n66%\n100%\n"));
            EXPECT_EQ(data, ReadFile("main.bin"));
            return;
        }
        ASSERT_TRUE(m_simulator->WaitForBlocks(1, 1s));
        EXPECT_EQ(expected, m_simulator->ReceivedBlocks()[0].bytes);
        if (kind == TransferKind::Upload) {
            EXPECT_EQ(4, m_simulator->ReceivedBlocks()[0].transferClass);
            if (!fault.upload) { // not a terminal: plain lines
                EXPECT_THAT(result.err, HasSubstr("Uploading\n0%  (1/1)\n33%  (1/1)\n66%  (1/1)\n100%  (1/1)\n"));
                EXPECT_THAT(result.err, Not(HasSubstr("\r")));
            }
            EXPECT_THAT(ReadText("config/Vorlane/Vorlane.ini"), HasSubstr("BinFileName=" + PathIn("update.key")));
        }
        return;
    }
    EXPECT_EQ(1, result.exitCode) << result.out << result.err;
    EXPECT_THAT(result.out, Not(HasSubstr("Completed")));
    const std::string faultName = fault.name;
    const bool silent = kind == TransferKind::Download ? faultName != "LineLoss" : faultName == "Silence";
    const std::string message = silent ? "The receiver did not answer for 1 s\n"
                                       : "Error occurred... Please check the displayed message of the STB\n";
    EXPECT_THAT(result.out, HasSubstr(message));
    if (kind == TransferKind::Download)
        EXPECT_EQ(before, ReadFile("main.bin"));
    else
        EXPECT_TRUE(m_simulator->ReceivedBlocks().empty());
}

INSTANTIATE_TEST_SUITE_P(AllCells, FaultMatrixTest,
                         ::testing::Combine(::testing::Values(TransferKind::Upload, TransferKind::ForcedUpload,
                                                              TransferKind::Download),
                                            ::testing::ValuesIn(kFaults)),
                         [](const ::testing::TestParamInfo<MatrixCell>& cell) {
                             return std::string(kKindNames[static_cast<int>(std::get<0>(cell.param))]) +
                                    std::get<1>(cell.param).name;
                         });
