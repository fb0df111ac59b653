// The dialog as a whole: tab strip, save order with the stop at a refusing page, Cancel, the modified flag.
#include "database/channel_database.h"
#include "settings/receiver_settings_layout.h"
#include "stb_dialog_driver.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>

using namespace vorlane;
using namespace vorlane::ui;
using namespace vorlane::ui::testing;
namespace L = vorlane::settings_layout;

namespace {

constexpr std::size_t kWeekday = L::kClock + receiver_time_layout::kWeekday;

} // namespace

class StbConfigurationTest : public StbDialogTest {
protected:
    void editEarlierPages() {
        choose("tvOutputType", "NTSC");
        edit("favName1")->setText("Kino");
        choose("timeUpdate", "On");
        choose("menuLanguage", "Spanish");
        choose("ageRating", "18");
        choose("pipScreenSize", "Large");
        choose("tunerConnect", "Dual (Same)");
    }
    void expectEarlierPagesSaved() {
        EXPECT_EQ(2, record[L::kTvOutputType]);
        EXPECT_EQ("Kino", settings().fav_name(0));
        EXPECT_EQ(1, record[L::kTimeUpdate]);
        EXPECT_EQ(3, record[L::kMenuLanguage]);
        EXPECT_EQ(18, record[L::kAgeRating]);
        EXPECT_EQ(3, record[L::kPipSize]);
        EXPECT_EQ(2, record[L::kTunerConnection]);
    }
};

TEST_F(StbConfigurationTest, NineTabsInTheirOrderWithTheFirstSelected) {
    EXPECT_EQ("STB Configuration", dialog->windowTitle());
    QTabWidget* tabs = control<QTabWidget>("stbTabs");
    const QStringList expected{"Langauge", "Lock", "LNB/Power", "Time", "PVR", "A/V", "OSD", "Fav Name", "Etc"};
    ASSERT_EQ(expected.size(), tabs->count());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(expected[i], tabs->tabText(i));
    EXPECT_EQ(0, tabs->currentIndex());
    EXPECT_EQ("Tahoma", tabs->tabBar()->font().family());
}

TEST_F(StbConfigurationTest, PvrPageOffersItsListsUnselectedAndStoresNothing) {
    EXPECT_EQ(11, list("recordHours")->count());
    EXPECT_EQ("10", list("recordHours")->itemText(10));
    EXPECT_EQ("59", list("recordMinutes")->itemText(59));
    EXPECT_EQ("After 60 mins", list("hddSleep")->itemText(4));
    for (const char* name : {"recordHours", "recordMinutes", "repeatPlaying", "hddSleep", "timeshift"})
        EXPECT_EQ(-1, list(name)->currentIndex()) << name;
    const Record before = record;
    choose("hddSleep", "After 10 mins");
    choose("timeshift", "Enable");
    pressOk();
    EXPECT_TRUE(accepted());
    Record after = record;
    after[kWeekday] = before[kWeekday];
    EXPECT_EQ(before, after);
}

TEST_F(StbConfigurationTest, OkWithoutChangesWritesOnlyTheRecomputedWeekday) {
    // The factory clock carries weekday 2 for 1 January 2005; saving it back computes the real one (Saturday).
    const Record before = record;
    pressOk();
    EXPECT_TRUE(accepted());
    EXPECT_EQ(6, record[kWeekday]);
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i != kWeekday) {
            ASSERT_EQ(before[i], record[i]) << "byte " << i;
        }
    }
}

TEST_F(StbConfigurationTest, TextInAnEtcEditIsRefusedAfterTheEarlierPagesAreSaved) {
    settings().set_base_latitude(-515);
    open();
    editEarlierPages();
    edit("baseLongitude")->setText("east");
    edit("baseLatitude")->setText("40");
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    pressOk();

    EXPECT_FALSE(accepted());
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ("Please enter a number.", asked[0].text);
    EXPECT_EQ("STB Configuration", asked[0].title);
    expectEarlierPagesSaved();
    EXPECT_EQ(0, settings().base_longitude());
    EXPECT_EQ(-515, settings().base_latitude()); // the refused page writes neither of its fields

    QTabWidget* tabs = control<QTabWidget>("stbTabs");
    EXPECT_EQ("Etc", tabs->tabText(tabs->currentIndex()));
    EXPECT_EQ(edit("baseLongitude"), tabs->currentWidget()->focusWidget());

    // Corrected, the next OK saves the rest and closes.
    edit("baseLongitude")->setText("13");
    choose("longitudeSide", "West");
    pressOk();
    EXPECT_TRUE(accepted());
    EXPECT_EQ(-130, settings().base_longitude());
    EXPECT_EQ(-400, settings().base_latitude());
}

