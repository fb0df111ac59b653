// The list tools on small hand-built databases, each checked for consistent lists afterwards.

#include "database/database_lifecycle.h"
#include "database/list_test_util.h"
#include "listtools/apply_order.h"
#include "listtools/channel_entries.h"
#include "listtools/csv_listing.h"
#include "listtools/duplicate_channels.h"
#include "listtools/duplicate_transponders.h"
#include "listtools/folded_text.h"
#include "listtools/list_diff.h"
#include "listtools/list_diff_report.h"
#include "listtools/list_sort.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using Names = std::vector<std::string>;

namespace {

struct Channel {
    std::string name;
    int transponder = 0;
    int programNumber = 0;
    ServiceType type = ServiceType::Tv;
    bool onTuner2 = false;
    int favouriteGroup = -1;
};

// Satellite 1 comes first in the satellite list. Transponders: 0 and 1 on satellite 0 at 11303 H, 2 at 11304 H,
// 3 at 11303 V; 4 on satellite 1 at 12000 V. Channels go in list order on tuner 1 (and 2 where asked).
void MakeListToolDatabase(ChannelDatabase& db, const std::vector<Channel>& channels) {
    ASSERT_TRUE(Init(db));
    PutSatellite(db, 0, "Astra", 1, 1);
    PutSatellite(db, 1, "Hotbird", 1, 0);
    PutTransponder(db, 0, 0, 11303, 1, 0);
    PutTransponder(db, 1, 0, 11303, 1, 1);
    PutTransponder(db, 2, 0, 11304, 1, 2);
    PutTransponder(db, 3, 0, 11303, 2, 3);
    PutTransponder(db, 4, 1, 12000, 2, 0);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const Channel& c = channels[i];
        const auto key = static_cast<unsigned>(i);
        PutChannel(db, static_cast<int>(i),
                   {.type = c.type,
                    .transponder = c.transponder,
                    .onTuner2 = c.onTuner2,
                    .key1 = key,
                    .key2 = key,
                    .favouriteGroup = c.favouriteGroup});
        const ChannelRecord record = db.Channel(static_cast<int>(i));
        record.SetName(c.name);
        record.SetProgramNumber(static_cast<std::uint16_t>(c.programNumber));
        record.SetPmtPid(0x100); // the same in every list, so only real changes show
    }
    db.BuildAllLists();
}

Names MainListNames(const ChannelDatabase& db) {
    Names names;
    for (const ChannelEntry& entry : MainListEntries(db, TunerSide::First, ServiceType::Tv))
        names.push_back(entry.name);
    return names;
}

} // namespace

TEST(FoldedText, CaseAndAccentsFoldForSortingCaseOnlyForDuplicates) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"ABC xyz", "abc xyz", "abc xyz"},
        {"\xc9t\xe9", "\xe9t\xe9", "ete"}, // Été
        {"\xc6gir \xdf", "\xe6gir \xdf", "aegir ss"},
        {"Z\xfcrich \xd7", "z\xfcrich \xd7", "zurich \xd7"}, // the multiplication sign stays
    };
    for (const auto& [text, lower, folded] : cases) {
        EXPECT_EQ(lower, LowerCased(text));
        EXPECT_EQ(folded, FoldedText(text));
    }
    EXPECT_EQ("a b", Trimmed("  a b \t"));
    EXPECT_EQ("\xc3\x89t\xc3\xa9", Latin1ToUtf8("\xc9t\xe9"));
}

TEST(ListSort, EachKeyRenumbersStablyAndKeepsTheListsConsistent) {
    ChannelDatabase db;
    MakeListToolDatabase(db,
                         {{"zulu", 4, 30}, {"\xc9mile", 2, 10}, {"alpha", 0, 20}, {"emile", 0, 10}, {"Bravo", 4, 5}});
    const std::vector<std::pair<SortKey, Names>> cases = {
        // Émile and emile fold alike: their tie keeps the old order.
        {SortKey::Name, {"alpha", "Bravo", "\xc9mile", "emile", "zulu"}},
        {SortKey::Frequency, {"alpha", "emile", "\xc9mile", "Bravo", "zulu"}},
        {SortKey::ProgramNumber, {"Bravo", "emile", "\xc9mile", "alpha", "zulu"}},
        // Satellite 1 leads the satellite list.
        {SortKey::Satellite, {"Bravo", "zulu", "emile", "\xc9mile", "alpha"}},
    };
    for (const auto& [key, expected] : cases) {
        SCOPED_TRACE(static_cast<int>(key));
        SortMainList(db, TunerSide::First, ServiceType::Tv, key);
        EXPECT_EQ(expected, MainListNames(db));
        EXPECT_TRUE(VerifyLists(db));
    }
    EXPECT_EQ(SortKey::ProgramNumber, SortKeyOfWord("sid"));
    EXPECT_FALSE(SortKeyOfWord("colour"));
}

