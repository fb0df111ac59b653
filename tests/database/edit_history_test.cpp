// Long random edit sequences: lists in step with the records after every step, undo and redo included; undoing all
// gives the starting tables byte for byte, redoing all the final ones; the modified flag follows the saved state.

#include "database/edit_history.h"
#include "list_test_util.h"
#include "support/list_check.h"
#include "support/list_compare.h"
#include "support/random_edits.h"
#include "support/sample_database.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

constexpr int kSteps = 300;
constexpr int kSavedAt = 120;

std::vector<std::uint8_t> TableBytes(const ChannelDatabase& db) {
    std::vector<std::uint8_t> bytes;
    for (const ConstByteSpan part : {db.SatelliteBuffer(), db.ChannelBuffer(), db.HeldSettings(), db.ScratchSettings()})
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// Odd seeds spread the channels over the tuners, even ones put every channel on both.
class EditHistoryRandom : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(EditHistoryRandom, UndoAllGivesTheStartAndRedoAllTheEnd) {
    ChannelDatabase db;
    SampleOptions options{GetParam(), 6, 80, 500, GetParam() % 2 == 0};
    ASSERT_GE(MakeSampleDatabase(db, options), 0);
    EditHistory history(db, EditHistoryLimits{kSteps, std::size_t{1} << 30});
    const auto start = TableBytes(db);
    Dice dice(GetParam() * 104729u + 3u);
    std::vector<std::uint8_t> saved;
    for (int step = 0; step < kSteps; ++step) {
        const std::string what = RandomStep(dice, db);
        ASSERT_TRUE(VerifyLists(db)) << "step " << step << ": " << what;
        history.Commit(what);
        if (step == kSavedAt) {
            history.MarkSaved();
            db.SetModified(false);
            saved = TableBytes(db);
        }
    }
    const auto end = TableBytes(db);
    const std::size_t steps = history.StepCount();
    ASSERT_GT(steps, kSteps / 2u);

    bool passedSaved = false;
    for (std::size_t undone = 0; undone < steps; ++undone) {
        ASSERT_TRUE(history.Undo()) << undone;
        ASSERT_TRUE(VerifyLists(db)) << "undo " << undone << ": " << history.RedoLabel();
        if (db.Modified() == false) {
            EXPECT_EQ(saved, TableBytes(db));
            passedSaved = true;
        }
    }
    EXPECT_TRUE(passedSaved);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(start, TableBytes(db));
    EXPECT_FALSE(history.Commit("nothing")) << "undo leaves the baseline in step";

    for (std::size_t redone = 0; redone < steps; ++redone) {
        ASSERT_TRUE(history.Redo()) << redone;
        ASSERT_TRUE(VerifyLists(db)) << "redo " << redone << ": " << history.UndoLabel();
    }
    EXPECT_EQ(end, TableBytes(db));
    EXPECT_TRUE(db.Modified());
    ChannelDatabase loaded; // an edited database with freed slots survives the image
    OpenImage(loaded, StoreIntoImage(db));
    EXPECT_TRUE(SameLists(db, loaded));
}

INSTANTIATE_TEST_SUITE_P(Seeds, EditHistoryRandom, ::testing::Values(1u, 2u));

// One short history through renames: labels, subjects, the modified flag, a change folded in by a save, the
// redo branch dropped by a new step, and the oldest steps dropped at the limit.
TEST(EditHistory, ModifiedFlagSavesBranchesAndLimitsFollowTheHistory) {
    ChannelDatabase db;
    ASSERT_GE(MakeSampleDatabase(db, 3, 4, 30, 100), 0);
    EditHistory history(db, EditHistoryLimits{3, std::size_t{64} << 20});
    auto rename = [&db](const char* name) { db.Channel(0).SetName(name); };
    const auto opened = TableBytes(db);

    rename("A");
    EXPECT_TRUE(history.Commit("Rename A", EditSubjects{{}, {}, {Pk(7)}}));
    EXPECT_TRUE(db.Modified());
    rename("A, sorted"); // what a save may write back, folded into the step
    history.AbsorbChanges();
    history.MarkSaved();
    const auto saved = TableBytes(db);
    const auto undone = history.Undo();
    ASSERT_TRUE(undone);
    EXPECT_EQ(std::vector<Pk>{Pk(7)}, undone->channelPks);
    EXPECT_EQ(opened, TableBytes(db));
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(saved, TableBytes(db));
    EXPECT_FALSE(db.Modified()) << "back at the saved state";
    db.SetModified(true); // as a command does before it knows it changed nothing (a drop onto held favourites)
    EXPECT_FALSE(history.Commit("Nothing"));
    EXPECT_FALSE(db.Modified());

    rename("B"); // uncommitted: Undo commits it first, so it can be redone
    ASSERT_TRUE(history.Undo("Typing"));
    EXPECT_EQ("Typing", history.RedoLabel());
    ASSERT_TRUE(history.Undo());
    rename("C");
    EXPECT_TRUE(history.Commit("Rename C"));
    EXPECT_FALSE(history.CanRedo()) << "a new step drops the redo branch";
    for (const char* name : {"D", "E", "F"}) {
        rename(name);
        history.Commit(name);
    }
    EXPECT_EQ(3u, history.StepCount()) << "oldest steps dropped";
    while (history.Undo()) {
    }
    EXPECT_EQ("C", db.Channel(0).Name());
    EXPECT_TRUE(db.Modified()) << "the saved state is no longer in the history";
}

} // namespace
