// Each page's controls against the record bytes: what a stored value shows and what a choice stores.
#include "settings/receiver_settings_layout.h"
#include "settings/receiver_time.h"
#include "stb_dialog_driver.h"

#include <QDateEdit>
#include <QSlider>
#include <QTimeEdit>
#include <cstring>

using namespace vorlane;
using namespace vorlane::ui;
using namespace vorlane::ui::testing;
namespace L = vorlane::settings_layout;

namespace {

ReceiverTime Clock(int year, int month, int day, int hour, int minute, int second) {
    ReceiverTime t{year - 1900, month, day, hour, minute, second, 0, 0};
    date_to_mjd(t);
    t.weekday = (t.mjd + 2) % 7 + 1;
    return t;
}

} // namespace

using StbPagesTest = StbDialogTest;

TEST_F(StbPagesTest, LanguageListsShowAndStoreTheIndex) {
    ASSERT_EQ(31, list("menuLanguage")->count());
    EXPECT_EQ("Finish", list("menuLanguage")->itemText(9));
    EXPECT_EQ("Ukrainian", list("subtitleLanguage")->itemText(30));
    EXPECT_EQ("English", shown("audioLanguage"));

    choose("menuLanguage", "Ukrainian");
    choose("audioLanguage", "German");
    choose("subtitleLanguage", "Makasar");
    pressOk();
    EXPECT_EQ(30, record[L::kMenuLanguage]);
    EXPECT_EQ(1, record[L::kAudioLanguage]);
    EXPECT_EQ(0, record[L::kAudioLanguage2]);
    EXPECT_EQ(29, record[L::kSubtitleLanguage]);
}

TEST_F(StbPagesTest, AgeRatingShowsNoneForThreeAndStoresTheMinimumAge) {
    ASSERT_EQ(16, list("ageRating")->count());
    EXPECT_EQ("None", shown("ageRating"));
    choose("ageRating", "18");
    pressOk();
    EXPECT_EQ(18, record[L::kAgeRating]);

    settings().set_age_rating(4);
    open();
    EXPECT_EQ("4", shown("ageRating"));
    choose("ageRating", "None");
    pressOk();
    EXPECT_EQ(3, record[L::kAgeRating]);
}

TEST_F(StbPagesTest, PasswordIsMaskedAndStoredAsFourPackedDigits) {
    QLineEdit* password = edit("password");
    EXPECT_EQ(QLineEdit::Password, password->echoMode());
    EXPECT_EQ(4, password->maxLength());
    EXPECT_EQ("1234", password->text());

    password->setText("");
    pressOk();
    EXPECT_EQ(0x00, record[L::kPassword]);
    EXPECT_EQ(0x00, record[L::kPassword + 1]);

    open();
    EXPECT_EQ("0000", edit("password")->text());
    edit("password")->setText("42");
    pressOk();
    EXPECT_EQ(0x00, record[L::kPassword]);
    EXPECT_EQ(0x42, record[L::kPassword + 1]);

    open();
    edit("password")->setText("9075");
    pressOk();
    EXPECT_EQ(0x90, record[L::kPassword]);
    EXPECT_EQ(0x75, record[L::kPassword + 1]);
}

TEST_F(StbPagesTest, MenuLocksRewriteTheWholeByteAndTheLockSwitchesStoreTheIndex) {
    record[L::kMenuLocks] = 0xE2; // time setting locked, plus bits the editor does not keep
    open();
    EXPECT_EQ("Off", shown("languageSettingLock"));
    EXPECT_EQ("On", shown("timeSettingLock"));
    choose("editChannelsLock", "On");
    choose("editFavoritesLock", "On");
    choose("irdLock", "On");
    choose("installationLock", "On");
    choose("channelLock", "Off");
    pressOk();
    EXPECT_EQ(kMenuLockTime | kMenuLockEditChannels | kMenuLockEditFavorites, record[L::kMenuLocks]);
    EXPECT_EQ(1, record[L::kIrdLock]);
    EXPECT_EQ(1, record[L::kInstallationLock]);
    EXPECT_EQ(0, record[L::kChannelLock]);
}

