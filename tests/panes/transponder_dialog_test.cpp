#include "database/list_test_util.h"
#include "database/transponder_new_record.h"
#include "panes/transponder_dialog.h"
#include "property_dialog_test_util.h"
#include "support/list_check.h"
#include "support/record_builders.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPushButton>
#include <array>
#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using ui::TransponderDialog;
using ui::UserPrompts;

// Tabbing out of an edit, as a user leaves it for the next control.
void Leave(QDialog& dialog, const char* edit) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&Find<QLineEdit>(dialog, edit), &event);
}

// Satellites "Astra" and "Hotbird", transponders 0 and 1 on "Hotbird"; transponder 0 carries high tuning bits
// the dialog must keep.
class TransponderDialogTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        m_db.AllocateTables();
        PutSatellite(m_db, 0, "Astra", 1, 0);
        PutSatellite(m_db, 1, "Hotbird", 1, 1);
        PutTransponder(m_db, 0, 1, 11778, kPolarisationVertical, 0);
        PutTransponder(m_db, 1, 1, 10758, kPolarisationVertical, 1);
        Record().SetSymbolRate(27500);
        Record().SetTransportStreamId(1101);
        Record().SetTuning(TuningWord(0xFFFFFF00u | (1u << 6) | (2u << 2) | 2u)); // FTA, "3 / 4", vertical
        m_db.BuildAllLists();
        m_original = Table();
    }

    TransponderRecord Record() { return m_db.Transponder(0); }
    std::vector<std::uint8_t> Table() {
        return {m_db.arrTransponder(), m_db.arrTransponder() + kTransponderCount * TransponderRecord::kSize};
    }

    ChannelDatabase m_db;
    std::vector<std::uint8_t> m_original;
};

// Leaving the symbol rate replaces any value outside its range; leaving the frequency corrects only wild values,
// then checks the range, and checks the other fields too.
TEST_F(TransponderDialogTest, OpensWithTheRecordsFieldsAndLeavingAnEditCorrectsOrChecksItsValue) {
    TransponderDialog dialog(Record(), "Astra");
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
    TransponderDialog dialog(Record(), "Astra");
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
    TransponderDialog dialog(Record(), "Astra");
    Set(dialog, "frequency=60000|transportStreamId=5");
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    EXPECT_NE(QDialog::Accepted, PressOk(dialog));
    EXPECT_EQ((QStringList{"Please enter an integer between 1000 and 50000."}), MessagesShown());
    EXPECT_EQ(m_original, Table());

    Set(dialog, "frequency=12188|symbolRate=22000|transportStreamId=65535|polarity=Horizontal|fec=Auto");
    ASSERT_EQ(QDialog::Accepted, PressOk(dialog));
    auto expected = m_original;
    WriteLe16(expected.data() + 0x10, 12188);
    WriteLe16(expected.data() + 0x12, 22000);
    WriteLe16(expected.data() + 0x14, 65535);
    WriteLe32(expected.data() + 0x18, 0xFFFFFF00u | (1u << 6) | (5u << 2) | 1u);
    EXPECT_EQ(expected, Table());
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
    EXPECT_EQ(0, ui::EditTransponder(nullptr, m_db, 0));
    AnswerDialog("", false);
    EXPECT_EQ(0, ui::AddNewTransponder(nullptr, m_db, 1));
    EXPECT_FALSE(m_db.Modified());
    EXPECT_EQ(m_original, Table());

    AnswerDialog("frequency=11034", true, [](QDialog& dialog) {
        ExpectShown(dialog, "satelliteName=Hotbird|frequency=12000|symbolRate=27500|transportStreamId=0|polarity=Auto|"
                            "fec=Auto");
    });
    EXPECT_EQ(1, ui::AddNewTransponder(nullptr, m_db, 1));
    const std::vector<int> listed = PksOf(m_db, ListKind::SatelliteTransponders, 1);
    ASSERT_EQ(3u, listed.size());
    const ConstTransponderRecord added = m_db.Transponder(listed.back());
    EXPECT_EQ(11034, added.Frequency());
    EXPECT_EQ("ADD", added.NetworkName());
    EXPECT_EQ(2u, added.SatelliteLink().Key());
    EXPECT_TRUE(m_db.Modified());
    EXPECT_TRUE(VerifyLists(m_db));
}

} // namespace
} // namespace vorlane::testing
