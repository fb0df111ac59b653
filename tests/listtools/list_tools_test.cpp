// Sorting, duplicates and the reference order on small hand-built databases, each checked for consistent lists.

#include "list_tools_fixture.h"
#include "listtools/apply_order.h"
#include "listtools/csv_listing.h"
#include "listtools/duplicate_channels.h"
#include "listtools/duplicate_transponders.h"
#include "listtools/folded_text.h"
#include "listtools/list_sort.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using Names = std::vector<std::string>;

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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Channel kept{"News", 0, c.keptProgram};
        ChannelDatabase db;
        MakeListToolDatabase(db, {kept, c.second, {"Other", 0, 7}});
        const std::vector<DuplicateGroup> groups = FindDuplicateChannels(db);
        ASSERT_EQ(c.duplicate ? 1u : 0u, groups.size());
        if (!c.duplicate)
            continue;
        EXPECT_EQ(0, groups[0].keptPk);
        EXPECT_EQ(std::vector<int>{1}, groups[0].duplicatePks);
        EXPECT_EQ(1, RemoveDuplicateChannels(db, AllDuplicatePks(groups)));
        EXPECT_EQ((Names{kept.name, "Other"}), MainListNames(db));
        EXPECT_TRUE(db.Channel(1).IsFree());
        EXPECT_TRUE(VerifyLists(db));
    }
}

TEST(DuplicateChannels, OnlyTheDuplicateTunerSideGoesAndTheRecordStaysForTheOther) {
    ChannelDatabase db;
    MakeListToolDatabase(db, {{"A", 0, 1}, {"A", 0, 1, ServiceType::Tv, true}});
    const std::vector<DuplicateGroup> groups = FindDuplicateChannels(db);
    ASSERT_EQ(1u, groups.size());
    EXPECT_EQ(std::vector<int>{1}, groups[0].duplicatePks);
    RemoveDuplicateChannels(db, AllDuplicatePks(groups));
    EXPECT_FALSE(db.Channel(1).PresentOn(TunerSide::First));
    EXPECT_TRUE(db.Channel(1).PresentOn(TunerSide::Second));
    EXPECT_TRUE(VerifyLists(db));
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
    std::vector<int> onKept;
    for (const ListNode* node = db.Lists().Head(ListKind::TvByTransponder, 0)->first; node; node = node->next)
        onKept.push_back(node->pk);
    EXPECT_EQ((std::vector<int>{1, 0, 2}), onKept);
    EXPECT_TRUE(VerifyLists(db));
    EXPECT_TRUE(FindDuplicateTransponders(db).empty());
}

TEST(ApplyOrder, MatchesByIdsOrByNameNearbyAndKeepsTheUnmatchedBehindInTheirOrder) {
    ChannelDatabase reference;
    // Transponder 2 lies 1 MHz from transponder 0; program numbers 0 force matching by name.
    MakeListToolDatabase(reference, {{"gamma", 0, 3, ServiceType::Tv, false, 2},
                                     {"  BETA ", 2, 0, ServiceType::Tv, false, 2},
                                     {"alpha", 1, 1},
                                     {"delta", 3, 0},
                                     {"radio", 0, 9, ServiceType::Radio}});
    ChannelDatabase db;
    MakeListToolDatabase(db, {{"unmatched 1", 0, 50},
                              {"alpha renamed", 1, 1}, // same ids as "alpha"
                              {"beta", 0, 0},
                              {"delta", 0, 0}, // other polarisation than the reference's delta
                              {"gamma", 0, 3},
                              {"unmatched 2", 4, 0},
                              {"radio", 0, 9, ServiceType::Radio}});

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
    const std::string csv = CsvListing(db);
    EXPECT_EQ(std::string(kCsvHeader) + "\r\n" +
                  "1,TV,1,\"Caf\xc3\xa9, Bar\",Astra,11303,H,27500,12,1,no,no,no\r\n"
                  "1,TV,2,\"Say \"\"hi\"\"\",Hotbird,12000,V,27500,13,,no,no,no\r\n"
                  "2,TV,1,\"Caf\xc3\xa9, Bar\",Astra,11303,H,27500,12,1,no,no,no\r\n",
              csv);
}