TEST_F(StbPagesTest, LnbPowerPageStoresTunerConnectionAndPowerStateCodes) {
    EXPECT_EQ("On", shown("powerState"));
    EXPECT_FALSE(list("tunerSelect")->isEnabled());
    EXPECT_TRUE(list("tunerSelect")->isHidden());

    choose("tunerConnect", "Loop Through");
    choose("lnbPower", "Off");
    choose("powerState", "Off");
    pressOk();
    EXPECT_EQ(1, record[L::kTunerConnection]);
    EXPECT_EQ(0, record[L::kLnbPower]);
    EXPECT_EQ(kPowerStateOff, record[L::kPowerState]);

    record[L::kPowerState] = 0x01; // any other non-zero state reads as "Off"
    open();
    EXPECT_EQ("Off", shown("powerState"));
    choose("powerState", "On");
    pressOk();
    EXPECT_EQ(kPowerStateOn, record[L::kPowerState]);
}

TEST_F(StbPagesTest, AvPageStoresIndicesAndTheSliderAndLeavesTheRfListsUnselected) {
    EXPECT_EQ(-1, list("rfOutput")->currentIndex());
    EXPECT_EQ(-1, list("rfChannel")->currentIndex());
    EXPECT_EQ(49, list("rfChannel")->count());
    QSlider* volume = control<QSlider>("audioVolume");
    EXPECT_EQ(0, volume->minimum());
    EXPECT_EQ(19, volume->maximum());
    EXPECT_EQ(12, volume->value());

    choose("tvOutputType", "NTSC");
    choose("tvScreenType", "Pan&Scan");
    choose("videoOutput", "CVBS");
    choose("sound", "Mono");
    choose("rfOutput", "PAL-I");
    volume->setValue(19);
    pressOk();
    EXPECT_EQ(2, record[L::kTvOutputType]);
    EXPECT_EQ(2, record[L::kTvScreenType]);
    EXPECT_EQ(1, record[L::kVideoOutput]);
    EXPECT_EQ(3, record[L::kSoundMode]);
    EXPECT_EQ(19, record[L::kAudioVolume]);
}

TEST_F(StbPagesTest, OsdTransparencyShowsTenPercentStepsAndInfoBoxTimeOutFillsBothBytes) {
    EXPECT_EQ("80", shown("osdTransparency"));
    choose("osdTransparency", "10");
    choose("infoBoxTimeout", "30");
    choose("pipScreenSize", "Extra Small");
    choose("volumeIndicator", "Off");
    pressOk();
    EXPECT_EQ(10, record[L::kOsdTransparency]);
    EXPECT_EQ(30, record[L::kInfoBoxTimeout]);
    EXPECT_EQ(30, record[L::kInfoBoxTimeout2]);
    EXPECT_EQ(0, record[L::kPipSize]);
    EXPECT_EQ(0, record[L::kVolumeIndicator]);

    record[L::kOsdTransparency] = 85;
    open();
    EXPECT_EQ("80", shown("osdTransparency"));
    choose("osdTransparency", "100");
    pressOk();
    EXPECT_EQ(100, record[L::kOsdTransparency]);
}

TEST_F(StbPagesTest, StoredCodesOutsideTheListsShowNothingAndStayAsTheyWere) {
    record[L::kMenuLanguage] = 40;
    record[L::kAgeRating] = 2;
    record[L::kTvOutputType] = 7;
    record[L::kOsdTransparency] = 5;
    record[L::kTunerConnection] = 9;
    open();
    EXPECT_EQ(-1, list("menuLanguage")->currentIndex());
    EXPECT_EQ(-1, list("ageRating")->currentIndex());
    EXPECT_EQ(-1, list("tvOutputType")->currentIndex());
    EXPECT_EQ(-1, list("osdTransparency")->currentIndex());
    EXPECT_EQ(-1, list("tunerConnect")->currentIndex());
    pressOk();
    EXPECT_EQ(40, record[L::kMenuLanguage]);
    EXPECT_EQ(2, record[L::kAgeRating]);
    EXPECT_EQ(7, record[L::kTvOutputType]);
    EXPECT_EQ(5, record[L::kOsdTransparency]);
    EXPECT_EQ(9, record[L::kTunerConnection]);
}