// A duplicate side goes; its record is freed unless the other tuner still has it.
TEST(DuplicateChannels, TheRuleNeedsSatelliteFrequencyPolarisationTypeAndProgramNumberOrName) {
    struct Case {
        const char* what;
        int keptProgram;
        Channel second;
        bool duplicate;
    };
    const std::vector<Case> cases = {
        {"same program on a twin transponder", 100, {"News HD", 1, 100}, true},
        {"other frequency", 100, {"News", 2, 100}, false},
        {"other polarisation", 100, {"News", 3, 100}, false},
        {"other satellite", 100, {"News", 4, 100}, false},
        {"other program number", 100, {"News", 0, 101}, false},
        {"other type", 100, {"News", 0, 100, ServiceType::Radio}, false},
        {"program 0 on both, names differ in case", 0, {"NEWS", 1, 0}, true},
        {"program 0 on both, other names", 0, {"Sport", 1, 0}, false},
        {"program 0 on one side only", 100, {"News", 1, 0}, false},
        // A list imported without program numbers leaves 0xFFFF in every record.
        {"program unset on both, same name", 0xFFFF, {"news", 1, 0xFFFF}, true},
        {"program unset on both, other names", 0xFFFF, {"Sport", 1, 0xFFFF}, false},
        {"duplicate on tuner 1, also on tuner 2", 100, {"News", 0, 100, ServiceType::Tv, true}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelDatabase db;
        MakeListToolDatabase(db, {{"News", 0, c.keptProgram}, c.second, {"Other", 0, 7}});
        const std::vector<DuplicateGroup> groups = FindDuplicateChannels(db);
        ASSERT_EQ(c.duplicate ? 1u : 0u, groups.size());
        if (!c.duplicate)
            continue;
        EXPECT_EQ(Pk(0), groups[0].keptPk);
        EXPECT_EQ(std::vector<Pk>{Pk(1)}, groups[0].duplicatePks);
        EXPECT_EQ(1, RemoveDuplicateChannels(db, AllDuplicatePks(groups)));
        EXPECT_EQ((Names{"News", "Other"}), MainListNames(db));
        if (c.second.onTuner2) {
            EXPECT_FALSE(db.Channel(1).PresentOn(TunerSide::First));
            EXPECT_TRUE(db.Channel(1).PresentOn(TunerSide::Second));
        } else {
            EXPECT_TRUE(db.Channel(1).IsFree());
        }
        EXPECT_TRUE(VerifyLists(db));
    }
}

TEST(DuplicateTransponders, ChannelsMoveBehindTheKeptTransponderInOrderAndTheTwinIsFreed) {
    ChannelDatabase db;
    MakeListToolDatabase(db, {{"on twin 1", 1, 1}, {"on kept", 0, 2}, {"on twin 2", 1, 3}, {"elsewhere", 2, 4}});
    const std::vector<TransponderGroup> groups = FindDuplicateTransponders(db);
    ASSERT_EQ(1u, groups.size());
    EXPECT_EQ(0, groups[0].kept);
    EXPECT_EQ(std::vector<int>{1}, groups[0].duplicates);

    const TransponderMergeResult result = MergeDuplicateTransponders(db);
    EXPECT_EQ(1, result.transpondersMerged);
    EXPECT_EQ(2, result.channelSidesMoved);
    EXPECT_TRUE(db.Transponder(1).IsFree());
    EXPECT_EQ((std::vector<int>{1, 0, 2}), PksOf(db, ListKind::TvByTransponder, 0));
    EXPECT_TRUE(VerifyLists(db));
    EXPECT_TRUE(FindDuplicateTransponders(db).empty());
}

TEST(ApplyOrder, MatchesByIdsOrByNameNearbyAndKeepsTheUnmatchedBehindInTheirOrder) {
    ChannelDatabase reference;
    // Transponder 2 lies 1 MHz from transponder 0; program numbers 0 force matching by name. "alpha renamed" has
    // the ids of "alpha"; "delta" another polarisation than the reference's.
    const ServiceType tv = ServiceType::Tv;
    // clang-format off
    MakeListToolDatabase(reference, {{"gamma", 0, 3, tv, false, 2}, {"  BETA ", 2, 0, tv, false, 2}, {"alpha", 1, 1},
                                     {"delta", 3, 0}, {"radio", 0, 9, ServiceType::Radio}});
    ChannelDatabase db;
    MakeListToolDatabase(db, {{"unmatched 1", 0, 50}, {"alpha renamed", 1, 1}, {"beta", 0, 0}, {"delta", 0, 0},
                              {"gamma", 0, 3}, {"unmatched 2", 4, 0}, {"radio", 0, 9, ServiceType::Radio}});
    // clang-format on

    const ApplyOrderResult result = ApplyReferenceOrder(db, reference, true);
    EXPECT_EQ(4, result.matched);
    EXPECT_EQ(3, result.unmatched);
    EXPECT_EQ((Names{"gamma", "beta", "alpha renamed", "unmatched 1", "delta", "unmatched 2"}), MainListNames(db));
    EXPECT_EQ(0x80, db.Channel(4).FavouriteByte(TunerSide::First, 2)); // gamma first in group 3, as in the reference
    EXPECT_EQ(0x81, db.Channel(2).FavouriteByte(TunerSide::First, 2));
    EXPECT_EQ(0, db.Channel(0).FavouriteByte(TunerSide::First, 2));
    EXPECT_TRUE(VerifyLists(db));
}

TEST(CsvListing, OneQuotedUtf8RowPerChannelSideAfterTheHeader) {
    ChannelDatabase db;
    MakeListToolDatabase(db, {{"Caf\xe9, Bar", 0, 12, ServiceType::Tv, true, 0}, {"Say \"hi\"", 4, 13}});
    EXPECT_EQ(std::string(kCsvHeader) + "\r\n" +
                  "1,TV,1,\"Caf\xc3\xa9, Bar\",Astra,11303,H,27500,12,1,no,no,no\r\n"
                  "1,TV,2,\"Say \"\"hi\"\"\",Hotbird,12000,V,27500,13,,no,no,no\r\n"
                  "2,TV,1,\"Caf\xc3\xa9, Bar\",Astra,11303,H,27500,12,1,no,no,no\r\n",
              CsvListing(db));
}

TEST(LongestIncreasingRun, FindsOneLongestRun) {
    const std::vector<std::pair<std::vector<int>, std::size_t>> cases = {
        {{}, 0}, {{0, 1, 2}, 3}, {{2, 1, 0}, 1}, {{1, 0, 2, 3}, 3}, {{3, 0, 1, 2}, 3}, {{0, 4, 1, 2, 3}, 4}};
    for (const auto& [sequence, length] : cases) {
        const std::vector<std::size_t> run = LongestIncreasingRun(sequence);
        EXPECT_EQ(length, run.size());
        for (std::size_t k = 1; k < run.size(); ++k)
            EXPECT_LT(sequence[run[k - 1]], sequence[run[k]]);
    }
}

// "new" shifts everything behind it, "five" moves to the front, "two" goes, "three" is renamed.
TEST(CompareLists, ReportsAddedRemovedRenamedMovedAndChangedButNotShiftedNumbers) {
    ChannelDatabase a;
    MakeListToolDatabase(a, {{"one", 0, 1}, {"two", 0, 2}, {"three", 0, 3}, {"four", 0, 4}, {"five", 0, 5}});
    ChannelDatabase b;
    MakeListToolDatabase(b, {{"five", 0, 5}, {"new", 0, 9}, {"one", 0, 1}, {"Three", 0, 3}, {"four", 0, 4}});
    ServiceWord service = b.Channel(4).SidedServiceWord(TunerSide::First);
    service.SetScrambled(true);
    b.Channel(4).SetServiceWord(TunerSide::First, service);
    b.Channel(4).SetVideoPid(0x301);

    const ListDiff diff = CompareLists(a, b);
    ASSERT_EQ(1u, diff.sections.size());
    EXPECT_EQ("Tuner 1 TV", DiffSectionTitle(diff.sections[0]));
    EXPECT_EQ((std::vector<std::string>{"added    #2 new", "removed  #2 two", "renamed  #4 three -> Three",
                                        "moved    five #5 -> #1",
                                        "changed  #5 four: video PID 768 -> 769; scrambled no -> yes"}),
              DiffSectionLines(diff.sections[0]));

    EXPECT_TRUE(CompareLists(a, a).Equal());
    EXPECT_EQ("The lists are equal.\n", DiffText(CompareLists(b, b)));
}
