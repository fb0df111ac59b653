#include "blockfile/channel_file.h"
#include "cli_loader_fixture.h"
#include "importexport/database_files.h"
#include "support/list_check.h"
#include "support/sample_database.h"

#include <iterator>
#include <sstream>
#include <tuple>

using namespace vorlane;
using namespace vorlane::testing;
namespace fs = std::filesystem;

namespace {

// The file commands need no receiver: the loader tests' fixture runs the program with its own settings folder.
class CliTest : public CliLoaderTest {
protected:
    void WriteText(const char* name, const std::string& text) const {
        WriteFile(name, Bytes(text.begin(), text.end()));
    }
};

// A channel file with a channel on tuner 1 whose transponder link points past the table.
Bytes BrokenChannelFile(const std::string& channelName) {
    ChannelDatabase db;
    StartLikeEditor(db);
    const ChannelRecord channel = db.Channel(0);
    channel.SetName(channelName);
    channel.SetServiceType(0);
    channel.SetPresence(TunerSide::First, 1);
    channel.SetTransponderLink(TunerSide::First, LinkWord().WithIndex(0x3FFF));
    return ChannelFileBytes(db);
}

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
    // clang-format off
    const char* const cases[] = {
        "convert", "convert a", "convert a b c", "convert -x b", "export a", "info", "info --xml a", "info a b",
        "check", "check --xml a", "blocks", "blocks a b", "export --format xml a b", "sort a b",
        "sort --by colour a b", "dedupe a b --wet-run", "apply-order r a", "apply-order r a b --favorites", "diff a",
        "diff a b --xml", "upload", "upload a.key b.key", "upload --wait soon a.key", "upload --idle-timeout -1 a.key",
        "upload --port 17 a.key", "upload --port 1 --device /dev/null a.key", "upload --speed 1234 a.key",
        "upload --fast a.key", "download out.bin", "download --what all out.bin", "download --what main",
        "download --device"};
    // clang-format on
    for (const char* line : cases) {
        std::istringstream words(line);
        const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        const CliRun result = Run(args);
        EXPECT_EQ(2, result.exitCode) << line;
        EXPECT_EQ("", result.out);
        EXPECT_THAT(result.err, HasSubstr("Usage: vorlane-cli " + args[0]));
    }
}

// A failed command writes no file and keeps what was in the way.
TEST_F(CliTest, CommandsPrintAndExitAsDocumented) {
    Bytes broken = BrokenChannelFile("Caf\xe9");
    WriteFile("caf\xe9.bin", broken);
    broken.resize(broken.size() + 3); // no longer a channel file, and stray bytes behind the block
    WriteFile("strays.key", broken);
    broken.resize(kChannelFileSize);
    broken.insert(broken.end(), broken.begin(), broken.end()); // two blocks
    WriteFile("two.bin", broken);
    const std::string block = "{\"id\": 178, \"name\": \"Channel\", \"class\": 1, \"address\": 2143355008, "
                              "\"length\": 851840, \"monitor\": false, \"crc\": \"ok\"}";
    const std::string problem = "transponder link names slot 16383, outside the transponder table";
    WriteText("short.bin", std::string(100, 'x'));
    WriteText("junk.bin", "not a block");
    fs::create_directory(PathIn("folder.bin"));
    std::string list;
    for (int i = 0; i < 66; ++i)
        list += ":SAT \"Sat " + std::to_string(i) + "\" " + std::to_string(i) + "\n";
    WriteText("many.dat", list);
    const std::string dat = VORLANE_EXAMPLES_DIR "/channels.dat";

    // The command, its exit status, part of its standard error, whether `out` is only part of standard output, `out`.
    // clang-format off
    const std::tuple<std::vector<std::string>, int, std::string, bool, std::string> cases[] = {
        {{"convert", PathIn("short.bin"), PathIn("out.bin")}, 1, "Failed to open file.\n", false, ""},
        {{"convert", PathIn("missing.bin"), PathIn("out.bin")}, 1, "Failed to open file.\n", false, ""},
        {{"convert", dat, PathIn("folder.bin")}, 1, "Failed to write file.\n", false, ""},
        {{"convert", PathIn("many.dat"), PathIn("many.bin")}, 0, "", false,
         "2 records did not fit into the tables and were left out.\nComplete to write file.\n"},
        {{"export", VORLANE_EXAMPLES_DIR "/channels.sdx", PathIn("folder.bin")}, 1, "folder.bin", false, ""},
        {{"info", dat}, 0, "", false, "file: " + dat + "\nkind: channel list\nsatellites: 64 (3 with transponders)\n"
         "transponders: 12\ntuner 1: 13 TV, 8 radio, 1 data\ntuner 2: 0 TV, 0 radio, 0 data\n"
         "settings record: none in the file\nrecords not fitted: 0\nchannels without a transponder: 0\n"},
        {{"info", PathIn("junk.bin")}, 1, "junk.bin", false, ""},
        {{"check", dat}, 0, "", false, dat + ": sound\n"},
        {{"check", PathIn("caf\xe9.bin")}, 1, "", true, "channel 0 tuner 1 \"Caf\xc3\xa9\": " + problem + "\n"},
        {{"check", "--json", PathIn("caf\xe9.bin")}, 1, "", true, "caf\\\\xe9.bin\", \"kind\": \"channel file\", "
         "\"sound\": false, \"recordsNotFitted\": 0, \"channelsWithoutTransponder\": 0, \"problems\": [{\"record\": "
         "\"channel 0 tuner 1\", \"name\": \"Caf\xc3\xa9\", \"problem\": \"" + problem + "\"}]}\n"},
        {{"convert", dat, PathIn("dat.bin")}, 0, "", false, "Complete to write file.\n"},
        {{"info", "--json", PathIn("dat.bin")}, 0, "", true, "\"kind\": \"channel file\", \"satellites\": 64, "
         "\"satellitesWithTransponders\": 3, \"transponders\": 12, \"tuners\": [{\"tv\": 13, \"radio\": 8, \"data\": 1}, "
         "{\"tv\": 0, \"radio\": 0, \"data\": 0}], \"settingsRecord\": true"},
        {{"check", PathIn("missing.bin")}, 1, "", true, ""},
        {{"blocks", PathIn("junk.bin")}, 1, "refused", false, ""},
        {{"info", "--json", PathIn("two.bin")}, 0, "", false, "{\"file\": \"" + PathIn("two.bin") + "\", \"kind\": \"block file\", "
         "\"blocks\": [" + block + ", " + block + "]}\n"},
        {{"blocks", PathIn("two.bin")}, 0, "", false, "block file: 2 blocks\n#   id    name             class address    length     monitor crc\n"
         "0   0xb2  Channel          1     0x7fc10080 0x000cff80 no      ok\n1   0xb2  Channel          1     0x7fc10080 0x000cff80 no      ok\n"},
        {{"blocks", PathIn("strays.key")}, 0, "", false, "not a block file: block header truncated (block at offset "
         "0xd0000)\nwhole file: class 4 (key file), 851971 bytes\n"},
        {{"blocks", PathIn("missing.bin")}, 1, "Can't open the file.", false, ""},
    };
    // clang-format on
    for (const auto& [args, exitCode, err, outPart, out] : cases) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        const CliRun result = Run(args);
        EXPECT_EQ(exitCode, result.exitCode);
        if (outPart) {
            EXPECT_THAT(result.out, HasSubstr(out));
        } else {
            EXPECT_EQ(out, result.out);
        }
        EXPECT_THAT(result.err, HasSubstr(err));
        EXPECT_TRUE(exitCode != 0 || err == result.err) << result.err; // a success prints no error
    }
    EXPECT_FALSE(fs::exists(PathIn("out.bin")));
    EXPECT_TRUE(fs::is_directory(PathIn("folder.bin")));
}

