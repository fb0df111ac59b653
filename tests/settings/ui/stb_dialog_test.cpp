// The STB Configuration dialog driven through its controls by object name, over a record the test owns.
#include "../../panes/property_dialog_test_util.h"
#include "database/channel_database.h"
#include "settings/receiver_settings.h"
#include "settings/receiver_settings_layout.h"
#include "settings/receiver_time.h"
#include "settings/settings_defaults.h"
#include "settings/ui/stb_configuration_dialog.h"

#include <QTabWidget>

#include <array>
#include <memory>
#include <string_view>
#include <tuple>
#include <vector>

namespace vorlane::testing {
namespace {

using namespace vorlane::ui;
namespace L = settings_layout;
using Record = std::array<std::uint8_t, ReceiverSettings::kSize>;
constexpr std::size_t kWeekday = L::kClock + receiver_time_layout::kWeekday;

// The factory defaults, with the reserved and private bytes patterned so that a stray write shows.
Record DefaultsWithPatternedReserved() {
    Record r{};
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const Record patterned = r;
    ReceiverSettings settings(r);
    FillDefaults(settings);
    const std::size_t reserved[][2] = {{0x009, 0x00C}, {0x010, 0x014}, {0x036, 0x037}, {0x047, 0x050},
                                       {0x051, 0x056}, {0x05A, 0x064}, {0x066, 0xB5A}, {0xBDA, r.size()}};
    for (const auto& range : reserved)
        std::copy(patterned.begin() + range[0], patterned.begin() + range[1], r.begin() + range[0]);
    return r;
}

// Bytes at an offset: a list of values or the characters of a text.
struct Bytes {
    Bytes(std::size_t at, std::initializer_list<std::uint8_t> values) : offset(at), bytes(values) {}
    Bytes(std::size_t at, std::string_view text) : offset(at), bytes(text.begin(), text.end()) {}
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

// A consistent UTC clock as stored: the MJD computed, the weekday as the receiver counts it (Monday is 1).
Bytes Clock(int year, int month, int day, int hour, int minute, int second) {
    ReceiverTime t{year - 1900, month, day, hour, minute, second, 0, 0};
    date_to_mjd(t);
    t.weekday = (t.mjd + 2) % 7 + 1;
    Bytes clock(L::kClock, {});
    clock.bytes.resize(receiver_time_layout::kSize);
    WriteReceiverTime(clock.bytes.data(), t);
    return clock;
}

void Put(Record& record, const std::vector<Bytes>& changes) {
    for (const Bytes& change : changes)
        std::copy(change.bytes.begin(), change.bytes.end(), record.begin() + change.offset);
}

class StbConfigurationTest : public ui::ScriptedPrompts {
protected:
    void Open() { m_dialog = std::make_unique<StbConfigurationDialog>(ReceiverSettings(m_record)); }
    ReceiverSettings Settings() { return ReceiverSettings(m_record); }
    bool Accepted() const { return m_dialog->result() == QDialog::Accepted; }
    QTabWidget& Tabs() { return Find<QTabWidget>(*m_dialog, "stbTabs"); }

