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
        m_db.AllocateTables();
        PutSatellite(m_db, 0, "Astra", 1, 0);
        PutTransponder(m_db, 0, 0, 11778, kPolarisationVertical, 0);
        PutTransponder(m_db, 1, 0, 12000, kPolarisationHorizontal, 1);
        for (int slot = 0; slot < 3; ++slot) {
            ChannelSpec spec;
            spec.key1 = static_cast<unsigned>(slot);
            PutChannel(m_db, slot, spec);
        }
        ChannelSpec both;
        both.onTuner2 = true;
        both.key1 = 3;
        PutChannel(m_db, 3, both);
        ChannelSpec radio;
        radio.type = ServiceType::Radio;
        PutChannel(m_db, 4, radio);
        m_db.BuildAllLists();
    }

    std::vector<std::uint8_t> ChannelTable() {
        return std::vector<std::uint8_t>(m_db.arrChannel(), m_db.arrChannel() + kChannelCount * kChannelRecordSize);
    }

    // Runs the dialog on `pk` with the given fields and "OK".
    int EditWithOk(int pk, const char* fields) {
        AnswerDialog(fields);
        return ui::EditChannel(nullptr, m_db, pk);
    }

    ChannelDatabase m_db;
};

TEST_F(ChannelDialogTest, OpensWithTheSidesFieldsAndTheTransponderLine) {
    ServiceWord word = m_db.Channel(1).SidedServiceWord(TunerSide::First);
    word.SetLocked(true);
    word.SetSkipped(true);
    m_db.Channel(1).SetServiceWord(TunerSide::First, word);
    AnswerDialog("", false, [](QDialog& dialog) {
        ExpectShown(dialog, "satelliteText=Astra|transponderText=11778   SR : 27500   3/4   Vertical\n|"
                            "channelName=Channel 0001|programId=2|audioPid0=512|audioPid5=0|videoPid=768|pmtPid=257|"
                            "locked=on|scrambled=off|skipped=on");
        EXPECT_TRUE(Find<QGroupBox>(dialog, "tunerNumberGroup").isHidden());
        EXPECT_FALSE(Enabled(dialog, "tunerNumber"));
    });
    EXPECT_EQ(0, ui::EditChannel(nullptr, m_db, 1));
}

TEST_F(ChannelDialogTest, AudioPidsAreStoredWithoutGapsAndCounted) {
    ServiceWord word = m_db.Channel(2).SidedServiceWord(TunerSide::First);
    word.SetSelectedAudio(1);
    word.SetAudioMode(3);
    m_db.Channel(2).SetServiceWord(TunerSide::First, word);
    const std::uint32_t tuner2Word = ReadLe32(m_db.Channel(2).RecordBytes() + 0x34);
    ASSERT_EQ(1, EditWithOk(2, "audioPid0=0|audioPid1=101|audioPid2=0|audioPid3=102|audioPid4=0|audioPid5=0"));
    const std::uint8_t* bytes = m_db.Channel(2).RecordBytes();
    const std::uint16_t expected[] = {101, 102, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], ReadLe16(bytes + 0x18 + 2 * i)) << i;
    const ServiceWord stored(ReadLe32(bytes + 0x30));
    EXPECT_EQ(2u, stored.AudioPidCount());
    EXPECT_EQ(1u, stored.SelectedAudio());
    EXPECT_EQ(3u, stored.AudioMode());
    EXPECT_EQ(tuner2Word, ReadLe32(bytes + 0x34));
}

