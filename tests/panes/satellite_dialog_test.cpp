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

TEST_F(SatelliteDialogTest, OpensWithTheRecordsFields) {
    SatelliteDialog dialog(record, settings);
    EXPECT_EQ("Astra 19.2E", Find<QLineEdit>(dialog, "satelliteName").text());
    EXPECT_EQ("19.2", Find<QLineEdit>(dialog, "longitude").text());
    EXPECT_EQ("EAST", Find<QComboBox>(dialog, "longitudeDirection").currentText());
    EXPECT_EQ("Universal", Find<QComboBox>(dialog, "lnbType").currentText());
    // Stored LOFs that are in the lists are chosen there, with the user edits off.
    EXPECT_EQ("9750", Find<QComboBox>(dialog, "lofLow").currentText());
    EXPECT_FALSE(Find<QLineEdit>(dialog, "lofLowUser").isEnabled());
    EXPECT_EQ("10600", Find<QComboBox>(dialog, "lofHigh").currentText());
    EXPECT_FALSE(Find<QLineEdit>(dialog, "lofHighUser").isEnabled());
    // The switch word of the record's tuner connection (tuner 2) is shown.
    EXPECT_EQ("4 port", Find<QComboBox>(dialog, "diseqcType").currentText());
    EXPECT_EQ("3", Find<QComboBox>(dialog, "diseqcPort").currentText());
    EXPECT_EQ("Off", Find<QComboBox>(dialog, "tone22k").currentText());
    EXPECT_EQ("12V", Find<QComboBox>(dialog, "lnbPower").currentText());
    EXPECT_EQ("B", Find<QComboBox>(dialog, "toneBurst").currentText());
}

TEST_F(SatelliteDialogTest, AnUnlistedLofSelectsUser) {
    record.setLnbLowFrequency(9751);
    SatelliteDialog dialog(record, settings);
    EXPECT_EQ("user", Find<QComboBox>(dialog, "lofLow").currentText());
    EXPECT_TRUE(Find<QLineEdit>(dialog, "lofLowUser").isEnabled());
    EXPECT_EQ("9751", Find<QLineEdit>(dialog, "lofLowUser").text());

    // A standard LNB has no high band: its list and user edit are off even when "user" is chosen.
    choose(dialog, "lofHigh", "user");
    EXPECT_TRUE(Find<QLineEdit>(dialog, "lofHighUser").isEnabled());
    choose(dialog, "lnbType", "Standard");
    EXPECT_FALSE(Find<QComboBox>(dialog, "lofHigh").isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(dialog, "lofHighUser").isEnabled());
    choose(dialog, "lnbType", "Single");
    EXPECT_TRUE(Find<QComboBox>(dialog, "lofHigh").isEnabled());
}

TEST_F(SatelliteDialogTest, OkStoresAListLofOrTheUserNumberAndReportsTheEdit) {
    UserPrompts::scriptAnswer(UserPrompts::DialogScript([](QDialog& dialog) {
        choose(dialog, "lofLow", "user");
        type(dialog, "lofLowUser", "9751");
        choose(dialog, "lofHigh", "11475");
        return pressOk(dialog);
    }));
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
        choose(dialog, "lofLow", "user");
        type(dialog, "lofLowUser", "9750");
        type(dialog, field, value);
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
        choose(dialog, "diseqcType", type);
        EXPECT_EQ(count, port.count()) << type;
        EXPECT_EQ(count > 0, port.isEnabled()) << type;
        EXPECT_EQ(current, port.currentText()) << type;
        EXPECT_EQ(QString::number(count), count ? port.itemText(count - 1) : "0") << type;
    }
}

