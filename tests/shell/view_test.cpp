#include "shell/mirevo_view.h"

#include "../panes/scripted_prompts.h"
#include "database/favourite_ops.h"
#include "database/move_channels.h"
#include "listtools/list_diff_report.h"
#include "loader/channel_image_compare.h"
#include "panes/channel_pane.h"
#include "panes/channel_row_painter.h"
#include "panes/edit_labels.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "panes/pane_menus.h"
#include "platform/memory_settings_store.h"
#include "platform/qt/qt_text_translator.h"
#include "platform/trace.h"
#include "platform/widgets/user_prompts.h"
#include "shell/integrity_question.h"
#include "shell/view_texts.h"
#include "support/list_check.h"
#include "support/sample_database.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

#include <tuple>

// The translations are compiled into the shell library; their resource is registered by name (outside any namespace).
static void RegisterTranslations() {
    Q_INIT_RESOURCE(translations);
}

namespace vorlane {
namespace {

using testing::verifyLists;
using ui::UserPrompts;

// The view over a generated database, shown as after Open, with "All" chosen.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        UserPrompts::reset();
        UserPrompts::startRecording();
        view.resize(1000, 700);
        view.OnInitialUpdate();
        view.show();
        ASSERT_GT(testing::makeSampleDatabase(db, 11, 8, 120, 600), 0);
        view.RefreshAllPanes();
        ChooseSatelliteRow(0);
    }
    void TearDown() override { UserPrompts::reset(); }

