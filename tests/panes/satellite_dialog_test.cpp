#include "panes/satellite_dialog.h"
#include "panes/satellite_position_text.h"
#include "property_dialog_test_util.h"

#include <QGroupBox>
#include <array>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using vorlane::ui::SatelliteDialog;
using vorlane::ui::UserPrompts;

namespace {

class SatelliteDialogTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        bytes.fill(0xFF);
        record.setName("Astra 19.2E");
        record.setOrbitalPosition(192);
        record.setLnbType(1);
        record.setLnbLowFrequency(9750);
        record.setLnbHighFrequency(10600);
        record.setTunerConnection(1);
        // Tuner 2's word: "4 port", port 3, 12V, tone flag 1, burst "B", cable compensation and bit 11 set.
        LnbSwitchWord word;
        word.setDiseqcType(2);
        word.setDiseqcPort(2);
        word.setLnbPower(2);
        word.setToneFlag(1);
        word.setToneBurst(2);
        word.setCableCompensation(1);
        record.setLnbSwitch(1, LnbSwitchWord(word.value() | (1u << 11) | 0xFFF80000u));
        record.setLnbSwitch(0, LnbSwitchWord(0x12345678));
        settingsBytes.fill(0);
        settings.set_tuner_connection(2);
        original = bytes;
    }

    std::array<std::uint8_t, SatelliteRecord::kSize> bytes{};
    std::array<std::uint8_t, ReceiverSettings::kSize> settingsBytes{};
    SatelliteRecord record{bytes.data()};
    ReceiverSettings settings{settingsBytes};
    std::array<std::uint8_t, SatelliteRecord::kSize> original{};
};

// Listed LOFs are chosen in their lists with the user edits off; the switch word shown is tuner 2's, the record's
// tuner connection. An unlisted LOF selects "user"; a standard LNB has no high band.
TEST_F(SatelliteDialogTest, OpensWithTheRecordsFieldsAndAnUnlistedLofSelectsUser) {
    SatelliteDialog dialog(record, settings);
    expectShown(dialog, "satelliteName=Astra "
                        "19.2E|longitude=19.2|longitudeDirection=EAST|lnbType=Universal|lofLow=9750|lofHigh=10600|"
                        "diseqcType=4 port|diseqcPort=3|tone22k=Off|lnbPower=12V|toneBurst=B");
    EXPECT_FALSE(enabled(dialog, "lofLowUser"));
    EXPECT_FALSE(enabled(dialog, "lofHighUser"));

    record.setLnbLowFrequency(9751);
    SatelliteDialog unlisted(record, settings);
    expectShown(unlisted, "lofLow=user|lofLowUser=9751");
    EXPECT_TRUE(enabled(unlisted, "lofLowUser"));
    set(unlisted, "lofHigh=user");
    EXPECT_TRUE(enabled(unlisted, "lofHighUser"));
    set(unlisted, "lnbType=Standard");
    EXPECT_FALSE(enabled(unlisted, "lofHigh"));
    EXPECT_FALSE(enabled(unlisted, "lofHighUser"));
    set(unlisted, "lnbType=Single");
    EXPECT_TRUE(enabled(unlisted, "lofHigh"));
}

// OK stores a list LOF or the user number and reports the edit; Cancel writes nothing.
TEST_F(SatelliteDialogTest, OkStoresTheLofsAndCancelWritesNothing) {
    answerDialog("satelliteName=Changed|lofLow=5750|diseqcType=SMATV|tunerConnection=Separate", false);
    EXPECT_EQ(0, ui::EditSatellite(nullptr, record, settings));
    EXPECT_EQ(original, bytes);
    EXPECT_EQ(2, settings.tuner_connection());

    answerDialog("lofLow=user|lofLowUser=9751|lofHigh=11475");
    EXPECT_EQ(1, ui::EditSatellite(nullptr, record, settings));
    EXPECT_EQ(9751, readLe16(bytes.data() + 0x12));
    EXPECT_EQ(11475, readLe16(bytes.data() + 0x10));
}

// A user LOF the record cannot hold, or a longitude that is no number or too far, is refused with its range.
TEST_F(SatelliteDialogTest, AValueOutsideItsFieldIsRefusedWithItsRange) {
    const QString lofRange = "Please enter an integer between 0 and 65535.";
    const QString degrees = "Please enter a number between 0 and 180.";
    const std::tuple<const char*, const char*, QString> refused[] = {{"lofLowUser", "70000", lofRange},
                                                                     {"longitude", "abc", degrees},
                                                                     {"longitude", "180.1", degrees},
                                                                     {"longitude", "1.2.3", degrees},
                                                                     {"longitude", "", degrees}};
    for (const auto& [field, value, message] : refused) {
        SatelliteDialog dialog(record, settings);
        set(dialog, "lofLow=user|lofLowUser=9750");
        Find<QLineEdit>(dialog, field).setText(value);
        UserPrompts::scriptAnswer(QMessageBox::Ok);
        EXPECT_NE(QDialog::Accepted, pressOk(dialog)) << value;
        EXPECT_EQ((QStringList{message}), messagesShown());
    }
    EXPECT_EQ(original, bytes);
}