TEST_F(ChannelDialogTest, OkWritesNamePidsAndFlags) {
    ASSERT_EQ(1, EditWithOk(0, "channelName=Caf\xE9 TV \xFF|programId=65535|videoPid=1|pcrPid=2|teletextPid=3|ac3Pid=4|"
                               "pmtPid=5|locked=on|skipped=on"));
    const ConstChannelRecord ch = m_db.Channel(0);
    EXPECT_EQ(std::string("Caf\xE9 TV \xFF"), ch.Name());
    EXPECT_EQ(0, ch.RecordBytes()[10]);
    EXPECT_EQ(0, ch.RecordBytes()[19]);
    EXPECT_EQ(65535, ch.ProgramNumber());
    EXPECT_EQ(1, ch.VideoPid());
    EXPECT_EQ(2, ch.PcrPid());
    EXPECT_EQ(3, ch.TeletextPid());
    EXPECT_EQ(4, ch.Ac3Pid());
    EXPECT_EQ(5, ch.PmtPid());
    const ServiceWord word = ch.SidedServiceWord(TunerSide::First);
    EXPECT_EQ((std::array{true, true, false}), (std::array{word.Locked(), word.Skipped(), word.Scrambled()}));
    // m_pKChannel's copy shows the edit.
    const int position = m_db.PkPositions()[0];
    ASSERT_GE(position, 0);
    EXPECT_EQ(0,
              std::memcmp(ch.RecordBytes(), m_db.PkChannel().data() + position * ChannelDatabase::kPkChannelEntrySize,
                          kChannelRecordSize));
    EXPECT_TRUE(VerifyLists(m_db));
}

TEST_F(ChannelDialogTest, ScrambledMovesTheChannelBetweenTheFsLists) {
    ASSERT_EQ((Pks{0, 1, 2, 3, 5003}), PksOf(m_db, ListKind::TvByScrambling, 0));
    ASSERT_EQ(1, EditWithOk(1, "scrambled=on"));
    EXPECT_EQ((Pks{0, 2, 3, 5003}), PksOf(m_db, ListKind::TvByScrambling, 0));
    EXPECT_EQ((Pks{1}), PksOf(m_db, ListKind::TvByScrambling, 1));
    EXPECT_TRUE(m_db.Channel(1).SidedServiceWord(TunerSide::First).Scrambled());
    EXPECT_EQ(1u, m_db.Channel(1).FsLink(TunerSide::First).Index());
    EXPECT_TRUE(VerifyLists(m_db));

    ASSERT_EQ(1, EditWithOk(1, "scrambled=off"));
    EXPECT_EQ((Pks{0, 2, 3, 1, 5003}), PksOf(m_db, ListKind::TvByScrambling, 0));
    EXPECT_TRUE(PksOf(m_db, ListKind::TvByScrambling, 1).empty());
    EXPECT_FALSE(m_db.Channel(1).SidedServiceWord(TunerSide::First).Scrambled());
    EXPECT_TRUE(VerifyLists(m_db));

    // Only the edited tuner side moves.
    ASSERT_EQ(1, EditWithOk(5003, "scrambled=on"));
    EXPECT_EQ((Pks{0, 2, 3, 1}), PksOf(m_db, ListKind::TvByScrambling, 0));
    EXPECT_EQ((Pks{5003}), PksOf(m_db, ListKind::TvByScrambling, 1));
    EXPECT_TRUE(m_db.Channel(3).SidedServiceWord(TunerSide::Second).Scrambled());
    EXPECT_FALSE(m_db.Channel(3).SidedServiceWord(TunerSide::First).Scrambled());
    EXPECT_TRUE(VerifyLists(m_db));
}

// An out-of-range PID is refused and Cancel, on an edit or a new channel, writes nothing; a free or absent side or a
// free transponder asks nothing.
TEST_F(ChannelDialogTest, RefusalAndCancelWriteNothingAndNothingOpensOnFreeRecords) {
    const auto before = ChannelTable();
    AnswerDialog("", false, [](QDialog& dialog) {
        Set(dialog, "channelName=Changed|scrambled=on|pmtPid=65536");
        UserPrompts::ScriptAnswer(QMessageBox::Ok);
        EXPECT_NE(QDialog::Accepted, PressOk(dialog));
        EXPECT_EQ(&Find<QLineEdit>(dialog, "pmtPid"), dialog.focusWidget());
    });
    EXPECT_EQ(0, ui::EditChannel(nullptr, m_db, 0));
    EXPECT_EQ((QStringList{"Please enter an integer between 0 and 65535."}), MessagesShown());
    AnswerDialog("channelName=Changed|audioPid0=0|scrambled=on|locked=on", false);
    EXPECT_EQ(0, ui::EditChannel(nullptr, m_db, 0));
    AnswerDialog("channelName=New TV", false);
    EXPECT_EQ(0, ui::AddNewChannel(nullptr, m_db, 0, ServiceType::Tv));
    EXPECT_EQ(before, ChannelTable());
    EXPECT_EQ((Pks{0, 1, 2, 3, 5003}), PksOf(m_db, ListKind::TvByScrambling, 0));
    EXPECT_EQ(2u, UserPrompts::TakeAsked().size());
    EXPECT_EQ(0, ui::EditChannel(nullptr, m_db, 5000)); // slot 0 is on tuner 1 only
    EXPECT_EQ(0, ui::EditChannel(nullptr, m_db, 10));
    EXPECT_EQ(0, ui::EditChannel(nullptr, m_db, 10000));
    EXPECT_EQ(0, ui::AddNewChannel(nullptr, m_db, 7, ServiceType::Tv)); // a free transponder
    EXPECT_TRUE(UserPrompts::TakeAsked().empty());
}

