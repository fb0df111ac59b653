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
using CliTest = CliLoaderTest;

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

// A failed command writes no file and keeps what was in the way. The list tools run on a full database; each
// file they write opens with consistent lists, and diff tells it apart.
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
    WriteFile("short.bin", std::string(100, 'x'));
    WriteFile("junk.bin", "not a block");
    fs::create_directory(PathIn("folder.bin"));
    std::string list;
    for (int i = 0; i < 66; ++i)
        list += ":SAT \"Sat " + std::to_string(i) + "\" " + std::to_string(i) + "\n";
    WriteFile("many.dat", list);
    const std::string dat = VORLANE_EXAMPLES_DIR "/channels.dat", sdx = VORLANE_EXAMPLES_DIR "/channels.sdx";
    ChannelDatabase full;
    ASSERT_GT(MakeSampleDatabase(full, FullSampleOptions(3)), 0);
    ASSERT_EQ(1, SaveDatabaseFile(full, PathIn("in.bin")));
    const std::string in = PathIn("in.bin"), tool = PathIn("tool.bin"), written = "Complete to write file.\n";

    // The command, its exit status, part of its standard error, whether `out` is only part of standard output, `out`.
    std::vector<std::tuple<std::vector<std::string>, int, std::string, bool, std::string>> cases;
    // Help on standard output with exit 0; a usage error exits 2 with the usage on standard error only.
    // clang-format off
    const char* const usageLines[] = {
        "info --help", "check --help", "convert --help", "export --help", "blocks --help", "sort --help",
        "dedupe --help", "apply-order --help", "diff --help", "upload --help", "download --help",
        "convert", "convert a", "convert a b c", "convert -x b", "export a", "info", "info --xml a", "info a b",
        "check", "check --xml a", "blocks", "blocks a b", "export --format xml a b", "sort a b",
        "sort --by colour a b", "dedupe a b --wet-run", "apply-order r a", "apply-order r a b --favorites", "diff a",
        "diff a b --xml", "upload", "upload a.key b.key", "upload --wait soon a.key", "upload --idle-timeout -1 a.key",
        "upload --port 17 a.key", "upload --port 1 --device /dev/null a.key", "upload --speed 1234 a.key",
        "upload --fast a.key", "download out.bin", "download --what all out.bin", "download --what main",
        "download --device"};
    // clang-format on
    for (const char* line : usageLines) {
        std::istringstream words(line);
        const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        const std::string usage = "Usage: vorlane-cli " + args[0];
        const bool help = args.back() == "--help";
        cases.emplace_back(args, help ? 0 : 2, help ? "" : usage, help, help ? usage : "");
    }
    // clang-format off
    cases.insert(cases.end(), {
        {{"convert", PathIn("short.bin"), PathIn("out.bin")}, 1, "Failed to open file.\n", false, ""},
        {{"convert", PathIn("missing.bin"), PathIn("out.bin")}, 1, "Failed to open file.\n", false, ""},
        {{"convert", dat, PathIn("folder.bin")}, 1, "Failed to write file.\n", false, ""},
        {{"convert", PathIn("many.dat"), PathIn("many.bin")}, 0, "", false,
         "2 records did not fit into the tables and were left out.\n" + written},
        {{"export", sdx, PathIn("folder.bin")}, 1, "folder.bin", false, ""},
        {{"info", dat}, 0, "", false, "file: " + dat + "\nkind: channel list\nsatellites: 64 (3 with transponders)\n"
         "transponders: 12\ntuner 1: 13 TV, 8 radio, 1 data\ntuner 2: 0 TV, 0 radio, 0 data\n"
         "settings record: none in the file\nrecords not fitted: 0\nchannels without a transponder: 0\n"},
        {{"info", PathIn("junk.bin")}, 1, "junk.bin", false, ""},
        {{"check", dat}, 0, "", false, dat + ": sound\n"},
        {{"check", PathIn("caf\xe9.bin")}, 1, "", true, "channel 0 tuner 1 \"Caf\xc3\xa9\": " + problem + "\n"},
        {{"check", "--json", PathIn("caf\xe9.bin")}, 1, "", true, "caf\\\\xe9.bin\", \"kind\": \"channel file\", "
         "\"sound\": false, \"recordsNotFitted\": 0, \"channelsWithoutTransponder\": 0, \"problems\": [{\"record\": "
         "\"channel 0 tuner 1\", \"name\": \"Caf\xc3\xa9\", \"problem\": \"" + problem + "\"}]}\n"},
        {{"convert", dat, PathIn("dat.bin")}, 0, "", false, written},
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
        {{"upload", "--device", PathIn("COM9"), "x.key"}, 1, "vorlane-cli upload: can't use the port " + PathIn("COM9"), false, ""},
        {{"download", "--device", PathIn("COM9"), "--what", "main", "m.bin"}, 1, "vorlane-cli download: can't use the port", false, ""},
        {{"convert", in, PathIn("same.bin")}, 0, "", false, written},
        {{"diff", in, PathIn("same.bin"), "--json"}, 0, "", false, "{\"equal\":true,\"sections\":[]}\n"},
        {{"sort", "--by", "name", in, tool}, 0, "", false, written},
        {{"diff", in, tool, "--json"}, 1, "", true, "{\"equal\":false,"},
        {{"diff", in, tool}, 1, "", true, "Tuner 1 TV: 0 added, 0 removed, 0 renamed, 3416 moved, 0 changed\n"},
        {{"sort", "--by", "satellite", in, tool}, 0, "", false, written},
        {{"diff", in, tool, "--json"}, 1, "", true, "{\"equal\":false,"},
        {{"dedupe", in, tool}, 0, "", false, "0 duplicate channels removed, 1 duplicate transponders merged (6 channels moved).\n" + written},
        {{"diff", in, tool, "--json"}, 1, "", true, "{\"equal\":false,"},
        {{"apply-order", "--favourites", sdx, in, tool}, 0, "", false, "0 channels matched, 9494 unmatched.\n" + written},
        {{"diff", in, tool, "--json"}, 0, "", false, "{\"equal\":true,\"sections\":[]}\n"},
        // A channel list carries no program numbers: its channels are matched by name, so its order comes back whole.
        {{"sort", "--by", "name", dat, tool}, 0, "", false, written},
        {{"apply-order", dat, tool, PathIn("restored.bin")}, 0, "", false, "21 channels matched, 0 unmatched.\n" + written},
        {{"diff", dat, PathIn("restored.bin")}, 0, "", false, "The lists are equal.\n"},
        {{"export", "--format", "csv", in, PathIn("list.csv")}, 0, "", false, written},
        {{"export", in, PathIn("plain.txt")}, 0, "", false, written},
        {{"export", "--format", "text", in, PathIn("text.txt")}, 0, "", false, written},
    });
    // clang-format on
    for (const auto& [args, exitCode, err, outPart, out] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CliRun result = Run(args);
        EXPECT_EQ(exitCode, result.exitCode);
        if (outPart) {
            EXPECT_THAT(result.out, HasSubstr(out));
        } else {
            EXPECT_EQ(out, result.out);
        }
        EXPECT_THAT(result.err, HasSubstr(err));
        EXPECT_TRUE(exitCode != 0 || err == result.err) << result.err; // a success prints no error
        ChannelDatabase opened;
        if (args.back() == tool && args[0] != "diff") {
            ASSERT_TRUE(OpenDatabaseFile(opened, tool).accepted);
            EXPECT_TRUE(VerifyLists(opened));
        }
    }
    EXPECT_FALSE(fs::exists(PathIn("out.bin")));
    EXPECT_TRUE(fs::is_directory(PathIn("folder.bin")));
    EXPECT_EQ(ReadFile("in.bin"), ReadFile("same.bin")); // a saved full database reproduces exactly
    EXPECT_TRUE(ReadText("list.csv").starts_with("Tuner,Type,Number,Name,Satellite,Frequency,"));
    EXPECT_EQ(ReadText("plain.txt"), ReadText("text.txt"));
}
