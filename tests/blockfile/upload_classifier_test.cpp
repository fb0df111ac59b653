#include "blockfile/upload_classifier.h"

#include "block_file_builder.h"
#include "platform/trace.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

const std::vector<std::uint8_t> kPlainBytes = {'n', 'o', 't', ' ', 'a', ' ', 'b', 'l', 'o', 'c', 'k'};

// The database tag with its NUL, then data.
const std::vector<std::uint8_t> kDatabaseFile = {'Q', 'V', '1', ' ', 'T', 'P',  'D',  'B',  ' ',
                                                 'D', 'a', 't', 'a', 0,   0x33, 0x33, 0x33, 0x33};

void ExpectWholeFile(const BlockTable& table, TransferClass transferClass, const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(1u, table.Count());
    EXPECT_EQ(transferClass, table[0].EntryClass());
    EXPECT_FALSE(table.BlockFileFlag());
    EXPECT_EQ(bytes.size(), table[0].size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), table[0].Content().begin()));
}

TEST(UploadClassifier, WholeFileKindsByContentAndName) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool accepted;
        TransferClass transferClass;
    } cases[] = {
        {"update.key", kPlainBytes, true, TransferClass::P2},
        {"UPDATE.Key", kPlainBytes, true, TransferClass::P2},
        {"dir/KEY", kPlainBytes, true, TransferClass::P2},
        {"x.s1", kPlainBytes, true, TransferClass::Sky},
        {"x.S1", kPlainBytes, false, {}},
        {"x.bin", kPlainBytes, false, {}},
        {"ey", kPlainBytes, false, {}},
        {"", kPlainBytes, false, {}},
        {"tp.bin", kDatabaseFile, true, TransferClass::P2Gold},
        {"tp.key", kDatabaseFile, true, TransferClass::P2Gold}, // content wins over the name
        {"tp.bin", {'Q', 'V', '1', ' ', 'T', 'P', 'D', 'B', ' ', 'D', 'a', 't', 'a', 'X'}, false, {}}, // needs its NUL
        {"empty.KeY", {}, true, TransferClass::P2}, // empty files are classified by name only
        {"empty.s1", {}, true, TransferClass::Sky},
        {"empty.bin", {}, false, {}},
    };
    for (const auto& c : cases) {
        BlockTable table;
        EXPECT_EQ(c.accepted, ClassifyUploadFile(c.name, c.bytes, table)) << c.name;
        if (c.accepted)
            ExpectWholeFile(table, c.transferClass, c.bytes);
        else
            EXPECT_TRUE(table.empty()) << c.name;
    }
}

TEST(UploadClassifier, BlockFilesWinOverTheNameAndFailedOnesFallBackToTheWholeFile) {
    std::vector<std::uint8_t> file;
    AppendBlock(file, 0xB8, PatternData(100, 5));
    AppendBlock(file, 0xB1, PatternData(10, 6));
    BlockTable table;
    ASSERT_TRUE(ClassifyUploadFile("update.key", file, table));
    ASSERT_EQ(2u, table.Count());
    EXPECT_EQ(TransferClass::Program, table[0].EntryClass());
    EXPECT_TRUE(table.BlockFileFlag()) << "a block file always goes through the boot monitor";

    file.push_back(0x00); // one stray byte
    BlockFileReport report;
    ASSERT_TRUE(ClassifyUploadFile("x.s1", file, table, &report));
    EXPECT_EQ(BlockFileFault::TruncatedHeader, report.fault);
    ExpectWholeFile(table, TransferClass::Sky, file);
    ASSERT_FALSE(ClassifyUploadFile("x.bin", file, table));
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(table.BlockFileFlag());

    file.clear();
    for (int i = 0; i < 51; ++i)
        AppendBlock(file, 0xB1, PatternData(3, static_cast<std::uint8_t>(i)));
    EXPECT_FALSE(ClassifyUploadFile("many.bin", file, table, &report));
    EXPECT_EQ(BlockFileFault::TooManyBlocks, report.fault);
    EXPECT_TRUE(table.empty());
}

TEST(UploadClassifier, LoadingFromDiskReportsWhyAFileIsRefused) {
    const ScratchFolder folder("vorlane-blockfile");
    const auto write = [&folder](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(folder.PathIn(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return folder.PathIn(name);
    };
    BlockTable table;
    UploadRefusal refusal = UploadRefusal::None;
    {
        TraceCapture capture;
        EXPECT_FALSE(LoadUploadFile("", table, &refusal));
        EXPECT_EQ(UploadRefusal::NoFileSelected, refusal);
        EXPECT_EQ("File is not selected...\n", capture.Text());
    }
    for (const std::string& unreadable : {folder.PathIn("missing.key"), folder.Path().string()}) {
        EXPECT_FALSE(LoadUploadFile(unreadable, table, &refusal));
        EXPECT_EQ(UploadRefusal::CannotOpen, refusal);
    }
    EXPECT_FALSE(LoadUploadFile(write("plain.txt", kPlainBytes), table, &refusal));
    EXPECT_EQ(UploadRefusal::NotAcceptable, refusal);
    const std::vector<std::uint8_t> large(70000, 0x4B); // more than one read
    EXPECT_TRUE(LoadUploadFile(write("update.key", large), table, &refusal));
    EXPECT_EQ(UploadRefusal::None, refusal);
    ExpectWholeFile(table, TransferClass::P2, large);
}

} // namespace
} // namespace vorlane::testing