TEST_F(StbPagesTest, FavouriteNamesRoundTripLatin1BytesAndFillTheRestWithZeros) {
    EXPECT_EQ("FAV 1", edit("favName1")->text());
    EXPECT_EQ(16, edit("favName8")->maxLength());
    const std::string accented = "Cin\xE9ma";
    settings().set_fav_name(2, accented);
    open();
    EXPECT_EQ(QString::fromUtf8("Cinéma"), edit("favName3")->text());

    edit("favName1")->setText("ABCDEFGHIJKLMNOP");
    edit("favName2")->setText("TV");
    pressOk();
    EXPECT_EQ(0, std::memcmp(&record[L::kFavName], "ABCDEFGHIJKLMNOP", 16));
    const std::uint8_t second[16] = {'T', 'V'};
    EXPECT_EQ(0, std::memcmp(&record[L::kFavName + 16], second, 16));
    EXPECT_EQ(accented, settings().fav_name(2));
    EXPECT_EQ("FAV 8", settings().fav_name(7));
}

TEST_F(StbPagesTest, BasePositionShowsDegreesWithTheSideAndStoresSignedTenths) {
    settings().set_base_latitude(-515);
    settings().set_base_longitude(192);
    open();
    EXPECT_EQ("51.5", edit("baseLatitude")->text());
    EXPECT_EQ("South", shown("latitudeSide"));
    EXPECT_EQ("19.2", edit("baseLongitude")->text());
    EXPECT_EQ("East", shown("longitudeSide"));
    pressOk();
    EXPECT_EQ(-515, settings().base_latitude());
    EXPECT_EQ(192, settings().base_longitude());

    open();
    edit("baseLongitude")->setText("2.3"); // 2.3 x 10 is not exactly 23 in binary
    choose("longitudeSide", "West");
    edit("baseLatitude")->setText("-12.57"); // a minus sign with "North" stays negative, truncated
    choose("latitudeSide", "North");
    pressOk();
    EXPECT_EQ(-23, settings().base_longitude());
    EXPECT_EQ(-125, settings().base_latitude());

    open();
    EXPECT_EQ("2.3", edit("baseLongitude")->text());
    EXPECT_EQ("West", shown("longitudeSide"));
}

TEST_F(StbPagesTest, TimePageShowsLocalTimeAndSavesItBackAsUtc) {
    settings().set_clock(Clock(2005, 2, 28, 23, 30, 15));
    settings().set_gmt_offset(26); // UTC+01:00
    open();
    EXPECT_EQ("UTC+01:00", shown("gmtOffset"));
    EXPECT_EQ(QDate(2005, 3, 1), control<QDateEdit>("localDate")->date());
    EXPECT_EQ(QTime(0, 30, 15), control<QTimeEdit>("localTime")->time());
    choose("timeUpdate", "On");
    pressOk();
    EXPECT_EQ(Clock(2005, 2, 28, 23, 30, 15), settings().clock());
    EXPECT_EQ(1, record[L::kTimeUpdate]);
}

TEST_F(StbPagesTest, LocalMidnightPastOnFirstOfMarchSavesAsTheLastDayOfFebruary) {
    choose("gmtOffset", "UTC+01:00");
    control<QDateEdit>("localDate")->setDate(QDate(2004, 3, 1));
    control<QTimeEdit>("localTime")->setTime(QTime(0, 30, 0));
    pressOk();
    EXPECT_EQ(26, record[L::kGmtOffset]);
    const ReceiverTime utc = settings().clock();
    EXPECT_EQ(Clock(2004, 2, 29, 23, 30, 0), utc);
    EXPECT_EQ(7, utc.weekday); // 29 February 2004 was a Sunday

    open();
    choose("gmtOffset", "UTC-00:30");
    control<QDateEdit>("localDate")->setDate(QDate(2005, 12, 31));
    control<QTimeEdit>("localTime")->setTime(QTime(23, 45, 0));
    pressOk();
    EXPECT_EQ(23, record[L::kGmtOffset]);
    EXPECT_EQ(Clock(2006, 1, 1, 0, 15, 0), settings().clock());
}

TEST_F(StbPagesTest, GmtOffsetListRunsInHalfHoursFromMinusToPlusTwelve) {
    QComboBox* offsets = list("gmtOffset");
    ASSERT_EQ(49, offsets->count());
    EXPECT_EQ("UTC-12:00", offsets->itemText(0));
    EXPECT_EQ("UTC-11:30", offsets->itemText(1));
    EXPECT_EQ("UTC-00:30", offsets->itemText(23));
    EXPECT_EQ("UTC+00:00", offsets->itemText(24));
    EXPECT_EQ("UTC+12:00", offsets->itemText(48));
    EXPECT_EQ("UTC+00:00", shown("gmtOffset"));
}
