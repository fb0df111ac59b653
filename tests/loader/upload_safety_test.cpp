#include "loader/channel_image_compare.h"
#include "loader/receiver_backups.h"
#include "scoped_environment.h"
#include "storage/flash_sector.h"
#include "support/channel_file_sample.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <tuple>

using namespace vorlane;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t SectorStart(int physical) {
    return kFirstSectorOffset + kSectorSize * static_cast<std::size_t>(physical);
}

struct CompareCase {
    const char* name;
    std::function<void(Bytes&)> change; // applied to the read-back
    std::array<std::size_t, kImagePartCount> expected;
    const char* description;
};

TEST(ChannelImageCompare, CountsDifferencesPerPartIgnoringOnlyTheHeader) {
    const Bytes sent = vorlane::testing::SampleChannelFile(0x10, 40);
    const std::vector<CompareCase> cases = {
        {"equal", [](Bytes&) {}, {0, 0, 0, 0}, ""},
        {"header rewritten", [](Bytes& b) { std::fill_n(b.begin(), block_header::kSize, 0xFF); }, {0, 0, 0, 0}, ""},
        {"first byte after the header",
         [](Bytes& b) { b[block_header::kSize] ^= 1; },
         {1, 0, 0, 0},
         "1 byte differs (settings pages: 1)"},
        {"satellite sector", [](Bytes& b) { b[SectorStart(1) + 0x200] ^= 1; }, {0, 1, 0, 0}, ""},
        {"channel sectors",
         [](Bytes& b) {
             b[SectorStart(2) + 0x200] ^= 1;
             b[SectorStart(10) + 5] ^= 1;
         },
         {0, 0, 2, 0},
         "2 bytes differ (channels: 2)"},
        {"free sector", [](Bytes& b) { b[SectorStart(11) + 9] = 0; }, {0, 0, 0, 1}, ""},
        {"table only in the read-back",
         [](Bytes& b) { WriteLe32(b, SectorStart(11) + FlashSector::kLogicalOffset, 3); },
         {0, 0, 4, 0},
         ""},
        {"read-back short by 10", [](Bytes& b) { b.resize(b.size() - 10); }, {0, 0, 0, 10}, ""},
        {"read-back empty", [](Bytes& b) { b.clear(); }, {0, 0, 0, 0}, nullptr},
    };
    for (const CompareCase& test : cases) {
        SCOPED_TRACE(test.name);
        Bytes readBack = sent;
        test.change(readBack);
        const ChannelImageDifference difference = CompareChannelImages(sent, readBack);
        if (!test.description) { // everything but the header differs
            EXPECT_EQ(sent.size() - block_header::kSize, difference.Total());
            continue;
        }
        EXPECT_EQ(test.expected, difference.bytes);
        if (*test.description) {
            EXPECT_EQ(test.description, DescribeDifference(difference));
        }
    }
}

void Touch(const std::string& path, const Bytes& bytes = {}) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(ReceiverBackups, FolderNamesOrderPruningAndSummary) {
    {
        const vorlane::testing::ScopedEnvironment dataHome("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ("/data/home/Vorlane/backups", DefaultBackupFolder());
        const vorlane::testing::ScopedEnvironment relative("XDG_DATA_HOME", "relative");
        EXPECT_EQ(std::string(std::getenv("HOME")) + "/.local/share/Vorlane/backups", DefaultBackupFolder());
    }

    ScratchFolder folder("vorlane-backups");
    ASSERT_TRUE(folder.Valid());
    std::tm when{};
    std::tie(when.tm_year, when.tm_mon, when.tm_mday, when.tm_hour, when.tm_min, when.tm_isdst) =
        std::tuple(2026 - 1900, 11, 6, 9, 5, -1);
    const std::time_t moment = std::mktime(&when);
    const std::string first = NewBackupPath(folder.Path().string(), moment);
    EXPECT_EQ(folder.PathIn("channels-20261206-090500.bin"), first);
    Touch(first);
    const std::string second = NewBackupPath(folder.Path().string(), moment);
    EXPECT_EQ(folder.PathIn("channels-20261206-090500-2.bin"), second);
    Touch(second);
    for (int minute = 10; minute < 30; ++minute)
        Touch(NewBackupPath(folder.Path().string(), moment + 60 * minute));
    // Files in a user's backup folder that this program did not write are neither listed nor pruned.
    const std::vector<std::string> foreign = {"channels-notes.txt", "channels-old.bin", "channels-1.bin",
                                              "channels-20261206-0905.bin", "channels-20261206-090500-x.bin"};
    for (const std::string& name : foreign)
        Touch(folder.PathIn(name));

    const std::vector<std::string> all = ListBackups(folder.Path().string());
    ASSERT_EQ(22u, all.size());
    EXPECT_EQ(first, all[0]);
    EXPECT_EQ(second, all[1]);
    EXPECT_EQ("2026-12-06 09:05:00", BackupDateText(first));
    EXPECT_EQ("2026-12-06 09:05:00 (2)", BackupDateText(second));
    EXPECT_EQ(2u, PruneBackups(folder.Path().string()));
    const std::vector<std::string> kept = ListBackups(folder.Path().string());
    EXPECT_EQ(std::vector<std::string>(all.begin() + 2, all.end()), kept);
    for (const std::string& name : foreign)
        EXPECT_TRUE(std::filesystem::exists(folder.PathIn(name))) << name;

    const BackupSummary summary = SummariseChannelImage(vorlane::testing::SampleChannelFile(0x20, 7));
    EXPECT_EQ(kFullImageSize, summary.size);
    EXPECT_EQ(7, summary.tuner1Channels);
    EXPECT_EQ(4, summary.tuner2Channels);
    EXPECT_EQ(0, SummariseChannelImage(MakeFreshImage()).tuner1Channels);
}

} // namespace
