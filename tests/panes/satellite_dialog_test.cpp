#include "panes/satellite_dialog.h"
#include "panes/satellite_position_text.h"
#include "property_dialog_test_util.h"

#include <QGroupBox>
#include <array>

namespace vorlane::testing {
namespace {

using ui::SatelliteDialog;
using ui::UserPrompts;

class SatelliteDialogTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        m_bytes.fill(0xFF);
        m_record.SetName("Astra 19.2E");
        m_record.SetOrbitalPosition(192);
        m_record.SetLnbType(1);
        m_record.SetLnbLowFrequency(9750);
        m_record.SetLnbHighFrequency(10600);
        m_record.SetTunerConnection(1);
        // Tuner 2: tone flag 1, 12V, "4 port", port 3, bit 11, cable compensation, burst "B" and high bits set.
        m_record.SetLnbSwitch(TunerSide::Second, LnbSwitchWord(0xFFF80000u | 1u | (2u << 1) | (2u << 3) | (2u << 7) |
                                                               (1u << 11) | (1u << 12) | (2u << 13)));
        m_record.SetLnbSwitch(TunerSide::First, LnbSwitchWord(0x12345678));
        m_settings.set_tuner_connection(2);
        m_original = m_bytes;
    }

    std::array<std::uint8_t, SatelliteRecord::kSize> m_bytes{};
    std::array<std::uint8_t, ReceiverSettings::kSize> m_settingsBytes{};
    SatelliteRecord m_record{m_bytes.data()};
    ReceiverSettings m_settings{m_settingsBytes};
    std::array<std::uint8_t, SatelliteRecord::kSize> m_original{};
};

// Listed LOFs are chosen in their lists with the user edits off; the switch word shown is tuner 2's, the record's
// tuner connection, and the hidden tuner group still carries the connection (only tuner 1 chooses it). An unlisted
// LOF selects "user"; a standard LNB has no high band.
TEST_F(SatelliteDialogTest, OpensWithTheRecordsFieldsAndTheHiddenTunerGroupStoresTheConnection) {
    SatelliteDialog dialog(m_record, m_settings);
    ExpectShown(dialog, "satelliteName=Astra 19.2E|longitude=19.2|longitudeDirection=EAST|lnbType=Universal|"
                        "lofLow=9750|lofHigh=10600|diseqcType=4 port|diseqcPort=3|tone22k=Off|lnbPower=12V|"
                        "toneBurst=B|tunerNumber=Tuner 2|tunerConnection=Dual Mode");
    EXPECT_FALSE(Enabled(dialog, "lofLowUser"));
    EXPECT_FALSE(Enabled(dialog, "lofHighUser"));
    EXPECT_TRUE(Find<QGroupBox>(dialog, "tunerSetting").isHidden());
    EXPECT_FALSE(Enabled(dialog, "tunerConnection"));
    Set(dialog, "tunerNumber=Tuner 1");
    EXPECT_TRUE(Enabled(dialog, "tunerConnection"));
    Set(dialog, "tunerConnection=Loop Through");
    EXPECT_FALSE(Enabled(dialog, "tunerNumber"));
    ASSERT_EQ(QDialog::Accepted, PressOk(dialog));
    EXPECT_EQ(1, m_settings.tuner_connection());
    EXPECT_EQ(1, m_record.TunerConnection()); // the tuner number is not stored

    m_record.SetLnbLowFrequency(9751);
    SatelliteDialog unlisted(m_record, m_settings);
    ExpectShown(unlisted, "lofLow=user|lofLowUser=9751");
    EXPECT_TRUE(Enabled(unlisted, "lofLowUser"));
    Set(unlisted, "lofHigh=user");
    EXPECT_TRUE(Enabled(unlisted, "lofHighUser"));
    Set(unlisted, "lnbType=Standard");
    EXPECT_FALSE(Enabled(unlisted, "lofHigh"));
    EXPECT_FALSE(Enabled(unlisted, "lofHighUser"));
    Set(unlisted, "lnbType=Single");
    EXPECT_TRUE(Enabled(unlisted, "lofHigh"));
}

