#include "blockfile/channel_file.h"
#include "cli_loader_fixture.h"
#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "support/list_check.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

// The file commands need no receiver: the loader tests' fixture runs the program with its own settings folder.
class CliTest : public CliLoaderTest {
protected:
    std::string path(const char* name) const { return PathIn(name); }
    void WriteText(const char* name, const std::string& text) const {
        WriteFile(name, Bytes(text.begin(), text.end()));
    }
};

} // namespace

// Help on standard output with exit 0; a usage error exits 2 with the usage on standard error only.
TEST_F(CliTest, HelpAndUsageErrors) {
    for (const char* command : {"info", "check", "convert", "export", "blocks", "sort", "dedupe", "apply-order", "diff",
                                "upload", "download"}) {
        const CliRun help = Run({command, "--help"});
        EXPECT_EQ(0, help.exitCode) << command;
        EXPECT_TRUE(help.out.starts_with(std::string("Usage: vorlane-cli ") + command)) << help.out;
        EXPECT_EQ("", help.err) << command;
    }
    const std::vector<std::vector<std::string>> cases = {
        {"convert"},
        {"convert", "a"},
        {"convert", "a", "b", "c"},
        {"convert", "-x", "b"},
        {"export", "a"},
        {"info"},
        {"info", "--xml", "a"},
        {"info", "a", "b"},
        {"check"},
        {"check", "--xml", "a"},
        {"blocks"},
        {"blocks", "a", "b"},
        {"export", "--format", "xml", "a", "b"},
        {"sort", "a", "b"},
        {"sort", "--by", "colour", "a", "b"},
        {"dedupe", "a", "b", "--wet-run"},
        {"apply-order", "r", "a"},
        {"apply-order", "r", "a", "b", "--favorites"},
        {"diff", "a"},
        {"diff", "a", "b", "--xml"},
        {"upload"},
        {"upload", "a.key", "b.key"},
        {"upload", "--wait", "soon", "a.key"},
        {"upload", "--idle-timeout", "-1", "a.key"},
        {"upload", "--port", "17", "a.key"},
        {"upload", "--port", "1", "--device", "/dev/null", "a.key"},
        {"upload", "--speed", "1234", "a.key"},
        {"upload", "--fast", "a.key"},
        {"download", "out.bin"},
        {"download", "--what", "all", "out.bin"},
        {"download", "--what", "main"},
        {"download", "--device"},
    };
    for (const std::vector<std::string>& args : cases) {
        const CliRun result = Run(args);
        EXPECT_EQ(2, result.exitCode) << args[0] << " with " << args.size() - 1 << " arguments";
        EXPECT_EQ("", result.out);
        EXPECT_NE(std::string::npos, result.err.find("Usage: vorlane-cli " + args[0]));
    }
}

TEST_F(CliTest, ConvertReproducesASavedFullDatabaseByteForByte) {
    ChannelDatabase db;
    ASSERT_GT(vorlane::testing::makeSampleDatabase(db, vorlane::testing::fullSampleOptions(5)), 0);
    ASSERT_EQ(1, SaveDatabaseFile(db, path("saved.bin")));

    const CliRun convert = Run({"convert", path("saved.bin"), path("converted.bin")});
    EXPECT_EQ(0, convert.exitCode) << convert.err;
    EXPECT_EQ("Complete to write file.\n", convert.out);
    EXPECT_EQ("", convert.err);
    EXPECT_TRUE(ReadFile("saved.bin") == ReadFile("converted.bin"));
}

TEST_F(CliTest, ConvertOfTheRealSatcodxSample) {
    const std::string sample = std::string(VORLANE_TESTDATA_DIR) + "/silva_schneider.sdx";
    if (!fs::exists(sample))
        GTEST_SKIP() << "sample file not present";
    ASSERT_EQ(0, Run({"convert", sample, path("astra.bin")}).exitCode);
    EXPECT_EQ(kChannelFileSize, fs::file_size(path("astra.bin")));

    const CliRun info = Run({"info", "--json", path("astra.bin")});
    EXPECT_EQ(0, info.exitCode);
    EXPECT_NE(std::string::npos, info.out.find("\"kind\": \"channel file\", \"satellites\": 64, "
                                               "\"satellitesWithTransponders\": 1, \"transponders\": 91, "
                                               "\"tuners\": [{\"tv\": 948, \"radio\": 160, \"data\": 0}, "
                                               "{\"tv\": 0, \"radio\": 0, \"data\": 0}], \"settingsRecord\": true"))
        << info.out;

    // The name fills its 16 bytes in the SATCODX file; once cut on the first load, converting is stable.
    ASSERT_EQ(0, Run({"convert", path("astra.bin"), path("again.bin")}).exitCode);
    ASSERT_EQ(0, Run({"convert", path("again.bin"), path("third.bin")}).exitCode);
    EXPECT_TRUE(ReadFile("again.bin") == ReadFile("third.bin"));
    ChannelDatabase db;
    ASSERT_TRUE(OpenDatabaseFile(db, path("third.bin")).accepted);
    EXPECT_EQ("Astra 1 (19.2E)", db.satellite(0).name());
}