// A new channel goes behind every listed channel of tuner 1, or onto the tuner chosen.
TEST_F(ChannelDialogTest, ANewChannelOpensBlankAndIsAddedOnTheChosenTuner) {
    AnswerDialog("channelName=New TV");
    ASSERT_EQ(1, ui::AddNewChannel(nullptr, m_db, 0, ServiceType::Tv));
    const Pks tuner1Tv = PksOf(m_db, ListKind::Tuner1Tv, 0);
    ASSERT_EQ(5u, tuner1Tv.size());
    EXPECT_EQ("New TV", m_db.ChannelOfPk(tuner1Tv.back()).Name());
    EXPECT_EQ(4u, m_db.ChannelOfPk(tuner1Tv.back()).MainLink(TunerSide::First).Key());

    AnswerDialog("channelName=New Radio|audioPid1=300|scrambled=on|tunerNumber=Tuner 2", true, [](QDialog& dialog) {
        ExpectShown(dialog, "transponderText=12000   SR : 27500   3/4   Horizontal\n|channelName=|audioPid0=0");
        EXPECT_TRUE(Enabled(dialog, "tunerNumber"));
    });
    ASSERT_EQ(1, ui::AddNewChannel(nullptr, m_db, 1, ServiceType::Radio));

    const Pks tuner2Radio = PksOf(m_db, ListKind::Tuner2Radio, 0);
    ASSERT_EQ(1u, tuner2Radio.size());
    const int pk = tuner2Radio[0];
    ASSERT_GE(pk, kChannelCount);
    const ConstChannelRecord ch = m_db.ChannelOfPk(pk);
    EXPECT_EQ("New Radio", ch.Name());
    // Type, presences, audio PID and count, scrambling, the empty tuner 1 side, languages and tuner 2's links.
    EXPECT_EQ((std::vector<std::uint32_t>{
                  ch.ServiceTypeCode(), ch.Presence(TunerSide::First), ch.Presence(TunerSide::Second), ch.AudioPid(0),
                  ch.SidedServiceWord(TunerSide::Second).AudioPidCount(),
                  ch.SidedServiceWord(TunerSide::Second).Scrambled(), ch.SidedServiceWord(TunerSide::First).Value(),
                  ch.MainLink(TunerSide::First).Value(), ch.AudioLanguagesWord().Value(),
                  ch.FsLink(TunerSide::Second).Index(), ch.TransponderLink(TunerSide::Second).Index(),
                  ch.SatelliteLink(TunerSide::Second).Index(), ch.MainLink(TunerSide::Second).TunerSide()}),
              (std::vector<std::uint32_t>{1, 0, 1, 300, 1, 1, 0, 0, 0xFFFFFFFFu, 1, 1, 0, 1}));
    EXPECT_EQ((Pks{pk}), PksOf(m_db, ListKind::RadioByScrambling, 1));
    EXPECT_EQ((Pks{pk}), PksOf(m_db, ListKind::RadioByTransponder, 1));
    EXPECT_GE(m_db.PkPositions()[static_cast<std::size_t>(pk)], 0);
    EXPECT_TRUE(VerifyLists(m_db));
}

} // namespace
