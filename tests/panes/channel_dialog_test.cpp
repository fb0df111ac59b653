#include "database/list_test_util.h"
#include "panes/channel_dialog.h"
#include "panes/channel_record_edit.h"
#include "property_dialog_test_util.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <array>
#include <gtest/gtest.h>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
using vorlane::ui::ChannelDialog;
using vorlane::ui::UserPrompts;

namespace {

using Pks = std::vector<int>;

// Free TV channels in slots 0..2 on tuner 1, slot 3 on both tuners, a radio channel in slot 4.
class ChannelDialogTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        db.AllocateTables();
        putSatellite(db, 0, "Astra", 1, 0);
        putTransponder(db, 0, 0, 11778, kPolarisationVertical, 0);
        putTransponder(db, 1, 0, 12000, kPolarisationHorizontal, 1);
        for (int slot = 0; slot < 3; ++slot) {
            ChannelSpec spec;
            spec.key1 = static_cast<unsigned>(slot);
            putChannel(db, slot, spec);
        }
        ChannelSpec both;
        both.onTuner2 = true;
        both.key1 = 3;
        putChannel(db, 3, both);
        ChannelSpec radio;
        radio.type = ServiceType::Radio;
        putChannel(db, 4, radio);
        db.BuildAllLists();
    }

    std::vector<std::uint8_t> channelTable() {
        return std::vector<std::uint8_t>(db.arrChannel(), db.arrChannel() + kChannelCount * kChannelRecordSize);
    }

    // Runs the dialog on `pk` with the given fields and "OK".
    int editWithOk(int pk, const char* fields) {
        answerDialog(fields);
        return ui::EditChannel(nullptr, db, pk);
    }

    ChannelDatabase db;
};

TEST_F(ChannelDialogTest, OpensWithTheSidesFieldsAndTheTransponderLine) {
    ServiceWord word = db.channel(1).serviceWord(0);
    word.setLocked(true);
    word.setSkipped(true);
    db.channel(1).setServiceWord(0, word);
    answerDialog("", false, [](QDialog& dialog) {
        expectShown(dialog, "satelliteText=Astra|transponderText=11778   SR : 27500   3/4   Vertical\n|"
                            "channelName=Channel 0001|programId=2|audioPid0=512|audioPid5=0|videoPid=768|pmtPid=257|"
                            "locked=on|scrambled=off|skipped=on");
        EXPECT_TRUE(Find<QGroupBox>(dialog, "tunerNumberGroup").isHidden());
        EXPECT_FALSE(enabled(dialog, "tunerNumber"));
    });
    EXPECT_EQ(0, ui::EditChannel(nullptr, db, 1));
}

TEST_F(ChannelDialogTest, AudioPidsAreStoredWithoutGapsAndCounted) {
    ServiceWord word = db.channel(2).serviceWord(0);
    word.setSelectedAudio(1);
    word.setAudioMode(3);
    db.channel(2).setServiceWord(0, word);
    const std::uint32_t tuner2Word = readLe32(db.channel(2).bytes() + 0x34);
    ASSERT_EQ(1, editWithOk(2, "audioPid0=0|audioPid1=101|audioPid2=0|audioPid3=102|audioPid4=0|audioPid5=0"));
    const std::uint8_t* bytes = db.channel(2).bytes();
    const std::uint16_t expected[] = {101, 102, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], readLe16(bytes + 0x18 + 2 * i)) << i;
    const ServiceWord stored(readLe32(bytes + 0x30));
    EXPECT_EQ(2u, stored.audioPidCount());
    EXPECT_EQ(1u, stored.selectedAudio());
    EXPECT_EQ(3u, stored.audioMode());
    EXPECT_EQ(tuner2Word, readLe32(bytes + 0x34));
}