namespace {

// A channel file with a channel on tuner 1 whose transponder link points past the table.
Bytes brokenChannelFile(const std::string& channelName) {
    ChannelDatabase db;
    StartLikeEditor(db);
    const ChannelRecord channel = db.channel(0);
    channel.setName(channelName);
    channel.setServiceType(0);
    channel.setPresence(0, 1);
    channel.setTransponderLink(0, LinkWord().withIndex(0x3FFF));
    return ChannelFileBytes(db);
}

} // namespace

// What each command prints and how it exits, for good and for refused inputs: `out` is all of standard output
// unless `outPart`, and standard error holds `err`. A failed command writes no file and keeps what was in the way.
TEST_F(CliTest, CommandsPrintAndExitAsDocumented) {
    const Bytes broken = brokenChannelFile("Caf\xe9");
    WriteFile("caf\xe9.bin", broken);
    const std::string problem = "transponder link names slot 16383, outside the transponder table";
    WriteText("short.bin", std::string(100, 'x'));
    WriteText("junk.bin", "not a block");
    fs::create_directory(path("folder.bin"));
    std::string list;
    for (int i = 0; i < 66; ++i)
        list += ":SAT \"Sat " + std::to_string(i) + "\" " + std::to_string(i) + "\n";
    WriteText("many.dat", list);
    const std::string dat = VORLANE_EXAMPLES_DIR "/channels.dat";

    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
        std::string err;
        bool outPart = false;
    };
    const Case cases[] = {
        {{"convert", path("short.bin"), path("out.bin")}, 1, "", "Failed to open file.\n"},
        {{"convert", path("missing.bin"), path("out.bin")}, 1, "", "Failed to open file.\n"},
        {{"convert", dat, path("folder.bin")}, 1, "", "Failed to write file.\n"},
        {{"convert", path("many.dat"), path("many.bin")},
         0,
         "2 records did not fit into the tables and were left out.\nComplete to write file.\n",
         ""},
        {{"export", VORLANE_EXAMPLES_DIR "/channels.sdx", path("folder.bin")}, 1, "", "folder.bin"},
        {{"info", dat},
         0,
         "file: " + dat +
             "\nkind: channel list\nsatellites: 64 (3 with transponders)\ntransponders: 12\n"
             "tuner 1: 13 TV, 8 radio, 1 data\ntuner 2: 0 TV, 0 radio, 0 data\nsettings record: none in the file\n"
             "records not fitted: 0\nchannels without a transponder: 0\n",
         ""},
        {{"info", path("junk.bin")}, 1, "", "junk.bin"},
        {{"check", dat}, 0, dat + ": sound\n", ""},
        {{"check", path("caf\xe9.bin")}, 1, "channel 0 tuner 1 \"Caf\xc3\xa9\": " + problem + "\n", "", true},
        {{"check", "--json", path("caf\xe9.bin")},
         1,
         "caf\\\\xe9.bin\", \"kind\": \"channel file\", \"sound\": false, \"recordsNotFitted\": 0, "
         "\"channelsWithoutTransponder\": 0, \"problems\": [{\"record\": \"channel 0 tuner 1\", \"name\": "
         "\"Caf\xc3\xa9\", \"problem\": \"" +
             problem + "\"}]}\n",
         "",
         true},
        {{"check", path("missing.bin")}, 1, "", "", true},
        {{"blocks", path("junk.bin")}, 1, "", "refused"},
        {{"blocks", path("missing.bin")}, 1, "", "Can't open the file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const CliRun result = Run(c.args);
        EXPECT_EQ(c.exitCode, result.exitCode);
        if (c.outPart) {
            EXPECT_NE(std::string::npos, result.out.find(c.out)) << result.out;
        } else {
            EXPECT_EQ(c.out, result.out);
        }
        EXPECT_NE(std::string::npos, result.err.find(c.err)) << result.err;
        if (c.exitCode == 0) {
            EXPECT_EQ(c.err, result.err);
        }
    }
    EXPECT_FALSE(fs::exists(path("out.bin")));
    EXPECT_TRUE(fs::is_directory(path("folder.bin")));
}