// Cancel writes nothing. OK writes name, position, type, a list LOF or the user number, and the switch word of the
// tuner connection keeping its other bits; a full-length name of any bytes comes back byte for byte.
TEST_F(SatelliteDialogTest, CancelWritesNothingAndOkWritesTheFieldsAndTheSwitchWordAndTheyRoundTrip) {
    AnswerDialog("satelliteName=Changed|lofLow=5750|diseqcType=SMATV|tunerConnection=Separate", false);
    EXPECT_FALSE(ui::EditSatellite(nullptr, m_record, m_settings));
    EXPECT_EQ(m_original, m_bytes);
    EXPECT_EQ(2, m_settings.tuner_connection());

    AnswerDialog("satelliteName=Hisp\xE0sat \xFF|longitude=30.05|longitudeDirection=WEST|lnbType=Single|lofLow=user|"
                 "lofLowUser=9751|lofHigh=11475|diseqcType=8 port|diseqcPort=6|tone22k=On|lnbPower=0V|toneBurst=A");
    EXPECT_TRUE(ui::EditSatellite(nullptr, m_record, m_settings));
    EXPECT_EQ(std::string("Hisp\xE0sat \xFF"), m_record.Name());
    EXPECT_EQ(0, m_bytes[0x0A]);
    EXPECT_EQ(0, m_bytes[0x0F]);
    EXPECT_EQ(-300, m_record.OrbitalPosition());
    EXPECT_EQ(2, m_record.LnbType());
    EXPECT_EQ(9751, ReadLe16(m_bytes.data() + 0x12));
    EXPECT_EQ(11475, ReadLe16(m_bytes.data() + 0x10));
    const std::uint32_t kept = 0xFFF80000u | (1u << 12) | (1u << 11);
    EXPECT_EQ(kept | (3u << 3) | (5u << 7) | (1u << 1) | (1u << 13), ReadLe32(m_bytes.data() + 0x7C));
    EXPECT_EQ(0x12345678u, ReadLe32(m_bytes.data() + 0x78));

    SatelliteDialog reopened(m_record, m_settings);
    ExpectShown(reopened, "longitude=30.0|longitudeDirection=WEST|satelliteName=Hisp\xE0sat \xFF");

    const std::array<std::uint8_t, 16> name = {'S', 'a', 't', 0xB0, 0xE9, 0xFE, 'A', 'B',
                                               'C', 'D', 'E', 'F',  'G',  'H',  'I', 'J'};
    std::copy(name.begin(), name.end(), m_bytes.begin());
    const auto before = m_bytes;
    SatelliteDialog again(m_record, m_settings);
    ASSERT_EQ(QDialog::Accepted, PressOk(again));
    EXPECT_EQ(before, m_bytes);
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
        SatelliteDialog dialog(m_record, m_settings);
        Set(dialog, "lofLow=user|lofLowUser=9750");
        Find<QLineEdit>(dialog, field).setText(value);
        UserPrompts::ScriptAnswer(QMessageBox::Ok);
        EXPECT_NE(QDialog::Accepted, PressOk(dialog)) << value;
        EXPECT_EQ((QStringList{message}), MessagesShown());
    }
    EXPECT_EQ(m_original, m_bytes);
}

// The port list follows the switch type and keeps the stored port (3) where the switch has it; motor and switch
// type exclude each other, and with no switch the motor is stored and an empty port list keeps the stored port.
TEST_F(SatelliteDialogTest, PortListFollowsTheTypeAndMotorAndTypeExcludeEachOther) {
    SatelliteDialog dialog(m_record, m_settings);
    QComboBox& port = Find<QComboBox>(dialog, "diseqcPort");
    EXPECT_FALSE(Enabled(dialog, "diseqcMotor")); // a switch type is set
    const std::tuple<const char*, int, const char*> types[] = {
        {"DiSEqC3", 0, ""}, {"8 port", 8, "3"}, {"16 port", 16, "3"}, {"SMATV", 16, "3"}, {"2 port", 2, ""}};
    for (const auto& [type, count, current] : types) {
        Set(dialog, ("diseqcType=" + std::string(type)).c_str());
        EXPECT_EQ(count, port.count()) << type;
        EXPECT_EQ(count > 0, port.isEnabled()) << type;
        EXPECT_EQ(current, port.currentText()) << type;
        EXPECT_EQ(QString::number(count), count ? port.itemText(count - 1) : "0") << type;
    }
    Set(dialog, "diseqcType=Disable");
    EXPECT_TRUE(Enabled(dialog, "diseqcMotor"));
    Set(dialog, "diseqcMotor=USALS");
    EXPECT_FALSE(Enabled(dialog, "diseqcType"));
    Set(dialog, "diseqcMotor=Disable");
    EXPECT_TRUE(Enabled(dialog, "diseqcType"));
    Set(dialog, "diseqcType=Disable|diseqcMotor=USALS");
    ASSERT_EQ(QDialog::Accepted, PressOk(dialog));
    EXPECT_EQ(0u, m_record.LnbSwitch(TunerSide::Second).DiseqcType());
    EXPECT_EQ(2u, m_record.LnbSwitch(TunerSide::Second).MotorControl());
    EXPECT_EQ(2u, m_record.LnbSwitch(TunerSide::Second).DiseqcPort());
}

TEST(SatellitePositionText, ParsesTenthsExactlyAndTruncates) {
    for (const auto& [text, expected] :
         {std::pair{"19.2", 192}, {" 19.29 ", 192}, {".5", 5}, {"180", 1800}, {"7.", 70}}) {
        int tenths = -1;
        EXPECT_TRUE(ParseOrbitalTenths(text, 1800, tenths) && tenths == expected) << text;
    }
    int tenths = -1;
    for (const char* bad : {"", ".", "180.1", "-5", "1e2", "99999999999999999999", "1..2"})
        EXPECT_FALSE(ParseOrbitalTenths(bad, 1800, tenths)) << bad;
    EXPECT_EQ("19.2", FormatOrbitalDegrees(192));
    EXPECT_EQ("0.5", FormatOrbitalDegrees(5));
    EXPECT_EQ("3276.8", FormatOrbitalDegrees(32768));
}

} // namespace
} // namespace vorlane::testing