TEST_F(ChannelDialogTest, OkWritesNamePidsAndFlags) {
    ASSERT_EQ(1, editWithOk(0, "channelName=Caf\xE9 TV \xFF|programId=65535|videoPid=1|pcrPid=2|teletextPid=3|ac3Pid=4|"
                               "pmtPid=5|locked=on|skipped=on"));
    const ConstChannelRecord ch = db.channel(0);
    EXPECT_EQ(std::string("Caf\xE9 TV \xFF"), ch.name());
    EXPECT_EQ(0, ch.bytes()[10]);
    EXPECT_EQ(0, ch.bytes()[19]);
    EXPECT_EQ(65535, ch.programNumber());
    EXPECT_EQ(1, ch.videoPid());
    EXPECT_EQ(2, ch.pcrPid());
    EXPECT_EQ(3, ch.teletextPid());
    EXPECT_EQ(4, ch.ac3Pid());
    EXPECT_EQ(5, ch.pmtPid());
    EXPECT_TRUE(ch.serviceWord(0).locked());
    EXPECT_TRUE(ch.serviceWord(0).skipped());
    EXPECT_FALSE(ch.serviceWord(0).scrambled());
    // m_pKChannel's copy shows the edit.
    const int position = db.pkPositions()[0];
    ASSERT_GE(position, 0);
    EXPECT_EQ(0, std::memcmp(ch.bytes(), db.pkChannel().data() + position * ChannelDatabase::kPkChannelEntrySize,
                             kChannelRecordSize));
    EXPECT_TRUE(verifyLists(db));
}

TEST_F(ChannelDialogTest, ScrambledMovesTheChannelBetweenTheFsLists) {
    ASSERT_EQ((Pks{0, 1, 2, 3, 5003}), pksOf(db, ListKind::TvByScrambling, 0));
    ASSERT_EQ(1, editWithOk(1, "scrambled=on"));
    EXPECT_EQ((Pks{0, 2, 3, 5003}), pksOf(db, ListKind::TvByScrambling, 0));
    EXPECT_EQ((Pks{1}), pksOf(db, ListKind::TvByScrambling, 1));
    EXPECT_TRUE(db.channel(1).serviceWord(0).scrambled());
    EXPECT_EQ(1u, db.channel(1).fsLink(0).index());
    EXPECT_TRUE(verifyLists(db));

    ASSERT_EQ(1, editWithOk(1, "scrambled=off"));
    EXPECT_EQ((Pks{0, 2, 3, 1, 5003}), pksOf(db, ListKind::TvByScrambling, 0));
    EXPECT_TRUE(pksOf(db, ListKind::TvByScrambling, 1).empty());
    EXPECT_FALSE(db.channel(1).serviceWord(0).scrambled());
    EXPECT_TRUE(verifyLists(db));

    // Only the edited tuner side moves.
    ASSERT_EQ(1, editWithOk(5003, "scrambled=on"));
    EXPECT_EQ((Pks{0, 2, 3, 1}), pksOf(db, ListKind::TvByScrambling, 0));
    EXPECT_EQ((Pks{5003}), pksOf(db, ListKind::TvByScrambling, 1));
    EXPECT_TRUE(db.channel(3).serviceWord(1).scrambled());
    EXPECT_FALSE(db.channel(3).serviceWord(0).scrambled());
    EXPECT_TRUE(verifyLists(db));
}

