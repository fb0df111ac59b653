#include "blockfile/upload_classifier.h"

#include "block_file_builder.h"
#include "platform/trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace vorlane;
using vorlane::testing::AppendBlock;
using vorlane::testing::PatternData;

namespace {

const std::vector<std::uint8_t> kPlainBytes = {'n', 'o', 't', ' ', 'a', ' ', 'b', 'l', 'o', 'c', 'k'};

std::vector<std::uint8_t> DatabaseFile() {
    const std::string_view tagWithNul{"QV1 TPDB Data\0", 14};
    std::vector<std::uint8_t> file(tagWithNul.size() + 4, 0x33);
    std::copy(tagWithNul.begin(), tagWithNul.end(), file.begin());
    return file;
}

void ExpectWholeFile(const BlockTable& table, TransferClass transferClass, const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(1u, table.count());
    EXPECT_EQ(transferClass, table[0].transferClass());
    EXPECT_FALSE(table.blockFileFlag());
    EXPECT_EQ(bytes.size(), table[0].size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), table[0].bytes().begin()));
}

class TempFolder {
public:
    TempFolder()
        : m_path(std::filesystem::temp_directory_path() / ("vorlane-blockfile-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        const std::filesystem::path file = m_path / name;
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return file.string();
    }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

} // namespace

TEST(UploadClassifier, WholeFileKindsByContentAndName) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool accepted;
        TransferClass transferClass;
    };
    const Case cases[] = {
        {"update.key", kPlainBytes, true, TransferClass::P2},
        {"UPDATE.Key", kPlainBytes, true, TransferClass::P2},
        {"dir/KEY", kPlainBytes, true, TransferClass::P2},
        {"x.s1", kPlainBytes, true, TransferClass::Sky},
        {"x.S1", kPlainBytes, false, {}},
        {"x.bin", kPlainBytes, false, {}},
        {"ey", kPlainBytes, false, {}},
        {"", kPlainBytes, false, {}},
        {"tp.bin", DatabaseFile(), true, TransferClass::P2Gold},
        // Content wins over the name.
        {"tp.key", DatabaseFile(), true, TransferClass::P2Gold},
        // The tag needs its NUL.
        {"tp.bin", {'Q', 'V', '1', ' ', 'T', 'P', 'D', 'B', ' ', 'D', 'a', 't', 'a', 'X'}, false, {}},
        // Empty files are classified by name only.
        {"empty.KeY", {}, true, TransferClass::P2},
        {"empty.s1", {}, true, TransferClass::Sky},
        {"empty.bin", {}, 0, {}},
    };
    for (const Case& c : cases) {
        BlockTable table;
        EXPECT_EQ(c.accepted, ClassifyUploadFile(c.name, c.bytes, table)) << c.name;
        if (c.accepted)
            ExpectWholeFile(table, c.transferClass, c.bytes);
        else
            EXPECT_TRUE(table.empty()) << c.name;
    }
}

TEST(UploadClassifier, BlockFileWinsOverTheKeyName) {
    std::vector<std::uint8_t> file;
    AppendBlock(file, 0xB8, PatternData(100, 5));
    AppendBlock(file, 0xB1, PatternData(10, 6));
    BlockTable table;
    ASSERT_TRUE(ClassifyUploadFile("update.key", file, table));
    ASSERT_EQ(2u, table.count());
    EXPECT_EQ(TransferClass::Program, table[0].transferClass());
    // A block file always goes through the boot monitor, whatever its monitor bytes say.
    EXPECT_TRUE(table.blockFileFlag());
}

TEST(UploadClassifier, FailedBlockReadLeavesOnlyTheWholeFile) {
    std::vector<std::uint8_t> file;
    AppendBlock(file, 0xB1, PatternData(100, 5));
    file.push_back(0x00); // one stray byte
    BlockTable table;
    BlockFileReport report;
    ASSERT_TRUE(ClassifyUploadFile("x.s1", file, table, &report));
    EXPECT_EQ(BlockFileFault::TruncatedHeader, report.fault);
    ExpectWholeFile(table, TransferClass::Sky, file);

    ASSERT_FALSE(ClassifyUploadFile("x.bin", file, table));
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(table.blockFileFlag());
}

TEST(UploadClassifier, MoreThanFiftyBlocksIsNotABlockFile) {
    std::vector<std::uint8_t> file;
    for (int i = 0; i < 51; ++i)
        AppendBlock(file, 0xB1, PatternData(3, static_cast<std::uint8_t>(i)));
    BlockTable table;
    BlockFileReport report;
    EXPECT_FALSE(ClassifyUploadFile("many.bin", file, table, &report));
    EXPECT_EQ(BlockFileFault::TooManyBlocks, report.fault);
    EXPECT_TRUE(table.empty());
}

TEST(UploadClassifier, LoadingFromDiskReportsWhyAFileIsRefused) {
    TempFolder folder;
    BlockTable table;
    UploadRefusal refusal = UploadRefusal::None;
    {
        TraceCapture capture;
        EXPECT_FALSE(LoadUploadFile("", table, &refusal));
        EXPECT_EQ(UploadRefusal::NoFileSelected, refusal);
        EXPECT_EQ("File is not selected...\n", capture.text());
    }
    EXPECT_FALSE(LoadUploadFile(folder.path() + "/missing.key", table, &refusal));
    EXPECT_EQ(UploadRefusal::CannotOpen, refusal);
    EXPECT_FALSE(LoadUploadFile(folder.path(), table, &refusal));
    EXPECT_EQ(UploadRefusal::CannotOpen, refusal);

    EXPECT_FALSE(LoadUploadFile(folder.write("plain.txt", kPlainBytes), table, &refusal));
    EXPECT_EQ(UploadRefusal::NotAcceptable, refusal);

    EXPECT_TRUE(LoadUploadFile(folder.write("update.key", kPlainBytes), table, &refusal));
    EXPECT_EQ(UploadRefusal::None, refusal);
    ExpectWholeFile(table, TransferClass::P2, kPlainBytes);

    std::vector<std::uint8_t> blocks;
    AppendBlock(blocks, 0xB1, PatternData(3000, 1));
    AppendBlock(blocks, 0xB2, PatternData(70000, 2));
    AppendBlock(blocks, 0xB3, PatternData(10, 3));
    ASSERT_TRUE(LoadUploadFile(folder.write("all.bin", blocks), table, &refusal));
    ASSERT_EQ(3u, table.count());
    EXPECT_EQ(TransferClass::Channel, table[1].transferClass());
    EXPECT_EQ(128u + 70000u, table[1].size());
    EXPECT_TRUE(table.blockFileFlag());
}
