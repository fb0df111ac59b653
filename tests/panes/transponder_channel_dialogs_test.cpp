// The transponder and channel property dialogs over a small database.
#include "database/list_test_util.h"
#include "database/transponder_new_record.h"
#include "panes/channel_dialog.h"
#include "panes/transponder_dialog.h"
#include "property_dialog_test_util.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QPushButton>
#include <array>
#include <vector>

namespace vorlane::testing {
namespace {

using ui::UserPrompts;
using Pks = std::vector<int>;

// Tabbing out of an edit, as a user leaves it for the next control.
void Leave(QDialog& dialog, const char* edit) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&Find<QLineEdit>(dialog, edit), &event);
}

// Satellite "Astra" with transponders 0 (11778 V, carrying high tuning bits the dialogs must keep) and 1 (12000 H);
// free TV channels in slots 0..2 on tuner 1, slot 3 on both tuners, a radio channel in slot 4, all on transponder 0.
class PropertyDialogTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        m_db.AllocateTables();
        PutSatellite(m_db, 0, "Astra", 1, 0);
        PutTransponder(m_db, 0, 0, 11778, kPolarisationVertical, 0);
        PutTransponder(m_db, 1, 0, 12000, kPolarisationHorizontal, 1);
        m_db.Transponder(0).SetTransportStreamId(1101);
        m_db.Transponder(0).SetTuning(TuningWord(0xFFFFFF00u | (1u << 6) | (2u << 2) | 2u)); // FTA, "3 / 4", vertical
        for (int slot = 0; slot < 5; ++slot) {
            ChannelSpec spec;
            spec.type = slot == 4 ? ServiceType::Radio : ServiceType::Tv;
            spec.onTuner2 = slot == 3;
            spec.key1 = static_cast<unsigned>(slot % 4);
            PutChannel(m_db, slot, spec);
        }
        m_db.BuildAllLists();
        m_transponders = TransponderTable();
    }

    std::vector<std::uint8_t> TransponderTable() {
        return {m_db.arrTransponder(), m_db.arrTransponder() + kTransponderCount * TransponderRecord::kSize};
    }
    std::vector<std::uint8_t> ChannelTable() {
        return {m_db.arrChannel(), m_db.arrChannel() + kChannelCount * kChannelRecordSize};
    }

    // Runs the channel dialog on `pk` with the given fields and "OK".
    int EditWithOk(int pk, const char* fields) {
        AnswerDialog(fields);
        return ui::EditChannel(nullptr, m_db, Pk(static_cast<std::uint16_t>(pk)));
    }

    ChannelDatabase m_db;
    std::vector<std::uint8_t> m_transponders;
};

using TransponderDialogTest = PropertyDialogTest;
using ChannelDialogTest = PropertyDialogTest;

// Leaving the symbol rate replaces any value outside its range; leaving the frequency corrects only wild values,
// then checks the range, and checks the other fields too.
TEST_F(TransponderDialogTest, OpensWithTheRecordsFieldsAndLeavingAnEditCorrectsOrChecksItsValue) {
    ui::TransponderDialog dialog(m_db.Transponder(0), "Astra");
    ExpectShown(dialog, "satelliteName=Astra|frequency=11778|symbolRate=27500|transportStreamId=1101|"
                        "polarity=Vertical|fec=3 / 4");
    for (const char* wild : {"999", "50001", ""}) {
        Find<QLineEdit>(dialog, "symbolRate").setText(wild);
        Leave(dialog, "symbolRate");
        ExpectShown(dialog, "symbolRate=27500");
    }
    const struct {
        const char* fields;
        const char* shown;
        QString message;
    } leaving[] = {{"frequency=999", "frequency=1000", {}},
                   {"frequency=60000", "frequency=60000", "Please enter an integer between 1000 and 50000."},
                   {"frequency=600000", "frequency=1000", {}},
                   {"transportStreamId=65536", "frequency=1000", "Please enter an integer between 0 and 65535."}};
    for (const auto& step : leaving) {
        SCOPED_TRACE(step.fields);
        Set(dialog, step.fields);
        if (!step.message.isEmpty())
            UserPrompts::ScriptAnswer(QMessageBox::Ok);
        Leave(dialog, "frequency");
        ExpectShown(dialog, step.shown);
        EXPECT_EQ(step.message.isEmpty() ? QStringList() : QStringList{step.message}, MessagesShown());
    }
}

