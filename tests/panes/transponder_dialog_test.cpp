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

using namespace vorlane;
using namespace vorlane::testing;
using vorlane::ui::TransponderDialog;
using vorlane::ui::UserPrompts;

namespace {

// Tabbing out of an edit, as a user leaves it for the next control.
void leave(QDialog& dialog, const char* edit) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&Find<QLineEdit>(dialog, edit), &event);
}

class TransponderDialogTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        bytes.fill(0xAB);
        record.setFrequency(11778);
        record.setSymbolRate(27500);
        record.setTransportStreamId(1101);
        record.setTuning(TuningWord(0xFFFFFF00u | (1u << 6) | (2u << 2) | 2u)); // FTA, "3 / 4", vertical
        original = bytes;
    }

    std::array<std::uint8_t, TransponderRecord::kSize> bytes{};
    TransponderRecord record{bytes.data()};
    std::array<std::uint8_t, TransponderRecord::kSize> original{};
};

// Leaving the symbol rate replaces any value outside its range; leaving the frequency corrects only wild values,
// then checks the range, and checks the other fields too.
TEST_F(TransponderDialogTest, OpensWithTheRecordsFieldsAndLeavingAnEditCorrectsOrChecksItsValue) {
    TransponderDialog dialog(record, "Astra");
    expectShown(dialog, "satelliteName=Astra|frequency=11778|symbolRate=27500|transportStreamId=1101|"
                        "polarity=Vertical|fec=3 / 4");
    for (const char* wild : {"999", "50001", ""}) {
        Find<QLineEdit>(dialog, "symbolRate").setText(wild);
        leave(dialog, "symbolRate");
        expectShown(dialog, "symbolRate=27500");
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
        set(dialog, step.fields);
        if (!step.message.isEmpty())
            UserPrompts::scriptAnswer(QMessageBox::Ok);
        leave(dialog, "frequency");
        expectShown(dialog, step.shown);
        EXPECT_EQ(step.message.isEmpty() ? QStringList() : QStringList{step.message}, messagesShown());
    }
}

TEST_F(TransponderDialogTest, MovingTheFocusToTheButtonsCorrectsOnlyForOk) {
    TransponderDialog dialog(record, "Astra");
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
    EXPECT_TRUE(messagesShown().isEmpty());
}

// OK refuses an out-of-range frequency and writes nothing; then writes the fields and keeps the other tuning bits.
TEST_F(TransponderDialogTest, OkRefusesOrWritesTheFieldsAndKeepsTheOtherTuningBits) {
    TransponderDialog dialog(record, "Astra");
    set(dialog, "frequency=60000|transportStreamId=5");
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    EXPECT_NE(QDialog::Accepted, pressOk(dialog));
    EXPECT_EQ((QStringList{"Please enter an integer between 1000 and 50000."}), messagesShown());
    EXPECT_EQ(original, bytes);

    set(dialog, "frequency=12188|symbolRate=22000|transportStreamId=65535|polarity=Horizontal|fec=Auto");
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));
    auto expected = original;
    writeLe16(expected.data() + 0x10, 12188);
    writeLe16(expected.data() + 0x12, 22000);
    writeLe16(expected.data() + 0x14, 65535);
    writeLe32(expected.data() + 0x18, 0xFFFFFF00u | (1u << 6) | (5u << 2) | 1u);
    EXPECT_EQ(expected, bytes);
}

TEST_F(TransponderDialogTest, CancelWritesNothing) {
    answerDialog("frequency=12000|polarity=Auto", false);
    ChannelDatabase db;
    db.AllocateTables();
    std::copy(bytes.begin(), bytes.end(), db.transponder(7).bytes());
    EXPECT_EQ(0, ui::EditTransponder(nullptr, db, 7));
    EXPECT_TRUE(std::equal(original.begin(), original.end(), db.transponder(7).bytes()));
}

TEST(NewTransponder, StartsFromTheDefaultsAndSortsLast) {
    std::array<std::uint8_t, TransponderRecord::kSize> bytes;
    bytes.fill(0xFF);
    FillNewTransponder(TransponderRecord(bytes.data()), 5);
    std::array<std::uint8_t, TransponderRecord::kSize> expected{};
    expected[0x02] = 'A';
    expected[0x03] = 'D';
    expected[0x04] = 'D';
    writeLe16(expected.data() + 0x10, 12000);
    writeLe16(expected.data() + 0x12, 27500);
    writeLe32(expected.data() + 0x18, 0x14);
    writeLe32(expected.data() + 0x1C, 5u | (1499u << 14));
    writeLe16(expected.data() + 0x20, 1499);
    EXPECT_EQ(expected, bytes);
}

class NewTransponderDialog : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        db.AllocateTables();
        putSatellite(db, 0, "Astra", 1, 0);
        putSatellite(db, 1, "Hotbird", 1, 1);
        putTransponder(db, 0, 1, 10719, kPolarisationVertical, 0);
        putTransponder(db, 1, 1, 10758, kPolarisationVertical, 1);
        db.BuildAllLists();
    }

    ChannelDatabase db;
};

TEST_F(NewTransponderDialog, CancelAddsNothingAndOkAddsTheTransponderAsTheLastOfItsSatellite) {
    answerDialog("", false);
    EXPECT_EQ(0, ui::AddNewTransponder(nullptr, db, 1));
    EXPECT_FALSE(db.modified());
    for (int i = 2; i < kTransponderCount; ++i)
        ASSERT_TRUE(db.transponder(i).isFree()) << i;

    answerDialog("frequency=11034", true, [](QDialog& dialog) {
        expectShown(dialog, "satelliteName=Hotbird|frequency=12000|symbolRate=27500|transportStreamId=0|polarity=Auto|"
                            "fec=Auto");
    });
    EXPECT_EQ(1, ui::AddNewTransponder(nullptr, db, 1));
    const std::vector<int> listed = pksOf(db, ListKind::SatelliteTransponders, 1);
    ASSERT_EQ(3u, listed.size());
    const ConstTransponderRecord added = db.transponder(listed.back());
    EXPECT_EQ(11034, added.frequency());
    EXPECT_EQ("ADD", added.networkName());
    EXPECT_EQ(2u, added.satelliteLink().key());
    EXPECT_TRUE(db.modified());
    EXPECT_TRUE(verifyLists(db));
}

} // namespace
