#include "loader/transfer_channel_header.h"
#include "loader/transfer_requests.h"
#include "transfer_fixture.h"

#include <iterator>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

const Bytes kGo = {0xFA};
const Bytes kNext = {0xFA, 0xFA};
const Bytes kAgain = {0xFC, 0xFA};

class TransferDownloadTest : public TransferSimTest {
protected:
    void StartDownload(int receiveFileType, const std::string& path) {
        m_transfer.SetReceiveFileType(receiveFileType);
        m_transfer.SetDownloadPath(path);
        EXPECT_EQ(1, m_transfer.SendWakeUp());
        EXPECT_EQ(1, m_transfer.RequestDownload(receiveFileType));
    }
};

struct DownloadCase {
    const char* name;
    DownloadKind kind;
    int receiveFileType;
    Bytes file;
    int corruptPacket;
    int packets;
    Bytes answers; // what the PC sends after the wake-up
};

class TransferDownloadEndTest : public TransferDownloadTest, public ::testing::WithParamInterface<DownloadCase> {};

} // namespace

TEST_P(TransferDownloadEndTest, TheFileIsStoredExactlyAndReplacesTheChosenFileWhenComplete) {
    const DownloadCase& c = GetParam();
    SimulatorFaults faults;
    faults.corruptDownloadPacket = c.corruptPacket;
    ConnectWithDownload(c.kind, c.file, faults);
    const std::string target = PathIn("target.bin");
    WriteFile(target, BytesOf("an older download"));
    TraceCapture trace;
    StartDownload(c.receiveFileType, target);
    ASSERT_TRUE(RunUntil([&] { return m_ui.Finished(); }));

    const Bytes transcript = Join({WakeUpBytes(), c.answers});
    EXPECT_EQ(transcript, ReceivedAtLeast(transcript.size()));
    Bytes expected = c.file;
    // A channel download gets a rebuilt block header over the received data.
    const bool channel = c.kind == DownloadKind::Channel && !expected.empty();
    ASSERT_TRUE(!channel || RebuildChannelHeader(expected) == 1);
    EXPECT_EQ(channel, trace.Contains("Converted...\n"));
    EXPECT_EQ(expected, ReadFile(target));
    EXPECT_EQ(std::vector<std::string>{"target.bin"}, FolderFiles());
    EXPECT_EQ(ProgressEvent::Completed, m_ui.reports.back().event);
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
    EXPECT_TRUE(m_transfer.DownloadPath().empty());
    ASSERT_EQ(1u, m_ui.begins.size());
    EXPECT_EQ(c.packets, m_ui.begins[0].value);
    EXPECT_EQ(target + "|Downloading", m_ui.begins[0].text);
    EXPECT_FALSE(m_ui.reports.front().upload.uploading);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, TransferDownloadEndTest,
    ::testing::Values(DownloadCase{"MainSoftware", DownloadKind::MainSoftware, kReceiveMainSoftware,
                                   Pattern(2500, 0x51), 0, 3, Join({DownloadRequest(0x23), kGo, kNext, kNext, kNext})},
                      // A corrupted packet is answered with a repeat and not written.
                      DownloadCase{"CorruptedPacket", DownloadKind::MainSoftware, kReceiveMainSoftware,
                                   Pattern(2500, 0x53), 2, 3,
                                   Join({DownloadRequest(0x23), kGo, kNext, kAgain, kNext, kNext})},
                      DownloadCase{"Channel", DownloadKind::Channel, kReceiveChannel, Pattern(3000, 0x52), 0, 3,
                                   Join({DownloadRequest(0x24), kGo, kNext, kNext, kNext})},
                      // An announced size of zero completes at once with an empty file.
                      DownloadCase{"SizeZero", DownloadKind::Channel, kReceiveChannel, Bytes{}, 0, 0,
                                   Join({DownloadRequest(0x24), kGo})}),
    [](const ::testing::TestParamInfo<DownloadCase>& downloadCase) { return downloadCase.param.name; });