// Each list tool on a full database: the file it writes opens with consistent lists, and diff reports it.
TEST_F(CliTest, ListToolsWriteConsistentListsThatDiffTellsApart) {
    ChannelDatabase db;
    ASSERT_GT(MakeSampleDatabase(db, FullSampleOptions(3)), 0);
    ASSERT_EQ(1, SaveDatabaseFile(db, PathIn("in.bin")));
    const std::string in = PathIn("in.bin"), out = PathIn("out.bin");
    const std::vector<std::vector<std::string>> tools = {
        {"convert", in, out},
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
        EXPECT_THAT(result.out, HasSubstr("Complete to write file."));
        ChannelDatabase written;
        ASSERT_TRUE(OpenDatabaseFile(written, out).accepted);
        EXPECT_TRUE(VerifyLists(written));
        if (tool[0] == "convert") {
            EXPECT_TRUE(ReadFile("in.bin") == ReadFile("out.bin")); // a saved full database reproduces exactly
        }
        const CliRun diff = Run({"diff", in, out, "--json"});
        EXPECT_EQ(diff.out.find("\"equal\":true") != std::string::npos ? 0 : 1, diff.exitCode) << diff.out;
    }
    EXPECT_EQ(0, Run({"diff", in, in}).exitCode);
    ASSERT_EQ(0, Run({"sort", "--by", "name", in, out}).exitCode);
    EXPECT_EQ(1, Run({"diff", in, out}).exitCode);

    // A channel list carries no program numbers: its channels are matched by name, so its order comes back whole.
    const std::string list = VORLANE_EXAMPLES_DIR "/channels.dat";
    ASSERT_EQ(0, Run({"sort", "--by", "name", list, out}).exitCode);
    ASSERT_EQ(0, Run({"apply-order", list, out, PathIn("restored.bin")}).exitCode);
    const CliRun restored = Run({"diff", list, PathIn("restored.bin")});
    EXPECT_EQ(0, restored.exitCode) << restored.out;

    const CliRun csv = Run({"export", "--format", "csv", in, PathIn("list.csv")});
    EXPECT_EQ(0, csv.exitCode) << csv.err;
    EXPECT_TRUE(ReadText("list.csv").starts_with("Tuner,Type,Number,Name,Satellite,Frequency,"));
    ASSERT_EQ(0, Run({"export", in, PathIn("plain.txt")}).exitCode);
    ASSERT_EQ(0, Run({"export", "--format", "text", in, PathIn("text.txt")}).exitCode);
    EXPECT_EQ(ReadText("plain.txt"), ReadText("text.txt"));
}