TEST_F(CliTest, InfoAndBlocksOnBlockFilesAndOtherFiles) {
    ChannelDatabase db;
    ASSERT_EQ(1, StartLikeEditor(db, 2025));
    Bytes channelBlock = ChannelFileBytes(db);
    channelBlock.resize(channelBlock.size() + 3); // no longer a channel file, and stray bytes behind the block
    WriteFile("strays.key", channelBlock);
    channelBlock.resize(kChannelFileSize);
    channelBlock.insert(channelBlock.end(), channelBlock.begin(), channelBlock.end()); // two blocks
    WriteFile("two.bin", channelBlock);

    const CliRun info = Run({"info", "--json", path("two.bin")});
    EXPECT_EQ(0, info.exitCode);
    const std::string block = "{\"id\": 178, \"name\": \"Channel\", \"class\": 1, \"address\": 2143355008, "
                              "\"length\": 851840, \"monitor\": false, \"crc\": \"ok\"}";
    EXPECT_EQ("{\"file\": \"" + path("two.bin") + "\", \"kind\": \"block file\", \"blocks\": [" + block + ", " + block +
                  "]}\n",
              info.out);

    const CliRun blocks = Run({"blocks", path("two.bin")});
    EXPECT_EQ(0, blocks.exitCode);
    EXPECT_TRUE(blocks.out.starts_with("block file: 2 blocks\n")) << blocks.out;
    EXPECT_NE(std::string::npos, blocks.out.find("1   0xb2  Channel          1     0x7fc10080 0x000cff80 no      ok\n"))
        << blocks.out;

    const CliRun whole = Run({"blocks", path("strays.key")});
    EXPECT_EQ(0, whole.exitCode);
    EXPECT_EQ("not a block file: block header truncated (block at offset 0xd0000)\n"
              "whole file: class 4 (key file), 851971 bytes\n",
              whole.out);
}

// Each list tool on a full database: the file it writes opens with consistent lists, and diff reports it.
TEST_F(CliTest, ListToolsWriteConsistentListsThatDiffTellsApart) {
    ChannelDatabase db;
    ASSERT_GT(vorlane::testing::makeSampleDatabase(db, vorlane::testing::fullSampleOptions(3)), 0);
    ASSERT_EQ(1, SaveDatabaseFile(db, path("in.bin")));
    const std::string in = path("in.bin");
    const std::string out = path("out.bin");
    const std::vector<std::vector<std::string>> tools = {
        {"sort", "--by", "name", in, out},
        {"sort", "--by", "satellite", in, out},
        {"dedupe", in, out},
        {"apply-order", VORLANE_EXAMPLES_DIR "/channels.sdx", in, out, "--favourites"},
    };
    for (const std::vector<std::string>& tool : tools) {
        SCOPED_TRACE(tool[0] + " " + tool[1]);
        fs::remove(out);
        const CliRun result = Run(tool);
        ASSERT_EQ(0, result.exitCode) << result.err;
        EXPECT_NE(std::string::npos, result.out.find("Complete to write file.")) << result.out;
        ChannelDatabase written;
        ASSERT_TRUE(OpenDatabaseFile(written, out).accepted);
        EXPECT_TRUE(vorlane::testing::verifyLists(written));
        const CliRun diff = Run({"diff", in, out, "--json"});
        EXPECT_EQ(diff.out.find("\"equal\":true") != std::string::npos ? 0 : 1, diff.exitCode) << diff.out;
    }
    EXPECT_EQ(0, Run({"diff", in, in}).exitCode);
    ASSERT_EQ(0, Run({"sort", "--by", "name", in, out}).exitCode);
    EXPECT_EQ(1, Run({"diff", in, out}).exitCode);

    // A channel list carries no program numbers: its channels are matched by name, so its order comes back whole.
    const std::string list = VORLANE_EXAMPLES_DIR "/channels.dat";
    ASSERT_EQ(0, Run({"sort", "--by", "name", list, out}).exitCode);
    ASSERT_EQ(0, Run({"apply-order", list, out, path("restored.bin")}).exitCode);
    const CliRun restored = Run({"diff", list, path("restored.bin")});
    EXPECT_EQ(0, restored.exitCode) << restored.out;

    const CliRun csv = Run({"export", "--format", "csv", in, path("list.csv")});
    EXPECT_EQ(0, csv.exitCode) << csv.err;
    EXPECT_TRUE(ReadText("list.csv").starts_with("Tuner,Type,Number,Name,Satellite,Frequency,"));
    ASSERT_EQ(0, Run({"export", in, path("plain.txt")}).exitCode);
    ASSERT_EQ(0, Run({"export", "--format", "text", in, path("text.txt")}).exitCode);
    EXPECT_EQ(ReadText("plain.txt"), ReadText("text.txt"));
}