// The choice is modal: the rest of the first packet, cut into pieces, arrives while it is open and waits for it.
TEST_F(TransferDownloadTest, WithoutAPathTheFileIsChosenAndACancelOrAFolderThatCannotTakeItRefusesIt) {
    ReceiverBehaviour behaviour;
    behaviour.downloads[static_cast<std::size_t>(DownloadKind::MainSoftware)] = Pattern(3000, 0x57);
    SimulatorConfig config;
    config.splitOutputBytes = 512;
    Connect(behaviour, config);
    std::string chosen;
    int choices = 0;
    TransferHooks hooks;
    hooks.chooseDownloadFile = [&](std::string& path) {
        ++choices;
        RunFor(200ms);
        path = chosen;
        return !chosen.empty();
    };
    m_transfer.SetHooks(hooks);
    StartDownload(kReceiveMainSoftware, "");
    ASSERT_TRUE(RunUntil([&] { return m_ui.Finished(); }));
    EXPECT_EQ(1, choices);
    EXPECT_EQ(ProgressEvent::Error, m_ui.reports.back().event);
    EXPECT_EQ("The file is not selected.", m_ui.reports.back().text);
    const Bytes refused = Join({WakeUpBytes(), DownloadRequest(0x23), kGo, Bytes{0xFE}});
    EXPECT_EQ(refused, ReceivedAtLeast(refused.size()));
    EXPECT_TRUE(FolderFiles().empty());
    EXPECT_EQ(TransferState::Idle, m_transfer.State());

    chosen = PathIn("chosen.bin");
    m_ui.reports.clear();
    StartDownload(kReceiveMainSoftware, "");
    ASSERT_TRUE(RunUntil([&] { return m_ui.Finished(); }));
    EXPECT_EQ(Pattern(3000, 0x57), ReadFile(chosen));
    EXPECT_EQ(ProgressEvent::Completed, m_ui.reports.back().event);

    m_ui.reports.clear();
    StartDownload(kReceiveMainSoftware, PathIn("missing-folder/main.bin"));
    ASSERT_TRUE(RunUntil([&] { return m_ui.Finished(); }));
    EXPECT_EQ(ProgressEvent::Error, m_ui.reports.back().event);
    EXPECT_EQ("Can't open the file.", m_ui.reports.back().text);
    EXPECT_EQ(TransferState::Idle, m_transfer.State());
}

TEST_F(TransferDownloadTest, AReplacedFileKeepsItsPermissionsAndALinkStaysInPlace) {
    namespace fs = std::filesystem;
    const Bytes software = Pattern(1500, 0x58);
    ConnectWithDownload(DownloadKind::MainSoftware, software);
    fs::create_directory(mFolder / "real");
    const std::string real = PathIn("real/target.bin");
    WriteFile(real, Bytes{1, 2, 3});
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, mode);
    fs::create_symlink("real/target.bin", mFolder / "link.bin");

    for (const char* chosen : {"real/target.bin", "link.bin"}) {
        SCOPED_TRACE(chosen);
        WriteFile(real, Bytes{1, 2, 3});
        m_ui.reports.clear();
        StartDownload(kReceiveMainSoftware, PathIn(chosen));
        ASSERT_TRUE(RunUntil([&] { return m_ui.Finished(); }));
        EXPECT_EQ(ProgressEvent::Completed, m_ui.reports.back().event);
        EXPECT_EQ(software, ReadFile(real));
        EXPECT_EQ(mode, fs::status(real).permissions());
        EXPECT_TRUE(fs::is_symlink(mFolder / "link.bin"));
        EXPECT_EQ(2u, FolderFiles().size()); // the link and the folder, whose only file is the target

        EXPECT_EQ(1, std::distance(fs::directory_iterator(mFolder / "real"), fs::directory_iterator()));
    }
}