    Record m_record = DefaultsWithPatternedReserved();
    std::unique_ptr<StbConfigurationDialog> m_dialog;
};

// Opened over the defaults with `before` written in, OK stores `stored` and the weekday, and no other byte.
struct PageEdit {
    const char* name;
    std::vector<Bytes> before;
    const char* shown;   // control=text|control=text...
    const char* entered; // control=value|...
    std::vector<Bytes> stored;
    friend void PrintTo(const PageEdit& page, std::ostream* out) { *out << page.name; }
};

class StbPagesTest : public StbConfigurationTest, public ::testing::WithParamInterface<PageEdit> {};

TEST_P(StbPagesTest, ShowsTheStoredValuesAndStoresTheEnteredOnes) {
    const PageEdit& page = GetParam();
    Put(m_record, page.before);
    Record expected = m_record;
    expected[kWeekday] = 6; // unless `before` brings a clock of its own
    Put(expected, page.before);
    Put(expected, page.stored);
    Open();
    ExpectShown(*m_dialog, page.shown);
    Set(*m_dialog, page.entered);
    PressOk(*m_dialog);
    EXPECT_TRUE(Accepted());
    for (std::size_t i = 0; i < m_record.size(); ++i)
        EXPECT_EQ(expected[i], m_record[i]) << "offset 0x" << std::hex << i;
}

const std::uint8_t kLocks = kMenuLockTime | kMenuLockEditChannels | kMenuLockEditFavourites;
const std::string_view kTv{"TV\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16};

INSTANTIATE_TEST_SUITE_P(
    Runs, StbPagesTest,
    // clang-format off
    ::testing::Values(
        PageEdit{"NothingChanged", {}, {}, {}, {}},
        PageEdit{"Languages", {}, "audioLanguage=English",
                 "menuLanguage=Ukrainian|audioLanguage=German|subtitleLanguage=Makasar",
                 {{L::kMenuLanguage, {30, 1, 0, 29}}}},
        PageEdit{"AgeRatingNone", {}, "ageRating=None", "ageRating=18", {{L::kAgeRating, {18}}}},
        PageEdit{"AgeRatingFour", {{L::kAgeRating, {4}}}, "ageRating=4", "ageRating=None", {{L::kAgeRating, {3}}}},
        PageEdit{"EmptyPassword", {}, "password=1234", "password=", {{L::kPassword, {0, 0}}}},
        PageEdit{"TwoDigitPassword", {{L::kPassword, {0, 0}}}, "password=0000", "password=42",
                 {{L::kPassword, {0x00, 0x42}}}},
        PageEdit{"FourDigitPassword", {}, {}, "password=9075", {{L::kPassword, {0x90, 0x75}}}},
        // The menu locks rewrite the whole byte, dropping the bits the editor does not keep.
        PageEdit{"Locks", {{L::kMenuLocks, {0xE2}}}, "languageSettingLock=Off|timeSettingLock=On",
                 "editChannelsLock=On|editFavoritesLock=On|irdLock=On|installationLock=On|channelLock=Off",
                 {{L::kChannelLock, {0, kLocks, 1, 1}}}},
        PageEdit{"LnbPower", {}, "powerState=On", "tunerConnect=Loop Through|lnbPower=Off|powerState=Off",
                 {{L::kTunerConnection, {1}}, {L::kLnbPower, {0}}, {L::kPowerState, {kPowerStateOff}}}},
        // Any non-zero power state reads as "Off".
        PageEdit{"PowerStateOne", {{L::kPowerState, {1}}}, "powerState=Off", "powerState=On",
                 {{L::kPowerState, {kPowerStateOn}}}},
        PageEdit{"AudioVideo", {}, "rfOutput=|rfChannel=|audioVolume=12",
                 "tvOutputType=NTSC|tvScreenType=Pan&Scan|videoOutput=CVBS|sound=Mono|rfOutput=PAL-I|audioVolume=19",
                 {{L::kTvOutputType, {2, 2, 1, 19, 3}}}},
        PageEdit{"Osd", {}, "osdTransparency=80",
                 "osdTransparency=10|infoBoxTimeout=30|pipScreenSize=Extra Small|volumeIndicator=Off",
                 {{L::kOsdTransparency, {10, 0, 30, 30}}, {L::kPipSize, {0}}}},
        // Transparency shows in ten-percent steps.
        PageEdit{"OsdTransparency85", {{L::kOsdTransparency, {85}}}, "osdTransparency=80", "osdTransparency=100",
                 {{L::kOsdTransparency, {100}}}},
        PageEdit{"CodesOutsideTheListsShowNothingAndStay",
                 {{L::kMenuLanguage, {40}}, {L::kAgeRating, {2}}, {L::kTvOutputType, {7}}, {L::kOsdTransparency, {5}},
                  {L::kTunerConnection, {9}}},
                 "menuLanguage=|ageRating=|tvOutputType=|osdTransparency=|tunerConnect=", {}, {}},
        // Latin-1 bytes show as their characters; a shorter name is filled up with zeros.
        PageEdit{"FavouriteNames", {{L::kFavName + 32, "Cin\xE9ma"}}, "favName1=FAV 1|favName3=Cin\xE9ma",
                 "favName1=ABCDEFGHIJKLMNOP|favName2=TV", {{L::kFavName, "ABCDEFGHIJKLMNOP"}, {L::kFavName + 16, kTv}}},
        PageEdit{"PvrStoresNothing", {}, "recordHours=|recordMinutes=|repeatPlaying=|hddSleep=|timeshift=",
                 "hddSleep=After 10 mins|timeshift=Enable", {}},
        // Signed tenths of a degree, little-endian: -51.5 South, 19.2 East.
        PageEdit{"BasePositionShown", {{L::kBaseLongitude, {0xC0, 0x00, 0xFD, 0xFD}}},
                 "baseLatitude=51.5|latitudeSide=South|baseLongitude=19.2|longitudeSide=East", {}, {}},
        // 2.3 x 10 is not exactly 23 in binary; a minus sign with "North" stays negative, truncated.
        PageEdit{"BasePositionEntered", {}, {},
                 "baseLongitude=2.3|longitudeSide=West|baseLatitude=-12.57|latitudeSide=North",
                 {{L::kBaseLongitude, {0xE9, 0xFF, 0x83, 0xFF}}}},
        PageEdit{"BasePositionWest", {{L::kBaseLongitude, {0xE9, 0xFF}}}, "baseLongitude=2.3|longitudeSide=West", {},
                 {}},
        PageEdit{"BasePositionAtTheEndOfTheRange", {}, {}, "baseLongitude=13|longitudeSide=West|baseLatitude=-3276.8",
                 {{L::kBaseLongitude, {0x7E, 0xFF, 0x00, 0x80}}}},
        // The time page shows local time and saves it back as UTC.
        PageEdit{"TimeShownLocal", {Clock(2005, 2, 28, 23, 30, 15), {L::kGmtOffset, {26}}},
                 "gmtOffset=UTC+01:00|localDate=2005-03-01|localTime=00:30:15", "timeUpdate=On",
                 {{L::kTimeUpdate, {1}}}},
        // 29 February 2004 was a Sunday: weekday 7.
        PageEdit{"LocalMidnightPastOnFirstOfMarch", {}, "gmtOffset=UTC+00:00",
                 "gmtOffset=UTC+01:00|localDate=2004-03-01|localTime=00:30:00",
                 {{L::kGmtOffset, {26}}, Clock(2004, 2, 29, 23, 30, 0), {kWeekday, {7}}}},
        PageEdit{"LocalBehindUtcAcrossTheYearEnd", {}, {},
                 "gmtOffset=UTC-00:30|localDate=2005-12-31|localTime=23:45:00",
                 {{L::kGmtOffset, {23}}, Clock(2006, 1, 1, 0, 15, 0)}}),
    // clang-format on
    [](const ::testing::TestParamInfo<PageEdit>& page) { return std::string(page.param.name); });

TEST_F(StbConfigurationTest, TabsListsAndFieldsOfferWhatTheReceiverKnows) {
    Open();
    QStringList pages;
    for (int i = 0; i < Tabs().count(); ++i)
        pages << Tabs().tabText(i);
    EXPECT_EQ(QStringList({"Langauge", "Lock", "LNB/Power", "Time", "PVR", "A/V", "OSD", "Fav Name", "Etc"}), pages);
    EXPECT_EQ(0, Tabs().currentIndex());

    // A list, its length, an index and the item there.
    const std::tuple<const char*, int, int, const char*> lists[] = {
        {"menuLanguage", 31, 9, "Finish"},  {"subtitleLanguage", 31, 30, "Ukrainian"},
        {"ageRating", 16, 15, "18"},        {"rfChannel", 49, 0, "21"},
        {"gmtOffset", 49, 0, "UTC-12:00"},  {"gmtOffset", 49, 1, "UTC-11:30"},
        {"gmtOffset", 49, 48, "UTC+12:00"}, {"recordHours", 11, 10, "10"},
        {"recordMinutes", 60, 59, "59"},    {"hddSleep", 5, 4, "After 60 mins"}};
    for (const auto& [list, count, index, item] : lists) {
        EXPECT_EQ(count, Find<QComboBox>(*m_dialog, list).count()) << list;
        EXPECT_EQ(QString(item), Find<QComboBox>(*m_dialog, list).itemText(index)) << list;
    }
    EXPECT_TRUE(Find<QWidget>(*m_dialog, "tunerSelect").isHidden());
}

TEST_F(StbConfigurationTest, TextInAnEtcEditIsRefusedAfterTheEarlierPagesAreSaved) {
    Settings().set_base_latitude(-515);
    Open();
    Set(*m_dialog, "menuLanguage=Spanish|favName1=Kino|baseLongitude=east|baseLatitude=40");
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    PressOk(*m_dialog);

    EXPECT_FALSE(Accepted());
    const auto asked = UserPrompts::TakeAsked();
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ("Please enter a number.", asked[0].text);
    EXPECT_EQ("STB Configuration", asked[0].title);
    EXPECT_EQ(3, m_record[L::kMenuLanguage]); // the first and the last page before the refused one
    EXPECT_EQ("Kino", Settings().fav_name(0));
    EXPECT_EQ(0, Settings().base_longitude());
    EXPECT_EQ(-515, Settings().base_latitude()); // the refused page writes neither of its fields
    EXPECT_EQ("Etc", Tabs().tabText(Tabs().currentIndex()));
    EXPECT_EQ(&Find<QWidget>(*m_dialog, "baseLongitude"), Tabs().currentWidget()->focusWidget());

    // A position beyond the stored range is refused naming the range.
    Set(*m_dialog, "baseLongitude=13|baseLatitude=3276.8");
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    PressOk(*m_dialog);
    EXPECT_FALSE(Accepted());
    EXPECT_EQ("Please enter a number between -3276.8 and 3276.7.", UserPrompts::TakeAsked().at(0).text);
}

// The dialog edits a copy: the record changes only on an accepted "OK", and the modified flag only with it.
TEST(RunStbConfigurationTest, OkWritesTheCopyOnlyWhenEveryPageAccepts) {
    const struct {
        const char* fields; // entered before "OK"; a refused one is followed by "Cancel"
        bool accepted, modified;
        int storedTunerConnection;
    } runs[] = {{"tunerConnect=Loop Through", true, true, 1},
                {"", true, false, 0},
                {"tunerConnect=Loop Through|baseLatitude=north", false, false, 0}};
    for (const auto& run : runs) {
        ChannelDatabase db;
        ReceiverSettings held(db.HeldSettings().first<ReceiverSettings::kSize>());
        FillDefaults(held);
        db.HeldSettings()[kWeekday] = 6; // the real weekday, which OK would write back
        UserPrompts::ScriptAnswer(UserPrompts::DialogScript([&run](QDialog& dialog) {
            Set(dialog, run.fields);
            if (!run.accepted)
                UserPrompts::ScriptAnswer(QMessageBox::Ok); // the refusal
            return PressOk(dialog) == QDialog::Accepted ? QDialog::Accepted : PressOk(dialog, false);
        }));
        EXPECT_EQ(run.accepted, RunStbConfiguration(nullptr, db));
        EXPECT_EQ(run.modified, db.Modified());
        EXPECT_EQ(run.storedTunerConnection, held.tuner_connection());
        EXPECT_EQ("STB Configuration", UserPrompts::TakeAsked().at(0).title);
        UserPrompts::Reset();
    }
}

} // namespace
} // namespace vorlane::testing