TEST_F(StbConfigurationTest, PositionsBeyondTheStoredRangeAreRefusedNamingTheRange) {
    edit("baseLatitude")->setText("3276.8");
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    pressOk();
    EXPECT_FALSE(accepted());
    EXPECT_EQ("Please enter a number between -3276.8 and 3276.7.", UserPrompts::takeAsked().at(0).text);

    edit("baseLatitude")->setText("-3276.8");
    pressOk();
    EXPECT_TRUE(accepted());
    EXPECT_EQ(-32768, settings().base_latitude());
}

TEST_F(StbConfigurationTest, CancelWritesNothing) {
    const Record before = record;
    editEarlierPages();
    edit("baseLongitude")->setText("7");
    edit("password")->setText("1");
    control<QTimeEdit>("localTime")->setTime(QTime(12, 0, 0));
    pressCancel();
    EXPECT_EQ(QDialog::Rejected, dialog->result());
    EXPECT_EQ(before, record);
}

TEST_F(StbConfigurationTest, SwitchingTabsKeepsWhatWasTyped) {
    QTabWidget* tabs = control<QTabWidget>("stbTabs");
    tabs->setCurrentIndex(8);
    edit("baseLongitude")->setText("28.2");
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(8);
    EXPECT_EQ("28.2", edit("baseLongitude")->text());
}

// The dialog edits a copy: the record changes only on an accepted "OK", and the modified flag only with it.
struct StbRun {
    const char* name;
    int tunerConnection;      // chosen on the LNB/Power page; -1 leaves it
    const char* baseLatitude; // typed on the Etc page; nullptr leaves it
    bool cancelAtEnd;
    bool accepted, modified;
    int storedTunerConnection;
    int shownTab; // the page in front when the dialog closed
};

class RunStbConfigurationTest : public ::testing::TestWithParam<StbRun> {
protected:
    void SetUp() override {
        ReceiverSettings held(db.heldSettings().first<ReceiverSettings::kSize>());
        FillDefaults(held);
        db.heldSettings()[kWeekday] = 6; // the real weekday, which OK would write back
    }
    void TearDown() override { UserPrompts::reset(); }
    ReceiverSettings held() { return ReceiverSettings(db.heldSettings().first<ReceiverSettings::kSize>()); }

    ChannelDatabase db;
};

TEST_P(RunStbConfigurationTest, OkWritesTheCopyOnlyWhenEveryPageAccepts) {
    const StbRun& run = GetParam();
    int shownTab = -1;
    UserPrompts::scriptAnswer(UserPrompts::DialogScript([&run, &shownTab](QDialog& d) {
        if (run.tunerConnection >= 0)
            d.findChild<QComboBox*>("tunerConnect")->setCurrentIndex(run.tunerConnection);
        if (run.baseLatitude) {
            d.findChild<QLineEdit*>("baseLatitude")->setText(run.baseLatitude);
            UserPrompts::scriptAnswer(QMessageBox::Ok); // the range message
        }
        d.findChild<QPushButton*>("okButton")->click();
        shownTab = d.findChild<QTabWidget*>("stbTabs")->currentIndex();
        if (run.cancelAtEnd)
            d.findChild<QPushButton*>("cancelButton")->click();
        return d.result();
    }));
    EXPECT_EQ(run.accepted, RunStbConfiguration(nullptr, db));
    EXPECT_EQ(run.modified, db.modified());
    EXPECT_EQ(run.storedTunerConnection, held().tuner_connection());
    EXPECT_EQ(run.shownTab, shownTab);
    EXPECT_EQ("STB Configuration", UserPrompts::takeAsked().at(0).title);
}

INSTANTIATE_TEST_SUITE_P(Runs, RunStbConfigurationTest,
                         ::testing::Values(StbRun{"OkWithAChange", 1, nullptr, false, true, true, 1, 0},
                                           StbRun{"OkWithoutAChange", -1, nullptr, false, true, false, 0, 0},
                                           StbRun{"RefusedPageThenCancel", 1, "north", true, false, false, 0, 8}),
                         [](const ::testing::TestParamInfo<StbRun>& run) { return std::string(run.param.name); });

TEST_F(StbConfigurationTest, TabKeyVisitsEachPagesControlsTopToBottom) {
    // The page's own controls that the Tab key stops at, in focus-chain order from the first one.
    const auto chainFrom = [](QWidget* first) {
        QStringList names;
        QWidget* page = first->parentWidget();
        for (QWidget* w = first; w && page->isAncestorOf(w); w = w->nextInFocusChain())
            if (w->parentWidget() == page && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
                names << w->objectName();
        return names.join(' ').toStdString();
    };
    EXPECT_EQ("tvOutputType tvScreenType videoOutput sound rfOutput rfChannel audioVolume",
              chainFrom(list("tvOutputType")));
    EXPECT_EQ("baseLongitude longitudeSide baseLatitude latitudeSide", chainFrom(edit("baseLongitude")));
    EXPECT_EQ("localDate localTime gmtOffset timeUpdate", chainFrom(control<QWidget>("localDate")));
    EXPECT_EQ("recordHours recordMinutes repeatPlaying hddSleep timeshift", chainFrom(list("recordHours")));
}