    QString Label(const char* name, const QWidget* in = nullptr) {
        return (in ? in : &view)->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    void ChooseSatelliteRow(int row) { Click(view.satellitePane(), row); }
    void Click(ui::PaneListView& pane, int row) {
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, GlobalCentre(pane, row, false));
    }
    QPoint GlobalCentre(ui::PaneListView& pane, int row, bool global = true) {
        const QModelIndex index = pane.model()->index(row, 0);
        pane.scrollTo(index);
        const QPoint centre = pane.visualRect(index).center();
        return global ? pane.viewport()->mapToGlobal(centre) : centre;
    }
    // Drags the selected channels of a channel pane to a point given in global coordinates.
    void DragTo(ui::ChannelPane& source, int fromRow, QPoint globalTarget) {
        const QPoint from = source.visualRect(source.model()->index(fromRow, 0)).center();
        const QPoint target = source.viewport()->mapFromGlobal(globalTarget);
        QTest::mousePress(source.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(source.viewport(), from + QPoint(0, 5));
        QTest::mouseMove(source.viewport(), target);
        QTest::mouseRelease(source.viewport(), Qt::LeftButton, {}, target);
    }
    // Scripts the "Move to" dialog: the number typed and OK, or Cancel when `typed` is null.
    static void ScriptMoveTo(const QString& typed) {
        UserPrompts::scriptAnswer([typed](QDialog& dialog) {
            if (!typed.isNull())
                dialog.findChild<QLineEdit*>("channelNumberEdit")->setText(typed);
            dialog.findChild<QPushButton*>(typed.isNull() ? "cancelButton" : "okButton")->click();
            return dialog.result();
        });
    }

    ChannelDatabase db;
    MemorySettingsStore store;
    CMirevoView view{db, store};
};

// Every count label counts its pane; the information line describes the chosen satellite, transponder or channel.
TEST_F(ViewTest, CountLabelsAndInformationLineTexts) {
    EXPECT_EQ(Label("satelliteCountLabel"), "Satellite - 64 items");
    EXPECT_EQ(Label("transponderCountLabel"), "Transponder - 120 items");
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 items").arg(view.tvPane().rowCount()));
    const int satellite = view.satellitePane().rowId(1);
    db.satellite(satellite).setName("Astra");
    db.satellite(satellite).setOrbitalPosition(192);
    ChooseSatelliteRow(1);
    EXPECT_EQ(view.informationLine(), "Astra     Longitude: East 19.2'     ");
    db.satellite(satellite).setOrbitalPosition(-300);
    ChooseSatelliteRow(0);
    EXPECT_EQ(view.informationLine(), "");
    ChooseSatelliteRow(1);
    EXPECT_EQ(view.informationLine(), "Astra     Longitude: West -30.0'     ");
    EXPECT_EQ(view.transponderPane().satellite(), satellite);

    const TransponderRecord tp = db.transponder(view.transponderPane().rowId(0));
    tp.setFrequency(11778);
    tp.setSymbolRate(27500);
    tp.setTransportStreamId(1051);
    TuningWord tuning(0);
    tuning.setPolarisation(2);
    tuning.setFec(6);
    tp.setTuning(tuning);
    TraceCapture traces;
    Click(view.transponderPane(), 0);
    EXPECT_EQ(view.informationLine(),
              "Frequency : 11778     Symbol Rate : 27500     TSID : 1051     Polar : Vertical     FEC :      ");
    EXPECT_TRUE(traces.contains("sFlag.fec=6\n"));

    const ChannelRecord channel = db.channelOfPk(view.tvPane().rowId(0));
    channel.setName("Das Erste");
    channel.setVideoPid(101);
    channel.setAudioPid(0, 102);
    Click(view.tvPane(), 0);
    EXPECT_EQ(
        view.informationLine(),
        "Das Erste     Frequency : 11778     Polar : V     SymbolRate : 27500     VPID :    101     APID :    102");
}

// The information line describes the caret row after a filter change, a Select command and a Delete.
TEST_F(ViewTest, InformationLineFollowsTheCaretRow) {
    ui::ChannelPane& tv = view.tvPane();
    Click(tv, 3);
    const int side = TunerSideOfPk(tv.rowId(3));
    const auto describes = [&](int row) { return view.informationLine() == ChannelInformation(db, tv.rowId(row)); };
    ASSERT_TRUE(describes(3));
    view.setDisplayFilter(side == 0 ? kFilterTuner2Channels : kFilterTuner1Channels);
    view.RefillTvPane();
    EXPECT_EQ(view.informationLine(), "");
    view.setDisplayFilter(kFilterAllChannels);
    view.RefillTvPane();
    Click(tv, 3);
    view.setDisplayFilter(side == 0 ? kFilterTuner1Channels : kFilterTuner2Channels);
    view.RefillTvPane();
    EXPECT_TRUE(describes(tv.caretRow()));
    EXPECT_EQ(tv.selectedPks().size(), 1u);

    view.HandleCommand(kCmdTvSelectAll);
    EXPECT_TRUE(describes(tv.caretRow()));
    tv.SelectRow(2);
    view.HandleCommand(kCmdTvDelete);
    EXPECT_EQ(tv.caretRow(), 2);
    EXPECT_TRUE(describes(2));
}

// A group filters the channel panes, and Delete there only takes the channel out of the group.
TEST_F(ViewTest, ChoosingAGroupFiltersTheChannelPanesAndDeleteOnlyLeavesTheGroup) {
    ChooseSatelliteRow(2);
    Click(view.favoritePane(), 1);
    EXPECT_EQ(view.chosenList().kind, ChosenList::Favourite);
    EXPECT_EQ(view.satellitePane().selectedRow(), -1);
    const ListHead* group = db.lists().Head(FavouriteKind(1), 0);
    EXPECT_EQ(view.tvPane().rowCount() + view.radioPane().rowCount(), group->count);
    EXPECT_TRUE(view.informationLine().endsWith(QString("Number of channel: %1").arg(group->count)));

    Click(view.favoritePane(), 0);
    const int pk = view.tvPane().rowId(0);
    view.tvPane().SelectRow(0);
    view.HandleCommand(kCmdTvDelete);
    EXPECT_FALSE(db.channelOfPk(pk).isFree());
    EXPECT_EQ(db.channelOfPk(pk).favouriteByte(TunerSideOfPk(pk), 0), 0);
    EXPECT_TRUE(db.modified());
    EXPECT_TRUE(verifyLists(db));
}

TEST_F(ViewTest, DeleteSelectsTheSameRowOrTheNewLastRow) {
    ui::ChannelPane& tv = view.tvPane();
    const int before = tv.rowCount();
    tv.SelectRows({2, 3});
    const int third = tv.rowId(4);
    QTest::keyClick(&tv, Qt::Key_Delete);
    EXPECT_TRUE(db.modified());
    EXPECT_EQ(tv.rowCount(), before - 2);
    EXPECT_EQ(tv.selectedRows(), std::vector<int>{2});
    EXPECT_EQ(tv.rowId(2), third);

    tv.SelectRow(tv.rowCount() - 1);
    view.HandleCommand(kCmdTvDelete);
    EXPECT_EQ(tv.selectedRows(), std::vector<int>{tv.rowCount() - 1});

    tv.ClearSelection();
    const int count = tv.rowCount();
    view.HandleCommand(kCmdTvDelete);
    EXPECT_EQ(tv.rowCount(), count);
    EXPECT_EQ(tv.selectedRows(), std::vector<int>{0});
    EXPECT_TRUE(verifyLists(db));
}

// Move to: the number typed is the number the pane's number column shows afterwards, down as well as up, in any
// view; past the end means last.
TEST_F(ViewTest, MoveToKeysAndMenuCommandsPlaceTheChannel) {
    // One tuner side only: each side is numbered on its own.
    view.setDisplayFilter(kFilterTuner1Channels);
    ui::ChannelPane& tv = view.tvPane();
    struct Case {
        int satelliteRow, row;
        const char* typed;
        int expected; // 0: the number row 0 showed; -1: the last number
    };
    // Satellite row -1: the first satellite with more than one channel.
    for (const Case& c : {Case{0, 1, "5", 5}, Case{0, 6, "2", 2}, Case{0, 0, "9999", -1}, Case{-1, 1, "", 0}}) {
        ChooseSatelliteRow(std::max(c.satelliteRow, 1));
        for (int row = 2; c.satelliteRow < 0 && tv.rowCount() < 2; ++row)
            ChooseSatelliteRow(row);
        ASSERT_GT(tv.rowCount(), c.row);
        const int moved = tv.rowId(c.row);
        const int rowZeroNumber = ChannelNumber(db, tv.rowId(0));
        const int expected = c.expected > 0    ? c.expected
                             : c.expected == 0 ? rowZeroNumber
                                               : static_cast<int>(db.lists().Head(ListKind::Tuner1Tv, 0)->count);
        const QString typed = *c.typed ? QString::fromLatin1(c.typed) : QString::number(rowZeroNumber);
        tv.SelectRow(c.row);
        ScriptMoveTo(typed);
        db.setModified(false);
        QTest::keyClick(&tv, Qt::Key_M, Qt::ControlModifier);
        EXPECT_TRUE(db.modified());
        EXPECT_EQ(ChannelNumber(db, moved), expected) << typed.toStdString();
        EXPECT_EQ(tv.selectedPks(), std::vector<int>{moved});
    }
    ScriptMoveTo(QString());
    db.setModified(false);
    view.HandleCommand(kCmdTvMoveTo);
    EXPECT_FALSE(db.modified());

    // Alt+Up / Alt+Down move the selection one place; "Move to Top", "Move to Bottom" and "Add to Favourite" come
    // from the channel menu, the groups named as the favourite pane names them.
    ChooseSatelliteRow(0);
    const int pk = tv.rowId(4);
    const int last = static_cast<int>(db.lists().Head(ListKind::Tuner1Tv, 0)->count);
    tv.SelectRow(4);
    QTest::keyClick(&tv, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(ChannelNumber(db, pk), 4);
    QTest::keyClick(&tv, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(&tv, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(ChannelNumber(db, pk), 6);
    EXPECT_EQ(tv.selectedPks(), std::vector<int>{pk});

    const auto runFromMenu = [&](int command) {
        const std::unique_ptr<QMenu> menu = view.BuildPaneMenu(tv);
        QAction* action = ui::FindMenuCommand(*menu, command);
        ASSERT_TRUE(action && action->isEnabled()) << command;
        view.HandleCommand(action->data().toInt());
    };
    runFromMenu(kCmdTvMoveBottom);
    EXPECT_EQ(ChannelNumber(db, pk), last);
    runFromMenu(kCmdTvMoveTop);
    EXPECT_EQ(ChannelNumber(db, pk), 1);

    const std::unique_ptr<QMenu> menu = view.BuildPaneMenu(tv);
    const QString name = QString::fromStdString(view.favoritePane().RowText(7)).section(" [", 0, 0).trimmed();
    EXPECT_EQ(ui::FindMenuCommand(*menu, kCmdTvAddFavourite + 7)->text(), "FAV 8 (" + name + ")");
    RemoveFavorite(db, 7, pk);
    runFromMenu(kCmdTvAddFavourite + 7);
    EXPECT_NE(db.channelOfPk(pk).favouriteByte(0, 7), 0);

    // Ctrl+C puts the selection on the clipboard as tab-separated text and as records; Ctrl+V adds them after the
    // caret row.
    const int copied = tv.rowId(2);
    db.channelOfPk(copied).setName("Kanal Eins");
    tv.SelectRow(2);
    QTest::keyClick(&tv, Qt::Key_C, Qt::ControlModifier);
    const QStringList fields = QGuiApplication::clipboard()->text().split('\t');
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[0], "3");
    EXPECT_EQ(fields[1], "Kanal Eins");
    EXPECT_EQ(fields[6].trimmed().toInt(), db.channelOfPk(copied).programNumber());

    const int rows = tv.rowCount();
    db.setModified(false);
    tv.SelectRow(5);
    QTest::keyClick(&tv, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(tv.rowCount(), rows + 1);
    EXPECT_EQ(db.channelOfPk(tv.rowId(6)).name(), "Kanal Eins");
    EXPECT_EQ(ChannelNumber(db, tv.rowId(6)), 7);
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 items").arg(rows + 1));
    EXPECT_TRUE(db.modified());
    EXPECT_TRUE(verifyLists(db));
}

// A click always chooses its row (a channel selects its transponder and clears the other channel pane without a
// refill), and a choice never outlives what it names: after a delete (always asked) it moves to a row that
// exists, after Open to "All".
TEST_F(ViewTest, EveryClickChoosesAndTheChoiceAlwaysNamesARow) {
    Click(view.radioPane(), 0);
    Click(view.tvPane(), 3);
    EXPECT_TRUE(view.radioPane().selectedRows().empty());
    const int pk = view.tvPane().rowId(3);
    const int channelTp = static_cast<int>(db.channelOfPk(pk).transponderLink(TunerSideOfPk(pk)).index());
    EXPECT_EQ(view.transponderPane().selectedTransponder(), channelTp);
    EXPECT_EQ(view.chosenList().kind, ChosenList::Satellite);

    Click(view.transponderPane(), 0);
    const int satelliteRow = view.satellitePane().selectedRow();
    ASSERT_GT(satelliteRow, 0);
    Click(view.satellitePane(), satelliteRow); // highlighted by the transponder, not yet chosen
    EXPECT_EQ(view.chosenList().kind, ChosenList::Satellite);
    EXPECT_EQ(view.chosenList().index, view.satellitePane().rowId(satelliteRow));

    Click(view.transponderPane(), 0);
    const int tp = view.transponderPane().rowId(0);
    const int next = view.transponderPane().rowId(1);
    UserPrompts::scriptAnswer(QMessageBox::No);
    QTest::keyClick(&view.transponderPane(), Qt::Key_Delete);
    EXPECT_FALSE(db.transponder(tp).isFree());
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Warning");
    EXPECT_EQ(asked[0].text, "Transponder contains channels, delete anyway?");
    UserPrompts::scriptAnswer(QMessageBox::Yes);
    view.HandleCommand(kCmdTransponderDelete);
    EXPECT_TRUE(db.transponder(tp).isFree());
    EXPECT_EQ(view.chosenList().kind, ChosenList::Transponder);
    EXPECT_EQ(view.chosenList().index, next);
    EXPECT_EQ(view.transponderPane().selectedTransponder(), next);
    EXPECT_EQ(view.tvPane().rowCount(), db.lists().Head(ListKind::TvByTransponder, next)->count);

    view.RefreshAllPanes(); // as Open and New do
    EXPECT_EQ(view.chosenList().kind, ChosenList::Satellite);
    EXPECT_EQ(view.chosenList().index, -1);
    EXPECT_EQ(view.satellitePane().selectedRow(), 0);
    EXPECT_EQ(view.tvPane().rowCount(), db.lists().Head(ListKind::TvChannels, 0)->count);
}

// Return opens a satellite's dialog, but not on "All" and never in the favourite pane.
TEST_F(ViewTest, ReturnOpensTheSatelliteDialogOnlyOnARealSatellite) {
    Click(view.favoritePane(), 2);
    UserPrompts::takeAsked();
    QTest::keyClick(&view.favoritePane(), Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Return);
    ChooseSatelliteRow(0);
    QTest::keyClick(&view.satellitePane(), Qt::Key_Return);
    EXPECT_TRUE(UserPrompts::takeAsked().empty());
    EXPECT_TRUE(view.isVisible());
    ChooseSatelliteRow(1);
    UserPrompts::scriptAnswer([](QDialog& dialog) { return dialog.windowTitle() == "Satellite" ? 0 : 0; });
    QTest::keyClick(&view.satellitePane(), Qt::Key_Return);
    EXPECT_EQ(UserPrompts::takeAsked().size(), 1u);
}

TEST_F(ViewTest, DropsOnEachPaneKind) {
    ui::ChannelPane& tv = view.tvPane();
    ui::ChannelPane& radio = view.radioPane();
    const auto expectCountsOfRows = [&] {
        EXPECT_EQ(Label("tvCountLabel"), CountLabelText(PaneCaption::Tv, tv.rowCount()));
        EXPECT_EQ(Label("radioCountLabel"), CountLabelText(PaneCaption::Radio, radio.rowCount()));
        EXPECT_EQ(Label("transponderCountLabel"),
                  CountLabelText(PaneCaption::Transponder, view.transponderPane().rowCount()));
    };

    // On a favourite group.
    tv.SelectRow(0);
    const int pk = tv.rowId(0);
    const int group = 7;
    RemoveFavorite(db, group, pk);
    DragTo(tv, 0, GlobalCentre(view.favoritePane(), group));
    EXPECT_NE(db.channelOfPk(pk).favouriteByte(TunerSideOfPk(pk), group), 0);
    EXPECT_TRUE(db.modified());

    // On a transponder of another satellite, while the channel's own transponder is chosen.
    const int side = TunerSideOfPk(pk);
    Click(view.transponderPane(),
          view.transponderPane().rowOf(static_cast<int>(db.channelOfPk(pk).transponderLink(side).index())));
    const int oldSatellite = static_cast<int>(db.channelOfPk(pk).satelliteLink(side).index());
    int targetRow = -1;
    for (int row = 0; row < view.transponderPane().rowCount() && targetRow < 0; ++row)
        if (static_cast<int>(db.transponder(view.transponderPane().rowId(row)).satelliteLink().index()) != oldSatellite)
            targetRow = row;
    ASSERT_GE(targetRow, 0);
    const int tp = view.transponderPane().rowId(targetRow);
    tv.SelectPks(std::vector<int>{pk});
    DragTo(tv, tv.rowOf(pk), GlobalCentre(view.transponderPane(), targetRow));
    EXPECT_EQ(static_cast<int>(db.channelOfPk(pk).transponderLink(side).index()), tp);
    EXPECT_EQ(tv.rowOf(pk), -1);
    expectCountsOfRows();
    ChooseSatelliteRow(0);

    // On the radio pane: the channel becomes a radio channel in front of the row.
    const int radioTarget = radio.rowId(1);
    tv.SelectPks(std::vector<int>{pk});
    DragTo(tv, tv.rowOf(pk), GlobalCentre(radio, 1));
    EXPECT_EQ(db.channelOfPk(pk).serviceType(), 1);
    EXPECT_EQ(radio.rowOf(pk) + 1, radio.rowOf(radioTarget));
    EXPECT_EQ(tv.rowOf(pk), -1);
    EXPECT_EQ(radio.selectedPks(), std::vector<int>{pk});
    expectCountsOfRows();

    // On the satellite pane: nothing moves.
    db.setModified(false);
    radio.SelectPks(std::vector<int>{pk});
    const auto tvRows = tv.rowIds();
    DragTo(radio, radio.rowOf(pk), GlobalCentre(view.satellitePane(), 3));
    EXPECT_FALSE(db.modified());
    EXPECT_EQ(tv.rowIds(), tvRows);
    EXPECT_TRUE(verifyLists(db));
}

// The form's layout: the loader area stays at the foot, the default widths show a channel name of 20 characters
// whole at 800 x 600, hiding the radio pane gives the TV pane its width, and dragging a border widens the column on
// its left (the profile keeps the widths). Before Open only satellites and groups are filled.
TEST_F(ViewTest, LayoutFollowsTheWindowTheBordersAndThePaneToggle) {
    const QWidget* loader = view.findChild<QWidget*>("loaderArea");
    view.resize(1200, 900);
    const int distance = view.height() - loader->geometry().bottom();
    EXPECT_LT(view.satellitePane().geometry().bottom(), loader->geometry().top());
    view.resize(800, 540); // the form below the menu bar and toolbar
    EXPECT_EQ(view.height() - loader->geometry().bottom(), distance);
    EXPECT_LT(view.tvPane().geometry().bottom(), loader->geometry().top());
    EXPECT_EQ(view.transponderPane().geometry().top(), view.satellitePane().geometry().top());
    for (ui::ChannelPane* pane : {&view.tvPane(), &view.radioPane()}) {
        const int nameSpace = pane->columnWidth() - ui::kNameAreaLeft - ui::kLockBoxWidth - ui::kScrambledBoxWidth;
        EXPECT_GE(nameSpace, QFontMetrics(pane->font()).horizontalAdvance("Eurosport 2 Deutschl"));
    }

    view.resize(1000, 700);
    const int shared = view.tvPane().width();
    view.findChild<QWidget*>("paneToggleButton")->setFocus();
    QTest::mouseClick(view.findChild<QWidget*>("paneToggleButton"), Qt::LeftButton);
    EXPECT_FALSE(view.radioPaneShown());
    EXPECT_FALSE(view.radioPane().isVisible());
    EXPECT_GT(view.tvPane().width(), 2 * shared);
    view.RefreshAllPanes();
    EXPECT_TRUE(view.radioPane().isVisible());
    EXPECT_EQ(view.tvPane().width(), shared);
    const std::pair<const char*, ui::PaneListView*> borders[] = {{"paneBorder0", &view.satellitePane()},
                                                                 {"paneBorder1", &view.transponderPane()},
                                                                 {"paneBorder2", &view.tvPane()}};
    for (const auto& [name, left] : borders) {
        QWidget& border = ui::Find<QWidget>(view, name);
        const int before = left->width();
        const QPoint centre = border.rect().center();
        QTest::mousePress(&border, Qt::LeftButton, {}, centre);
        QTest::mouseMove(&border, centre + QPoint(30, 0));
        QTest::mouseRelease(&border, Qt::LeftButton, {}, centre + QPoint(30, 0));
        EXPECT_EQ(left->width(), before + 30) << name;
    }
    ChannelDatabase otherDb;
    CMirevoView again{otherDb, store};
    again.resize(1000, 700);
    again.OnInitialUpdate();
    EXPECT_EQ(again.satellitePane().width(), view.satellitePane().width());
    EXPECT_EQ(again.favoritePane().width(), view.favoritePane().width());
    EXPECT_EQ(again.tvPane().width(), view.tvPane().width());
    EXPECT_EQ(again.satellitePane().rowCount(), 65);
    EXPECT_EQ(again.transponderPane().rowCount(), 0);
    EXPECT_EQ(Label("tvCountLabel", &again), "TV");
}

// Delete on a filtered pane removes exactly the shown rows that are selected; Esc brings the others back.
TEST_F(ViewTest, FilterFieldNarrowsThePaneAndDeleteActsOnTheShownSelectedRows) {
    ui::ChannelPane& tv = view.tvPane();
    const int total = tv.rowCount();
    auto* field = view.findChild<QLineEdit*>("tvFilterField");
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QTest::keyClick(&view, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "A");
    const int shown = tv.rowCount();
    ASSERT_GT(shown, 2);
    ASSERT_LT(shown, total);
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 of %2 items").arg(shown).arg(total));
    for (int row = 0; row < shown; ++row) {
        const QString text = tv.model()->data(tv.model()->index(row, 0), Qt::AccessibleTextRole).toString();
        EXPECT_TRUE(text.contains('a', Qt::CaseInsensitive)) << text.toStdString();
    }

    tv.SelectRows({0, 2});
    const std::vector<int> deleted = tv.selectedPks();
    QTest::keyClick(&tv, Qt::Key_Delete);
    for (const int pk : deleted)
        EXPECT_TRUE(db.channelOfPk(pk).isFree() || !db.channelOfPk(pk).presentOn(TunerSideOfPk(pk)));
    EXPECT_EQ(tv.rowCount(), shown - 2);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(tv.rowCount(), total - 2);
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 items").arg(total - 2));
    EXPECT_TRUE(verifyLists(db));
}
// The texts the view and the core build reach the translations: German with its plural forms, English unchanged
// without one.
TEST_F(ViewTest, CountedTextsInGermanAndEnglish) {
    RegisterTranslations();
    const IntegrityProblem problem{
        {"channel %1 tuner %2", {"12", "1"}}, "News", {"PK %1 key %2, expected %3", {"7", "3", "2"}}};
    ChannelImageDifference difference;
    difference.bytes = {0, 1, 12, 0};
    DiffSection section;
    section.changed.push_back({3, "ORF", {{"audio PID %1", 2, "101", "102"}, {"scrambled", 0, "no", "yes"}}});
    const auto texts = [&] {
        return std::vector<QString>{
            CountLabelText(PaneCaption::Satellite, 64),
            CountLabelText(PaneCaption::Tv, 1),
            FilteredCountLabelText(PaneCaption::Radio, 1, 1),
            ui::CountedEditLabel(ui::CountedEdit::Delete, 1),
            ui::CountedEditLabel(ui::CountedEdit::Delete, 12),
            ServiceTypeText(ServiceType::Tv),
            QString::fromStdString(DescribeDifference(difference, QtTexts())),
            QString::fromStdString(DiffSectionTitle(section, QtTexts()) + ": " + DiffSectionCounts(section, QtTexts())),
            QString::fromStdString(DiffSectionLines(section, QtTexts())[0]),
            ui::IntegrityProblemText(problem)};
    };
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"Satellite - 64 items", "Satellit - 64 Einträge"},
        {"TV - 1 item", "TV - 1 Eintrag"},
        {"Radio - 1 of 1 items", "Radio - 1 von 1 Eintrag"},
        {"Delete 1 channel", "1 Kanal löschen"},
        {"Delete 12 channels", "12 Kanäle löschen"},
        {"TV", "TV"},
        {"13 bytes differ (satellites/transponders: 1, channels: 12)",
         "13 Bytes weichen ab (Satelliten/Transponder: 1, Kanäle: 12)"},
        {"Tuner 1 TV: 0 added, 0 removed, 0 renamed, 0 moved, 1 changed",
         "Tuner 1 TV: 0 hinzugefügt, 0 entfernt, 0 umbenannt, 0 verschoben, 1 geändert"},
        {"changed  #3 ORF: audio PID 2 101 -> 102; scrambled no -> yes",
         "geändert     #3 ORF: Audio-PID 2 101 -> 102; verschlüsselt nein -> ja"},
        {"channel 12 tuner 1 \"News\": PK 7 key 3, expected 2",
         "Kanal 12 Tuner 1 \"News\": PK 7 Schlüssel 3, erwartet 2"}};
    EXPECT_EQ(IntegrityProblemLine(problem), expected.back().first);
    const std::vector<QString> english = texts();
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/vorlane_de.qm")));
    QCoreApplication::installTranslator(&german);
    const std::vector<QString> translated = texts();
    QCoreApplication::removeTranslator(&german);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(english[i], QString::fromUtf8(expected[i].first));
        EXPECT_EQ(translated[i], QString::fromUtf8(expected[i].second));
    }

    QCoreApplication::installTranslator(&german);
    Click(view.tvPane(), 0);
    const QString line = view.informationLine();
    QCoreApplication::removeTranslator(&german);
    EXPECT_TRUE(line.contains(QStringLiteral("Frequenz : "))) << line.toStdString();
}

// A combo box reads out its value as its name, so only its label or an accessible name of its own names it.
bool Named(QWidget& widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return !widget.accessibleName().isEmpty() || !accessible->relations(QAccessible::Label).isEmpty() ||
           (!qobject_cast<QComboBox*>(&widget) && !accessible->text(QAccessible::Name).isEmpty());
}

std::string UnnamedControls(QWidget& window) {
    QStringList unnamed;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(&window) && !widget->focusProxy() &&
            !Named(*widget))
            unnamed << widget->objectName() + QStringLiteral(" (") + widget->metaObject()->className() + ')';
    return unnamed.join(QStringLiteral(", ")).toStdString();
}

// Every control a keyboard reaches has a name a screen reader can read out: its own, its label's or its text.
TEST_F(ViewTest, TheWindowAndEveryPropertyDialogNameTheirControls) {
    EXPECT_EQ(UnnamedControls(view), "");
    // Command 0: only choose the row (every transponder shown).
    const std::tuple<ui::PaneListView*, int, int> dialogs[] = {{&view.satellitePane(), 0, 0},
                                                               {&view.transponderPane(), 0, kCmdTransponderProperty},
                                                               {&view.tvPane(), 0, kCmdTvProperty},
                                                               {&view.satellitePane(), 1, kCmdSatelliteProperty}};
    for (const auto& [pane, row, command] : dialogs) {
        Click(*pane, row);
        if (command == 0)
            continue;
        bool shown = false;
        UserPrompts::scriptAnswer([&shown](QDialog& shownDialog) {
            shown = true;
            EXPECT_EQ(UnnamedControls(shownDialog), "") << shownDialog.windowTitle().toStdString();
            return int(QDialog::Rejected);
        });
        view.HandleCommand(command);
        EXPECT_TRUE(shown) << command;
    }
}

} // namespace
} // namespace vorlane