TEST_F(SatelliteDialogTest, MotorAndTypeExcludeEachOtherAndTheMotorIsStored) {
    SatelliteDialog dialog(record, settings);
    QComboBox& type = Find<QComboBox>(dialog, "diseqcType");
    QComboBox& motor = Find<QComboBox>(dialog, "diseqcMotor");
    EXPECT_FALSE(motor.isEnabled()); // a switch type is set
    choose(dialog, "diseqcType", "Disable");
    EXPECT_TRUE(motor.isEnabled());
    choose(dialog, "diseqcMotor", "USALS");
    EXPECT_FALSE(type.isEnabled());
    choose(dialog, "diseqcMotor", "Disable");
    EXPECT_TRUE(type.isEnabled());

    // With no switch the motor choice is stored; an empty port list keeps the stored port.
    choose(dialog, "diseqcType", "Disable");
    choose(dialog, "diseqcMotor", "USALS");
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));
    const LnbSwitchWord word = record.lnbSwitch(1);
    EXPECT_EQ(0u, word.diseqcType());
    EXPECT_EQ(2u, word.motorControl());
    EXPECT_EQ(2u, word.diseqcPort());
}

TEST_F(SatelliteDialogTest, OkWritesTheSwitchWordOfTheTunerConnectionAndKeepsItsOtherBits) {
    SatelliteDialog dialog(record, settings);
    choose(dialog, "diseqcType", "8 port");
    choose(dialog, "diseqcPort", "6");
    choose(dialog, "tone22k", "On");
    choose(dialog, "lnbPower", "0V");
    choose(dialog, "toneBurst", "A");
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));

    const std::uint32_t kept = 0xFFF80000u | (1u << 12) | (1u << 11);
    const std::uint32_t expected = kept | (3u << 3) | (5u << 7) | (1u << 1) | (1u << 13);
    EXPECT_EQ(expected, readLe32(bytes.data() + 0x7C));
    EXPECT_EQ(0x12345678u, readLe32(bytes.data() + 0x78));
}

TEST_F(SatelliteDialogTest, NamePositionAndTypeRoundTrip) {
    SatelliteDialog dialog(record, settings);
    type(dialog, "satelliteName", QString::fromLatin1("Hisp\xE0sat \xFF"));
    type(dialog, "longitude", "30.05");
    choose(dialog, "longitudeDirection", "WEST");
    choose(dialog, "lnbType", "Single");
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));
    EXPECT_EQ(std::string("Hisp\xE0sat \xFF"), record.name());
    EXPECT_EQ(0, bytes[0x0A]);
    EXPECT_EQ(0, bytes[0x0F]);
    EXPECT_EQ(-300, record.orbitalPosition());
    EXPECT_EQ(2, record.lnbType());

    SatelliteDialog reopened(record, settings);
    EXPECT_EQ("30.0", Find<QLineEdit>(reopened, "longitude").text());
    EXPECT_EQ("WEST", Find<QComboBox>(reopened, "longitudeDirection").currentText());
    EXPECT_EQ(QString::fromLatin1("Hisp\xE0sat \xFF"), Find<QLineEdit>(reopened, "satelliteName").text());

    // A full-length name of any bytes comes back byte for byte.
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
    QComboBox& number = Find<QComboBox>(dialog, "tunerNumber");
    QComboBox& connection = Find<QComboBox>(dialog, "tunerConnection");
    EXPECT_EQ("Tuner 2", number.currentText());
    EXPECT_EQ("Dual Mode", connection.currentText());
    EXPECT_FALSE(connection.isEnabled()); // only tuner 1 chooses the connection
    choose(dialog, "tunerNumber", "Tuner 1");
    EXPECT_TRUE(connection.isEnabled());
    choose(dialog, "tunerConnection", "Loop Through");
    EXPECT_FALSE(number.isEnabled());
    ASSERT_EQ(QDialog::Accepted, pressOk(dialog));
    EXPECT_EQ(1, settings.tuner_connection());
    EXPECT_EQ(1, record.tunerConnection()); // the tuner number is not stored
}

TEST_F(SatelliteDialogTest, CancelWritesNothing) {
    UserPrompts::scriptAnswer(UserPrompts::DialogScript([](QDialog& dialog) {
        type(dialog, "satelliteName", "Changed");
        choose(dialog, "lofLow", "5750");
        choose(dialog, "diseqcType", "SMATV");
        choose(dialog, "tunerConnection", "Separate");
        return pressCancel(dialog);
    }));
    EXPECT_EQ(0, ui::EditSatellite(nullptr, record, settings));
    EXPECT_EQ(original, bytes);
    EXPECT_EQ(2, settings.tuner_connection());
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
