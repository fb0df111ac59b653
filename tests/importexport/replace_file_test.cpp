#include "importexport/replace_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace vorlane;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vorlane-replace-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

} // namespace

TEST_F(ReplaceFileTest, ReplacingKeepsTheOldFilesPermissionsAndLeavesNoTemporaryFile) {
    const fs::path target = folder / "list.bin";
    std::ofstream(target) << "old";
    ASSERT_EQ(0, ::chmod(target.c_str(), 0640));

    const std::vector<std::uint8_t> bytes{1, 2, 3, 0xFF};
    ASSERT_EQ(1, ReplaceFile(target.string(), bytes));

    EXPECT_EQ(bytes, ReadAll(target));
    struct stat info {};
    ASSERT_EQ(0, ::stat(target.c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 07777);
    EXPECT_EQ(1u, EntriesInFolder());
}

TEST_F(ReplaceFileTest, ATargetThatIsAFolderIsRefusedAndNothingIsLeftBehind) {
    const fs::path target = folder / "sub";
    fs::create_directory(target);
    EXPECT_EQ(0, ReplaceFile(target.string(), std::vector<std::uint8_t>{1}));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(1u, EntriesInFolder());
}