// An out-of-range PID is refused and Cancel, on an edit or a new channel, writes nothing; a free or absent side or a
// free transponder asks nothing.
TEST_F(ChannelDialogTest, RefusalAndCancelWriteNothingAndNothingOpensOnFreeRecords) {
    const auto before = channelTable();
    answerDialog("", false, [](QDialog& dialog) {
        set(dialog, "channelName=Changed|scrambled=on|pmtPid=65536");
        UserPrompts::scriptAnswer(QMessageBox::Ok);
        EXPECT_NE(QDialog::Accepted, pressOk(dialog));
        EXPECT_EQ(&Find<QLineEdit>(dialog, "pmtPid"), dialog.focusWidget());
    });
    EXPECT_EQ(0, ui::EditChannel(nullptr, db, 0));
    EXPECT_EQ((QStringList{"Please enter an integer between 0 and 65535."}), messagesShown());
    answerDialog("channelName=Changed|audioPid0=0|scrambled=on|locked=on", false);
    EXPECT_EQ(0, ui::EditChannel(nullptr, db, 0));
    answerDialog("channelName=New TV", false);
    EXPECT_EQ(0, ui::AddNewChannel(nullptr, db, 0, ServiceType::Tv));
    EXPECT_EQ(before, channelTable());
    EXPECT_EQ((Pks{0, 1, 2, 3, 5003}), pksOf(db, ListKind::TvByScrambling, 0));
    EXPECT_EQ(2u, UserPrompts::takeAsked().size());
    EXPECT_EQ(0, ui::EditChannel(nullptr, db, 5000)); // slot 0 is on tuner 1 only
    EXPECT_EQ(0, ui::EditChannel(nullptr, db, 10));
    EXPECT_EQ(0, ui::EditChannel(nullptr, db, 10000));
    EXPECT_EQ(0, ui::AddNewChannel(nullptr, db, 7, ServiceType::Tv)); // a free transponder
    EXPECT_TRUE(UserPrompts::takeAsked().empty());
}

// A new channel goes behind every listed channel of tuner 1, or onto the tuner chosen.
TEST_F(ChannelDialogTest, ANewChannelOpensBlankAndIsAddedOnTheChosenTuner) {
    answerDialog("channelName=New TV");
    ASSERT_EQ(1, ui::AddNewChannel(nullptr, db, 0, ServiceType::Tv));
    const Pks tuner1Tv = pksOf(db, ListKind::Tuner1Tv, 0);
    ASSERT_EQ(5u, tuner1Tv.size());
    EXPECT_EQ("New TV", db.channelOfPk(tuner1Tv.back()).name());
    EXPECT_EQ(4u, db.channelOfPk(tuner1Tv.back()).mainLink(0).key());

    answerDialog("channelName=New Radio|audioPid1=300|scrambled=on|tunerNumber=Tuner 2", true, [](QDialog& dialog) {
        expectShown(dialog, "transponderText=12000   SR : 27500   3/4   Horizontal\n|channelName=|audioPid0=0");
        EXPECT_TRUE(enabled(dialog, "tunerNumber"));
    });
    ASSERT_EQ(1, ui::AddNewChannel(nullptr, db, 1, ServiceType::Radio));

    const Pks tuner2Radio = pksOf(db, ListKind::Tuner2Radio, 0);
    ASSERT_EQ(1u, tuner2Radio.size());
    const int pk = tuner2Radio[0];
    ASSERT_GE(pk, kChannelCount);
    const ConstChannelRecord ch = db.channelOfPk(pk);
    EXPECT_EQ("New Radio", ch.name());
    // Type, presences, audio PID and count, scrambling, the empty tuner 1 side, languages and tuner 2's links.
    EXPECT_EQ((std::vector<std::uint32_t>{
                  ch.serviceType(), ch.presence(0), ch.presence(1), ch.audioPid(0), ch.serviceWord(1).audioPidCount(),
                  ch.serviceWord(1).scrambled(), ch.serviceWord(0).value(), ch.mainLink(0).value(),
                  ch.audioLanguages().value(), ch.fsLink(1).index(), ch.transponderLink(1).index(),
                  ch.satelliteLink(1).index(), ch.mainLink(1).tunerSide()}),
              (std::vector<std::uint32_t>{1, 0, 1, 300, 1, 1, 0, 0, 0xFFFFFFFFu, 1, 1, 0, 1}));
    EXPECT_EQ((Pks{pk}), pksOf(db, ListKind::RadioByScrambling, 1));
    EXPECT_EQ((Pks{pk}), pksOf(db, ListKind::RadioByTransponder, 1));
    EXPECT_GE(db.pkPositions()[static_cast<std::size_t>(pk)], 0);
    EXPECT_TRUE(verifyLists(db));
}

} // namespace
