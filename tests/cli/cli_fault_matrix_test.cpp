// Every transfer of vorlane-cli against every fault the receiver or the line may commit. Each run ends in exactly
// one of two ways: completed with the file arrived byte for byte, or an error reported with exit status 1, the
// target file as it was and no temporary file left.

#include "cli_loader_fixture.h"

using namespace vorlane;
using namespace vorlane::test;

namespace {

enum class TransferKind { Upload, ForcedUpload, Download };
enum class Fault { None, Nak, CorruptSum, Error, EarlyEnd, Silence, LineLoss };

const char* const kKindNames[] = {"Upload", "ForcedUpload", "Download"};
const char* const kFaultNames[] = {"NoFault", "Nak", "CorruptSum", "Error", "EarlyEnd", "Silence", "LineLoss"};

// The file is three packets long: 1024, 1024 and 452 bytes.
constexpr std::size_t kFileLength = 2500;

bool Completes(Fault fault) {
    return fault == Fault::None || fault == Fault::Nak || fault == Fault::CorruptSum;
}

// On a download the PC answers the packets: a NAK is its answer to a damaged packet, and a corrupt sum is tried
// on the last, short one.
SimulatorFaults FaultsFor(TransferKind kind, Fault fault) {
    const bool download = kind == TransferKind::Download;
    SimulatorFaults faults;
    switch (fault) {
    case Fault::None:
        break;
    case Fault::Nak:
        (download ? faults.corruptDownloadPacket : faults.nakPacket) = 2;
        break;
    case Fault::CorruptSum:
        (download ? faults.corruptDownloadPacket : faults.corruptUploadPacket) = 3;
        break;
    case Fault::Error:
        faults.errorAtPacket = 1;
        break;
    case Fault::EarlyEnd:
        faults.endAtPacket = 1;
        break;
    case Fault::Silence:
        faults.silentAfterPacket = 1;
        break;
    case Fault::LineLoss:
        faults.closeAfterPacket = 1;
        break;
    }
    return faults;
}

using MatrixCell = std::tuple<TransferKind, Fault>;

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
    behaviour.faults = FaultsFor(kind, fault);
    behaviour.restartAfterBreakIn = 50ms;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::MainSoftware)] = data;
    StartSimulator(behaviour);

    Bytes expected = data; // what has to arrive
    std::vector<std::string> args = {"--device", Link(), "--idle-timeout", "1"};
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
    if (Completes(fault)) {
        EXPECT_EQ(0, result.exitCode) << result.err;
        EXPECT_TRUE(Contains(result.out, "Completed\n")) << result.out;
        if (kind == TransferKind::Download) {
            EXPECT_EQ(data, ReadFile("main.bin"));
        } else {
            ASSERT_TRUE(simulator->waitForBlocks(1, 1s));
            EXPECT_EQ(expected, simulator->receivedBlocks()[0].bytes);
        }
        return;
    }
    EXPECT_EQ(1, result.exitCode) << result.out << result.err;
    EXPECT_FALSE(Contains(result.out, "Completed")) << result.out;
    const bool silent = kind == TransferKind::Download ? fault != Fault::LineLoss : fault == Fault::Silence;
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
                                            ::testing::Values(Fault::None, Fault::Nak, Fault::CorruptSum, Fault::Error,
                                                              Fault::EarlyEnd, Fault::Silence, Fault::LineLoss)),
                         [](const ::testing::TestParamInfo<MatrixCell>& info) {
                             return std::string(kKindNames[static_cast<int>(std::get<0>(info.param))]) +
                                    kFaultNames[static_cast<int>(std::get<1>(info.param))];
                         });
