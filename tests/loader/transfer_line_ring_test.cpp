#include "blockfile/block_header.h"
#include "loader/monitor_line_ring.h"
#include "loader/transfer_channel_header.h"
#include "loader/transfer_download_file.h"
#include "transfer_fixture.h"

using namespace vorlane;
using namespace vorlane::testing;

namespace {

void AddText(MonitorLineRing& ring, const std::string& text) {
    for (const char c : text)
        ring.Add(static_cast<std::uint8_t>(c));
}

std::string CurrentText(const MonitorLineRing& ring) {
    const auto line = ring.CurrentLine();
    return std::string(reinterpret_cast<const char*>(line.data()));
}

} // namespace

// Returns, backspaces and line feeds move the column; a full line continues behind a mark; 100 lines wrap the ring.
TEST(MonitorLineRing, TheColumnAndTheLineMoveAsTheReceiverMeansIt) {
    MonitorLineRing ring;
    AddText(ring, "abcdef\rXY\b\bZ");
    EXPECT_EQ("ZYcdef", CurrentText(ring));
    EXPECT_EQ(1u, ring.Column());

    AddText(ring, "\b\b\b"); // never below column 0
    EXPECT_EQ(0u, ring.Column());

    AddText(ring, "\r\nline");
    EXPECT_EQ(1u, ring.LineIndex());
    EXPECT_EQ("line", CurrentText(ring));

    // A line feed alone keeps the column: the next text starts behind zeros.
    AddText(ring, "\nq");
    EXPECT_EQ(2u, ring.LineIndex());
    EXPECT_EQ(5u, ring.Column());
    EXPECT_EQ(0, ring.CurrentLine()[0]);
    EXPECT_EQ('q', ring.CurrentLine()[4]);

    ring.Clear();
    AddText(ring, std::string(130, 'a'));
    EXPECT_EQ(0u, ring.LineIndex());
    EXPECT_EQ(130u, ring.Column());
    EXPECT_EQ(0, ring.CurrentLine()[130]); // the terminating zero stays
    AddText(ring, "b");
    EXPECT_EQ(1u, ring.LineIndex());
    EXPECT_EQ(">>> b", CurrentText(ring));
    EXPECT_EQ(5u, ring.Column());

    ring.Clear();
    AddText(ring, "first");
    for (int i = 0; i < 99; ++i)
        ring.Add('\n');
    EXPECT_EQ(99u, ring.LineIndex());
    EXPECT_FALSE(ring.Wrapped());
    ring.Add('\n');
    EXPECT_EQ(0u, ring.LineIndex());
    EXPECT_TRUE(ring.Wrapped());
    EXPECT_EQ("", CurrentText(ring)); // the old line 0 was emptied

    AddText(ring, "\r[d-MON] boot monitor> ");
    EXPECT_TRUE(ring.CurrentLineStartsWith("[d-MON]"));
    ring.BlankStart(4);
    EXPECT_TRUE(ring.CurrentLineStartsWith("    ON]"));

    ring.Clear();
    EXPECT_EQ(0u, ring.LineIndex());
    EXPECT_EQ(0u, ring.Column());
    EXPECT_FALSE(ring.Wrapped());
    EXPECT_EQ("", CurrentText(ring));
}

TEST(ChannelHeaderRebuild, KeepsTheLoadAddressAndDescribesTheReceivedData) {
    Bytes file = Pattern(128 + 300, 0x5A);
    WriteBe16(file.data() + 0x32, 0x1122); // the load address, in two halves
    WriteBe16(file.data() + 0x36, 0x3344);
    const std::vector<std::uint8_t> data(file.begin() + 128, file.end());
    ASSERT_EQ(1, RebuildChannelHeader(file));

    const BlockHeader header(file);
    EXPECT_EQ(0x11223344u, header.LoadAddress());
    EXPECT_EQ(0xB2, header.BlockId());
    EXPECT_EQ(300u, header.DataLength());
    EXPECT_EQ(Checksum(data), header.Crc());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), file.begin() + 128));
    const std::vector<std::uint8_t> expectedStart = {0xEF, 0xEF, 0x01, 0x02, 0x11, 0x22, 0xEF, 0xEF, 0x33, 0x44};
    EXPECT_EQ(expectedStart, std::vector<std::uint8_t>(file.begin() + 0x2E, file.begin() + 0x38));
    EXPECT_EQ(0xA5, file[0x60]);
    EXPECT_EQ(0xEF, file[0x7F]);
    EXPECT_EQ(0xEF, file[0x00]);
    EXPECT_TRUE(header.SignatureValid());
    EXPECT_FALSE(header.MonitorMode());

    // An empty address in the header is taken from the file start.
    file.assign(128, 0);
    WriteBe16(file.data() + 2, 0xABCD);
    WriteBe16(file.data() + 6, 0x0123);
    file[0x32] = file[0x33] = file[0x36] = file[0x37] = 0xFF;
    EXPECT_EQ(0xABCD0123u, ReceivedChannelLoadAddress(file));
    ASSERT_EQ(1, RebuildChannelHeader(file));
    EXPECT_EQ(0u, BlockHeader(file).DataLength());

    std::vector<std::uint8_t> shortFile(127, 0x77);
    EXPECT_EQ(0, RebuildChannelHeader(shortFile));
    EXPECT_EQ(std::vector<std::uint8_t>(127, 0x77), shortFile);
}

TEST(TransferDownloadFile, TheTemporaryFileLiesBesideTheTargetForTheRename) {
    const ScratchFolder folder("vorlane-download");
    TransferDownloadFile file;
    ASSERT_EQ(1, file.Create(folder.PathIn("out.bin")));
    EXPECT_EQ(folder.Path(), std::filesystem::path(file.TemporaryPath()).parent_path());
}