TEST_F(TransponderDialogTest, MovingTheFocusToTheButtonsCorrectsOnlyForOk) {
    ui::TransponderDialog dialog(m_db.Transponder(0), "Astra");
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    QLineEdit& frequency = Find<QLineEdit>(dialog, "frequency");

    frequency.setFocus(Qt::TabFocusReason);
    frequency.setText("999");
    Find<QPushButton>(dialog, "cancelButton").setFocus(Qt::MouseFocusReason);
    EXPECT_EQ("999", frequency.text());

    frequency.setFocus(Qt::TabFocusReason);
    Find<QLineEdit>(dialog, "symbolRate").setText("60000"); // "OK" will refuse this one itself
    Find<QPushButton>(dialog, "okButton").setFocus(Qt::MouseFocusReason);
    EXPECT_EQ("1000", frequency.text());
    EXPECT_TRUE(MessagesShown().isEmpty());
}

// OK refuses an out-of-range frequency and writes nothing; then writes the fields and keeps the other tuning bits.
TEST_F(TransponderDialogTest, OkRefusesOrWritesTheFieldsAndKeepsTheOtherTuningBits) {
    ui::TransponderDialog dialog(m_db.Transponder(0), "Astra");
    Set(dialog, "frequency=60000|transportStreamId=5");
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    EXPECT_NE(QDialog::Accepted, PressOk(dialog));
    EXPECT_EQ((QStringList{"Please enter an integer between 1000 and 50000."}), MessagesShown());
    EXPECT_EQ(m_transponders, TransponderTable());

    Set(dialog, "frequency=12188|symbolRate=22000|transportStreamId=65535|polarity=Horizontal|fec=Auto");
    ASSERT_EQ(QDialog::Accepted, PressOk(dialog));
    auto expected = m_transponders;
    WriteLe16(expected.data() + 0x10, 12188);
    WriteLe16(expected.data() + 0x12, 22000);
    WriteLe16(expected.data() + 0x14, 65535);
    WriteLe32(expected.data() + 0x18, 0xFFFFFF00u | (1u << 6) | (5u << 2) | 1u);
    EXPECT_EQ(expected, TransponderTable());
}

TEST(NewTransponder, StartsFromTheDefaultsAndSortsLast) {
    std::array<std::uint8_t, TransponderRecord::kSize> bytes;
    bytes.fill(0xFF);
    FillNewTransponder(TransponderRecord(bytes.data()), 5);
    std::array<std::uint8_t, TransponderRecord::kSize> expected{};
    std::copy_n("ADD", 3, expected.begin() + 2);
    WriteLe16(expected.data() + 0x10, 12000);
    WriteLe16(expected.data() + 0x12, 27500);
    WriteLe32(expected.data() + 0x18, 0x14);
    WriteLe32(expected.data() + 0x1C, 5u | (1499u << 14));
    WriteLe16(expected.data() + 0x20, 1499);
    EXPECT_EQ(expected, bytes);
}

TEST_F(TransponderDialogTest, CancelWritesOrAddsNothingAndOkAddsTheTransponderAsTheLastOfItsSatellite) {
    AnswerDialog("frequency=12000|polarity=Auto", false);
    EXPECT_FALSE(ui::EditTransponder(nullptr, m_db, 0));
    AnswerDialog("", false);
    EXPECT_FALSE(ui::AddNewTransponder(nullptr, m_db, 0));
    EXPECT_FALSE(m_db.Modified());
    EXPECT_EQ(m_transponders, TransponderTable());

    AnswerDialog("frequency=11034", true, [](QDialog& dialog) {
        ExpectShown(dialog, "satelliteName=Astra|frequency=12000|symbolRate=27500|transportStreamId=0|polarity=Auto|"
                            "fec=Auto");
    });
    EXPECT_TRUE(ui::AddNewTransponder(nullptr, m_db, 0));
    const std::vector<int> listed = PksOf(m_db, ListKind::SatelliteTransponders, 0);
    ASSERT_EQ(3u, listed.size());
    const ConstTransponderRecord added = m_db.Transponder(listed.back());
    EXPECT_EQ(11034, added.Frequency());
    EXPECT_EQ("ADD", added.NetworkName());
    EXPECT_EQ(2u, added.SatelliteLink().Key());
    EXPECT_TRUE(m_db.Modified());
    EXPECT_TRUE(VerifyLists(m_db));
}

