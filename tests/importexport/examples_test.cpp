// The example files shipped for the README import completely and give consistent lists.

#include "importexport/channel_list_importer.h"
#include "importexport/satcodx_importer.h"

#include "import_test_util.h"
#include "support/list_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

std::vector<std::uint8_t> readExample(const std::string& name) {
    std::ifstream in(std::string(VORLANE_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using ExampleFiles = ImportTest;

} // namespace

TEST_F(ExampleFiles, ChannelListImportsCompletely) {
    const std::vector<std::uint8_t> file = readExample("channels.dat");
    ASSERT_FALSE(file.empty());
    const ImportResult result = ChannelListImporter::Read(db, file);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(3, result.satellites);
    EXPECT_EQ(12, result.transponders);
    EXPECT_EQ(22, result.channels);
    EXPECT_EQ(-300, db.satellite(2).orbitalPosition());

    db.BuildAllLists();
    EXPECT_TRUE(verifyLists(db));
    EXPECT_EQ(13u, listPks(db, ListKind::Tuner1Tv).size());
    EXPECT_EQ(8u, listPks(db, ListKind::Tuner1Radio).size());
    EXPECT_EQ(1u, listPks(db, ListKind::Tuner1Data).size());
}

TEST_F(ExampleFiles, SatcodxFileImportsCompletely) {
    const std::vector<std::uint8_t> file = readExample("channels.sdx");
    ASSERT_FALSE(file.empty());
    const ImportResult result = SatcodxImporter::Read(db, file);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(2, result.satellites);
    EXPECT_EQ(10, result.channels);
    EXPECT_EQ("Meridian 2 (13E)", db.satellite(1).name());
    EXPECT_EQ("Radio Laguna Classic", db.channel(8).name());
    EXPECT_EQ(640, db.channel(0).audioPid(0));

    db.BuildAllLists();
    EXPECT_TRUE(verifyLists(db));
    EXPECT_EQ(6u, listPks(db, ListKind::Tuner1Tv).size());
    EXPECT_EQ(3u, listPks(db, ListKind::Tuner1Radio).size());
    EXPECT_EQ(1u, listPks(db, ListKind::Tuner1Data).size());
}