// The port list follows the switch type and keeps the stored port (3) where the switch has it.
TEST_F(SatelliteDialogTest, DiseqcPortListFollowsTheType) {
    SatelliteDialog dialog(record, settings);
    QComboBox& port = Find<QComboBox>(dialog, "diseqcPort");
    const std::tuple<const char*, int, const char*> types[] = {
        {"DiSEqC3", 0, ""}, {"8 port", 8, "3"}, {"16 port", 16, "3"}, {"SMATV", 16, "3"}, {"2 port", 2, ""}};
    for (const auto& [type, count, current] : types) {
        set(dialog, ("diseqcType=" + std::string(type)).c_str());
        EXPECT_EQ(count, port.count()) << type;
        EXPECT_EQ(count > 0, port.isEnabled()) << type;
        EXPECT_EQ(current, port.currentText()) << type;
        EXPECT_EQ(QString::number(count), count ? port.itemText(count - 1) : "0") << type;
    }
}

TEST_F(SatelliteDialogTest, MotorAndTypeExcludeEachOtherAndTheMotorIsStored) {
    SatelliteDialog dialog(record, settings);
    EXPECT_FALSE(enabled(dialog, "diseqcMotor")); // a switch type is set
    set(dialog, "diseqcType=Disable");
    EXPECT_TRUE(enabled(dialog, "diseqcMotor"));
    set(dialog, "diseqcMotor=USALS");
    EXPECT_FALSE(enabled(dialog, "diseqcType"));
    set(dialog, "diseqcMotor=Disable");
    EXPECT_TRUE(enabled(dialog, "diseqcType"));

    // With no switch the motor choice is stored; an empty port list keeps the stored port.
    set(dialog, "diseqcType=Disable|diseqcMotor=USALS");
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));
    const LnbSwitchWord word = record.lnbSwitch(1);
    EXPECT_EQ(0u, word.diseqcType());
    EXPECT_EQ(2u, word.motorControl());
    EXPECT_EQ(2u, word.diseqcPort());
}

// OK writes name, position and type, and the switch word of the tuner connection keeping its other bits; a
// full-length name of any bytes comes back byte for byte.
TEST_F(SatelliteDialogTest, OkWritesTheFieldsAndTheSwitchWordAndTheyRoundTrip) {
    SatelliteDialog dialog(record, settings);
    set(dialog, "satelliteName=Hisp\xE0sat \xFF|longitude=30.05|longitudeDirection=WEST|lnbType=Single|diseqcType=8 "
                "port|diseqcPort=6|tone22k=On|lnbPower=0V|toneBurst=A");
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));
    EXPECT_EQ(std::string("Hisp\xE0sat \xFF"), record.name());
    EXPECT_EQ(0, bytes[0x0A]);
    EXPECT_EQ(0, bytes[0x0F]);
    EXPECT_EQ(-300, record.orbitalPosition());
    EXPECT_EQ(2, record.lnbType());
    const std::uint32_t kept = 0xFFF80000u | (1u << 12) | (1u << 11);
    EXPECT_EQ(kept | (3u << 3) | (5u << 7) | (1u << 1) | (1u << 13), readLe32(bytes.data() + 0x7C));
    EXPECT_EQ(0x12345678u, readLe32(bytes.data() + 0x78));

    SatelliteDialog reopened(record, settings);
    expectShown(reopened, "longitude=30.0|longitudeDirection=WEST|satelliteName=Hisp\xE0sat \xFF");

    const std::array<std::uint8_t, 16> name = {'S', 'a', 't', 0xB0, 0xE9, 0xFE, 'A', 'B',
                                               'C', 'D', 'E', 'F',  'G',  'H',  'I', 'J'};
    std::copy(name.begin(), name.end(), bytes.begin());
    const auto before = bytes;
    SatelliteDialog again(record, settings);
    ASSERT_EQ(QDialog::Accepted, pressOk(again));
    EXPECT_EQ(before, bytes);
}

TEST_F(SatelliteDialogTest, HiddenTunerGroupStillCarriesTheTunerConnection) {
    SatelliteDialog dialog(record, settings);
    EXPECT_TRUE(Find<QGroupBox>(dialog, "tunerSetting").isHidden());
    expectShown(dialog, "tunerNumber=Tuner 2|tunerConnection=Dual Mode");
    EXPECT_FALSE(enabled(dialog, "tunerConnection")); // only tuner 1 chooses the connection
    set(dialog, "tunerNumber=Tuner 1");
    EXPECT_TRUE(enabled(dialog, "tunerConnection"));
    set(dialog, "tunerConnection=Loop Through");
    EXPECT_FALSE(enabled(dialog, "tunerNumber"));
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));
    EXPECT_EQ(1, settings.tuner_connection());
    EXPECT_EQ(1, record.tunerConnection()); // the tuner number is not stored
}

TEST(SatellitePositionText, ParsesTenthsExactlyAndTruncates) {
    const std::pair<const char*, int> parsed[] = {
        {"19.2", 192}, {" 19.29 ", 192}, {".5", 5}, {"180", 1800}, {"7.", 70}};
    for (const auto& [text, expected] : parsed) {
        int tenths = -1;
        EXPECT_TRUE(ParseOrbitalTenths(text, 1800, tenths)) << text;
        EXPECT_EQ(expected, tenths) << text;
    }
    int tenths = -1;
    for (const char* bad : {"", ".", "180.1", "-5", "1e2", "99999999999999999999", "1..2"})
        EXPECT_FALSE(ParseOrbitalTenths(bad, 1800, tenths)) << bad;
    EXPECT_EQ("19.2", FormatOrbitalDegrees(192));
    EXPECT_EQ("0.5", FormatOrbitalDegrees(5));
    EXPECT_EQ("3276.8", FormatOrbitalDegrees(32768));
}

} // namespace