// OK writes name, PIDs and flags, the audio PIDs without gaps and counted, and keeps the other side's word; the
// sorted copy of the record shows the edit.
TEST_F(ChannelDialogTest, OkWritesNamePidsAndFlagsAndTheAudioPidsWithoutGaps) {
    ServiceWord word = m_db.Channel(2).SidedServiceWord(TunerSide::First);
    word.SetSelectedAudio(1);
    word.SetAudioMode(3);
    m_db.Channel(2).SetServiceWord(TunerSide::First, word);
    const std::uint32_t tuner2Word = ReadLe32(m_db.Channel(2).RecordBytes() + 0x34);
    ASSERT_EQ(1, EditWithOk(2, "channelName=Caf\xE9 TV \xFF|programId=65535|videoPid=1|pcrPid=2|teletextPid=3|ac3Pid=4|"
                               "pmtPid=5|locked=on|skipped=on|audioPid0=0|audioPid1=101|audioPid2=0|audioPid3=102|"
                               "audioPid4=0|audioPid5=0"));
    const ConstChannelRecord ch = m_db.Channel(2);
    const std::uint8_t* bytes = ch.RecordBytes();
    EXPECT_EQ(std::string("Caf\xE9 TV \xFF"), ch.Name());
    EXPECT_EQ(0, bytes[10]);
    EXPECT_EQ(0, bytes[19]);
    EXPECT_EQ(
        (std::vector<int>{65535, 1, 2, 3, 4, 5}),
        (std::vector<int>{ch.ProgramNumber(), ch.VideoPid(), ch.PcrPid(), ch.TeletextPid(), ch.Ac3Pid(), ch.PmtPid()}));
    const std::uint16_t audio[] = {101, 102, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(audio[i], ReadLe16(bytes + 0x18 + 2 * i)) << i;
    const ServiceWord stored(ReadLe32(bytes + 0x30));
    EXPECT_EQ((std::vector<unsigned>{1, 1, 0, 2, 1, 3}),
              (std::vector<unsigned>{stored.Locked(), stored.Skipped(), stored.Scrambled(), stored.AudioPidCount(),
                                     stored.SelectedAudio(), stored.AudioMode()}));
    EXPECT_EQ(tuner2Word, ReadLe32(bytes + 0x34));
    const int position = m_db.PkPositions()[2];
    ASSERT_GE(position, 0);
    EXPECT_EQ(0, std::memcmp(bytes, m_db.PkChannel().data() + position * ChannelDatabase::kPkChannelEntrySize,
                             kChannelRecordSize));
    EXPECT_TRUE(VerifyLists(m_db));
}

// "Scrambled" moves the channel between the free and the scrambled list of its tuner; only the edited side moves.
TEST_F(ChannelDialogTest, ScrambledMovesTheChannelBetweenTheFsLists) {
    const struct {
        int pk;
        const char* fields;
        Pks free, scrambled;
    } steps[] = {{1, "scrambled=on", {0, 2, 3, 5003}, {1}},
                 {1, "scrambled=off", {0, 2, 3, 1, 5003}, {}},
                 {5003, "scrambled=on", {0, 2, 3, 1}, {5003}}};
    for (const auto& step : steps) {
        ASSERT_EQ(1, EditWithOk(step.pk, step.fields));
        EXPECT_EQ(step.free, PksOf(m_db, ListKind::TvByScrambling, 0)) << step.pk;
        EXPECT_EQ(step.scrambled, PksOf(m_db, ListKind::TvByScrambling, 1)) << step.pk;
        const Pk pk(static_cast<std::uint16_t>(step.pk));
        EXPECT_EQ(!step.scrambled.empty(), m_db.ChannelOfPk(pk).SidedServiceWord(pk.Side()).Scrambled());
        EXPECT_EQ(step.scrambled.size(), m_db.ChannelOfPk(pk).FsLink(pk.Side()).Index());
        EXPECT_TRUE(VerifyLists(m_db));
    }
    EXPECT_FALSE(m_db.Channel(3).SidedServiceWord(TunerSide::First).Scrambled());
}

// The dialog shows the side's fields and the transponder line. An out-of-range PID is refused and Cancel, on an
// edit or a new channel, writes nothing; a free or absent side or a free transponder asks nothing.
TEST_F(ChannelDialogTest, OpensWithTheSidesFieldsAndRefusalAndCancelWriteNothing) {
    ServiceWord word = m_db.Channel(0).SidedServiceWord(TunerSide::First);
    word.SetLocked(true);
    word.SetSkipped(true);
    m_db.Channel(0).SetServiceWord(TunerSide::First, word);
    const auto before = ChannelTable();
    AnswerDialog("", false, [](QDialog& dialog) {
        ExpectShown(dialog, "satelliteText=Astra|transponderText=11778   SR : 27500   3/4   Vertical\n|"
                            "channelName=Channel 0000|programId=1|audioPid0=512|audioPid5=0|videoPid=768|pmtPid=256|"
                            "locked=on|scrambled=off|skipped=on");
        EXPECT_TRUE(Find<QGroupBox>(dialog, "tunerNumberGroup").isHidden());
        EXPECT_FALSE(Enabled(dialog, "tunerNumber"));
        Set(dialog, "channelName=Changed|scrambled=on|pmtPid=65536");
        UserPrompts::ScriptAnswer(QMessageBox::Ok);
        EXPECT_NE(QDialog::Accepted, PressOk(dialog));
        EXPECT_EQ(&Find<QLineEdit>(dialog, "pmtPid"), dialog.focusWidget());
    });
    EXPECT_FALSE(ui::EditChannel(nullptr, m_db, Pk(0)));
    EXPECT_EQ((QStringList{"Please enter an integer between 0 and 65535."}), MessagesShown());
    AnswerDialog("channelName=New TV", false);
    EXPECT_FALSE(ui::AddNewChannel(nullptr, m_db, 0, ServiceType::Tv));
    EXPECT_EQ(before, ChannelTable());
    EXPECT_EQ((Pks{0, 1, 2, 3, 5003}), PksOf(m_db, ListKind::TvByScrambling, 0));
    EXPECT_EQ(1u, UserPrompts::TakeAsked().size());
    EXPECT_FALSE(ui::EditChannel(nullptr, m_db, Pk(5000))); // slot 0 is on tuner 1 only
    EXPECT_FALSE(ui::EditChannel(nullptr, m_db, Pk(10)));
    EXPECT_FALSE(ui::EditChannel(nullptr, m_db, Pk(10000)));
    EXPECT_FALSE(ui::AddNewChannel(nullptr, m_db, 7, ServiceType::Tv)); // a free transponder
    EXPECT_TRUE(UserPrompts::TakeAsked().empty());
}

// A new channel goes behind every listed channel of tuner 1, or onto the tuner chosen.
TEST_F(ChannelDialogTest, ANewChannelOpensBlankAndIsAddedOnTheChosenTuner) {
    AnswerDialog("channelName=New TV");
    ASSERT_TRUE(ui::AddNewChannel(nullptr, m_db, 0, ServiceType::Tv));
    const std::vector<Pk> tuner1Tv = PkListOf(m_db, ListKind::Tuner1Tv, 0);
    ASSERT_EQ(5u, tuner1Tv.size());
    EXPECT_EQ("New TV", m_db.ChannelOfPk(tuner1Tv.back()).Name());
    EXPECT_EQ(4u, m_db.ChannelOfPk(tuner1Tv.back()).MainLink(TunerSide::First).Key());

    AnswerDialog("channelName=New Radio|audioPid1=300|scrambled=on|tunerNumber=Tuner 2", true, [](QDialog& dialog) {
        ExpectShown(dialog, "transponderText=12000   SR : 27500   3/4   Horizontal\n|channelName=|audioPid0=0");
        EXPECT_TRUE(Enabled(dialog, "tunerNumber"));
    });
    ASSERT_TRUE(ui::AddNewChannel(nullptr, m_db, 1, ServiceType::Radio));

    const std::vector<Pk> tuner2Radio = PkListOf(m_db, ListKind::Tuner2Radio, 0);
    ASSERT_EQ(1u, tuner2Radio.size());
    const Pk pk = tuner2Radio[0];
    ASSERT_GE(pk.Value(), kChannelCount);
    const ConstChannelRecord ch = m_db.ChannelOfPk(pk);
    EXPECT_EQ("New Radio", ch.Name());
    // Type, presences, audio PID and count, scrambling, the empty tuner 1 side, languages and tuner 2's links.
    EXPECT_EQ((std::vector<std::uint32_t>{
                  ch.ServiceTypeCode(), ch.Presence(TunerSide::First), ch.Presence(TunerSide::Second), ch.AudioPid(0),
                  ch.SidedServiceWord(TunerSide::Second).AudioPidCount(),
                  ch.SidedServiceWord(TunerSide::Second).Scrambled(), ch.SidedServiceWord(TunerSide::First).Value(),
                  ch.MainLink(TunerSide::First).Value(), ch.AudioLanguagesWord().Value(),
                  ch.FsLink(TunerSide::Second).Index(), ch.TransponderLink(TunerSide::Second).Index(),
                  ch.SatelliteLink(TunerSide::Second).Index(), SideBit(ch.MainLink(TunerSide::Second).Side())}),
              (std::vector<std::uint32_t>{1, 0, 1, 300, 1, 1, 0, 0, 0xFFFFFFFFu, 1, 1, 0, 1}));
    EXPECT_EQ((Pks{pk.Value()}), PksOf(m_db, ListKind::RadioByScrambling, 1));
    EXPECT_EQ((Pks{pk.Value()}), PksOf(m_db, ListKind::RadioByTransponder, 1));
    EXPECT_GE(m_db.PkPositions()[pk.Value()], 0);
    EXPECT_TRUE(VerifyLists(m_db));
}

} // namespace
} // namespace vorlane::testing
