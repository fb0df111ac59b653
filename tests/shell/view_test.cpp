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
#include "shell/integrity_question.h"
#include "shell/view_texts.h"
#include "support/list_check.h"
#include "support/sample_database.h"
#include "translations_resource.h"

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

#include <tuple>

namespace vorlane {
namespace {

using testing::VerifyLists;
using ui::UserPrompts;

// The view over a generated database, shown as after Open, with "All" chosen.
class ViewTest : public ui::ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        m_view.resize(1000, 700);
        m_view.OnInitialUpdate();
        m_view.show();
        ASSERT_GT(testing::MakeSampleDatabase(m_db, 11, 8, 120, 600), 0);
        m_view.RefreshAllPanes();
        ChooseSatelliteRow(0);
    }

    QString Label(const char* name, const QWidget* in = nullptr) {
        return (in ? in : &m_view)->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    void ChooseSatelliteRow(int row) { Click(m_view.SatelliteListPane(), row); }
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
    // The "Move to" dialog: the number typed and OK, or Cancel when `typed` is null.
    static void ScriptMoveTo(const QString& typed) {
        UserPrompts::ScriptAnswer([typed](QDialog& dialog) {
            if (!typed.isNull())
                dialog.findChild<QLineEdit*>("channelNumberEdit")->setText(typed);
            dialog.findChild<QPushButton*>(typed.isNull() ? "cancelButton" : "okButton")->click();
            return dialog.result();
        });
    }

    ChannelDatabase m_db;
    MemorySettingsStore mStore;
    CMirevoView m_view{m_db, mStore};
};

TEST_F(ViewTest, CountLabelsAndInformationLineTexts) {
    EXPECT_EQ(Label("satelliteCountLabel"), "Satellite - 64 items");
    EXPECT_EQ(Label("transponderCountLabel"), "Transponder - 120 items");
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 items").arg(m_view.TvPane().RowCount()));
    const int satellite = m_view.SatelliteListPane().RowId(1);
    m_db.Satellite(satellite).SetName("Astra");
    m_db.Satellite(satellite).SetOrbitalPosition(192);
    ChooseSatelliteRow(1);
    EXPECT_EQ(m_view.InformationLine(), "Astra     Longitude: East 19.2'     ");
    m_db.Satellite(satellite).SetOrbitalPosition(-300);
    ChooseSatelliteRow(0);
    EXPECT_EQ(m_view.InformationLine(), "");
    ChooseSatelliteRow(1);
    EXPECT_EQ(m_view.InformationLine(), "Astra     Longitude: West -30.0'     ");
    EXPECT_EQ(m_view.TransponderListPane().Satellite(), satellite);

    const TransponderRecord tp = m_db.Transponder(m_view.TransponderListPane().RowId(0));
    tp.SetFrequency(11778);
    tp.SetSymbolRate(27500);
    tp.SetTransportStreamId(1051);
    TuningWord tuning(0);
    tuning.SetPolarisation(2);
    tuning.SetFec(6);
    tp.SetTuning(tuning);
    TraceCapture traces;
    Click(m_view.TransponderListPane(), 0);
    EXPECT_EQ(m_view.InformationLine(),
              "Frequency : 11778     Symbol Rate : 27500     TSID : 1051     Polar : Vertical     FEC :      ");
    EXPECT_TRUE(traces.Contains("sFlag.fec=6\n"));

    const ChannelRecord channel = m_db.ChannelOfPk(*m_view.TvPane().PkAt(0));
    channel.SetName("Das Erste");
    channel.SetVideoPid(101);
    channel.SetAudioPid(0, 102);
    Click(m_view.TvPane(), 0);
    EXPECT_EQ(
        m_view.InformationLine(),
        "Das Erste     Frequency : 11778     Polar : V     SymbolRate : 27500     VPID :    101     APID :    102");
}

TEST_F(ViewTest, InformationLineFollowsTheCaretRow) {
    ui::ChannelPane& tv = m_view.TvPane();
    Click(tv, 3);
    const TunerSide side = tv.PkAt(3)->Side();
    const auto describes = [&](int row) { return m_view.InformationLine() == ChannelInformation(m_db, *tv.PkAt(row)); };
    ASSERT_TRUE(describes(3));
    m_view.SetDisplayFilter(side == TunerSide::First ? kFilterTuner2Channels : kFilterTuner1Channels);
    m_view.RefillTvPane();
    EXPECT_EQ(m_view.InformationLine(), "");
    m_view.SetDisplayFilter(kFilterAllChannels);
    m_view.RefillTvPane();
    Click(tv, 3);
    m_view.SetDisplayFilter(side == TunerSide::First ? kFilterTuner1Channels : kFilterTuner2Channels);
    m_view.RefillTvPane();
    EXPECT_TRUE(describes(tv.CaretRow()));
    EXPECT_EQ(tv.SelectedPks().size(), 1u);

    m_view.HandleCommand(kCmdTvSelectAll);
    EXPECT_TRUE(describes(tv.CaretRow()));

    // Delete selects the same row, or the new last row; with nothing selected it deletes nothing.
    const int before = tv.RowCount();
    tv.SelectRows({2, 3});
    const Pk third = *tv.PkAt(4);
    QTest::keyClick(&tv, Qt::Key_Delete);
    EXPECT_EQ(tv.RowCount(), before - 2);
    EXPECT_EQ(tv.SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(*tv.PkAt(2), third);
    EXPECT_EQ(tv.CaretRow(), 2);
    EXPECT_TRUE(describes(2));
    tv.SelectRow(tv.RowCount() - 1);
    m_view.HandleCommand(kCmdTvDelete);
    EXPECT_EQ(tv.SelectedRows(), std::vector<int>{tv.RowCount() - 1});
    tv.ClearSelection();
    const int count = tv.RowCount();
    m_view.HandleCommand(kCmdTvDelete);
    EXPECT_EQ(tv.RowCount(), count);
    EXPECT_EQ(tv.SelectedRows(), std::vector<int>{0});
    EXPECT_TRUE(VerifyLists(m_db));
}

// A group filters the channel panes and Delete there only takes the channel out of the group; Return opens a
// satellite's dialog, but not on "All" and never in the favourite pane.
TEST_F(ViewTest, AGroupFiltersTheChannelPanesAndReturnOpensOnlyARealSatellitesDialog) {
    ChooseSatelliteRow(2);
    Click(m_view.FavouriteListPane(), 1);
    EXPECT_EQ(m_view.CurrentChosenList().kind, ChosenList::kFavourite);
    EXPECT_EQ(m_view.SatelliteListPane().SelectedRow(), -1);
    const ListHead* group = m_db.Lists().Head(FavouriteKind(1), 0);
    EXPECT_EQ(m_view.TvPane().RowCount() + m_view.RadioPane().RowCount(), group->count);
    EXPECT_TRUE(m_view.InformationLine().endsWith(QString("Number of channel: %1").arg(group->count)));

    Click(m_view.FavouriteListPane(), 0);
    const Pk pk = *m_view.TvPane().PkAt(0);
    m_view.TvPane().SelectRow(0);
    m_view.HandleCommand(kCmdTvDelete);
    EXPECT_FALSE(m_db.ChannelOfPk(pk).IsFree());
    EXPECT_EQ(m_db.ChannelOfPk(pk).FavouriteByte(pk.Side(), 0), 0);
    EXPECT_TRUE(m_db.Modified());
    EXPECT_TRUE(VerifyLists(m_db));

    Click(m_view.FavouriteListPane(), 2);
    UserPrompts::TakeAsked();
    QTest::keyClick(&m_view.FavouriteListPane(), Qt::Key_Return);
    QTest::keyClick(&m_view, Qt::Key_Return);
    ChooseSatelliteRow(0);
    QTest::keyClick(&m_view.SatelliteListPane(), Qt::Key_Return);
    EXPECT_TRUE(UserPrompts::TakeAsked().empty());
    EXPECT_TRUE(m_view.isVisible());
    ChooseSatelliteRow(1);
    UserPrompts::ScriptAnswer([](QDialog&) { return 0; });
    QTest::keyClick(&m_view.SatelliteListPane(), Qt::Key_Return);
    EXPECT_EQ(UserPrompts::TakeAsked().size(), 1u);
}

// Move to: the number typed is the number the pane shows afterwards, down as well as up; past the end means last.
TEST_F(ViewTest, MoveToKeysAndMenuCommandsPlaceTheChannel) {
    m_view.SetDisplayFilter(kFilterTuner1Channels); // each tuner side is numbered on its own
    ui::ChannelPane& tv = m_view.TvPane();
    struct Case {
        int satelliteRow, row;
        const char* typed;
        int expected; // 0: the number row 0 showed; -1: the last number
    };
    // Satellite row -1: the first satellite with more than one channel.
    for (const Case& c : {Case{0, 1, "5", 5}, Case{0, 6, "2", 2}, Case{0, 0, "9999", -1}, Case{-1, 1, "", 0}}) {
        ChooseSatelliteRow(std::max(c.satelliteRow, 1));
        for (int row = 2; c.satelliteRow < 0 && tv.RowCount() < 2; ++row)
            ChooseSatelliteRow(row);
        ASSERT_GT(tv.RowCount(), c.row);
        const Pk moved = *tv.PkAt(c.row);
        const int rowZeroNumber = ChannelNumber(m_db, *tv.PkAt(0));
        const int expected = c.expected > 0    ? c.expected
                             : c.expected == 0 ? rowZeroNumber
                                               : static_cast<int>(m_db.Lists().Head(ListKind::Tuner1Tv, 0)->count);
        const QString typed = *c.typed ? QString::fromLatin1(c.typed) : QString::number(rowZeroNumber);
        tv.SelectRow(c.row);
        ScriptMoveTo(typed);
        m_db.SetModified(false);
        QTest::keyClick(&tv, Qt::Key_M, Qt::ControlModifier);
        EXPECT_TRUE(m_db.Modified());
        EXPECT_EQ(ChannelNumber(m_db, moved), expected) << typed.toStdString();
        EXPECT_EQ(tv.SelectedPks(), std::vector<Pk>{moved});
    }
    ScriptMoveTo(QString());
    m_db.SetModified(false);
    m_view.HandleCommand(kCmdTvMoveTo);
    EXPECT_FALSE(m_db.Modified());

    // Alt+Up / Alt+Down move one place; the channel menu's entries name the groups as the favourite pane does.
    ChooseSatelliteRow(0);
    const Pk pk = *tv.PkAt(4);
    const int last = static_cast<int>(m_db.Lists().Head(ListKind::Tuner1Tv, 0)->count);
    tv.SelectRow(4);
    for (const auto& [key, number] : {std::pair{Qt::Key_Up, 4}, {Qt::Key_Down, 5}, {Qt::Key_Down, 6}}) {
        QTest::keyClick(&tv, key, Qt::AltModifier);
        EXPECT_EQ(ChannelNumber(m_db, pk), number);
    }
    EXPECT_EQ(tv.SelectedPks(), std::vector<Pk>{pk});

    const auto runFromMenu = [&](int command) {
        const std::unique_ptr<QMenu> menu = m_view.BuildPaneMenu(tv);
        QAction* action = ui::FindMenuCommand(*menu, command);
        ASSERT_TRUE(action && action->isEnabled()) << command;
        m_view.HandleCommand(action->data().toInt());
    };
    runFromMenu(kCmdTvMoveBottom);
    EXPECT_EQ(ChannelNumber(m_db, pk), last);
    runFromMenu(kCmdTvMoveTop);
    EXPECT_EQ(ChannelNumber(m_db, pk), 1);

    const std::unique_ptr<QMenu> menu = m_view.BuildPaneMenu(tv);
    const QString name = QString::fromStdString(m_view.FavouriteListPane().RowText(7)).section(" [", 0, 0).trimmed();
    EXPECT_EQ(ui::FindMenuCommand(*menu, kCmdTvAddFavourite + 7)->text(), "FAV 8 (" + name + ")");
    RemoveFavourite(m_db, 7, pk);
    runFromMenu(kCmdTvAddFavourite + 7);
    EXPECT_NE(m_db.ChannelOfPk(pk).FavouriteByte(TunerSide::First, 7), 0);

    // Ctrl+C copies the selection as tab-separated text and as records; Ctrl+V adds them after the caret row.
    const Pk copied = *tv.PkAt(2);
    m_db.ChannelOfPk(copied).SetName("Kanal Eins");
    tv.SelectRow(2);
    QTest::keyClick(&tv, Qt::Key_C, Qt::ControlModifier);
    const QStringList fields = QGuiApplication::clipboard()->text().split('\t');
    EXPECT_EQ(fields.mid(0, 2), QStringList({"3", "Kanal Eins"}));
    EXPECT_EQ(fields.size() == 7 ? fields[6].trimmed().toInt() : -1, m_db.ChannelOfPk(copied).ProgramNumber());

    const int rows = tv.RowCount();
    m_db.SetModified(false);
    tv.SelectRow(5);
    QTest::keyClick(&tv, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(tv.RowCount(), rows + 1);
    EXPECT_EQ(m_db.ChannelOfPk(*tv.PkAt(6)).Name(), "Kanal Eins");
    EXPECT_EQ(ChannelNumber(m_db, *tv.PkAt(6)), 7);
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 items").arg(rows + 1));
    EXPECT_TRUE(m_db.Modified());
    EXPECT_TRUE(VerifyLists(m_db));
}

TEST_F(ViewTest, EveryClickChoosesAndTheChoiceAlwaysNamesARow) {
    Click(m_view.RadioPane(), 0);
    Click(m_view.TvPane(), 3);
    EXPECT_TRUE(m_view.RadioPane().SelectedRows().empty());
    const Pk pk = *m_view.TvPane().PkAt(3);
    const int channelTp = static_cast<int>(m_db.ChannelOfPk(pk).TransponderLink(pk.Side()).Index());
    EXPECT_EQ(m_view.TransponderListPane().SelectedTransponder(), channelTp);
    EXPECT_EQ(m_view.CurrentChosenList().kind, ChosenList::kSatellite);

    Click(m_view.TransponderListPane(), 0);
    const int satelliteRow = m_view.SatelliteListPane().SelectedRow();
    ASSERT_GT(satelliteRow, 0);
    Click(m_view.SatelliteListPane(), satelliteRow); // highlighted by the transponder, not yet chosen
    EXPECT_EQ(m_view.CurrentChosenList().kind, ChosenList::kSatellite);
    EXPECT_EQ(m_view.CurrentChosenList().index, m_view.SatelliteListPane().RowId(satelliteRow));

    Click(m_view.TransponderListPane(), 0);
    const int tp = m_view.TransponderListPane().RowId(0);
    const int next = m_view.TransponderListPane().RowId(1);
    UserPrompts::ScriptAnswer(QMessageBox::No);
    QTest::keyClick(&m_view.TransponderListPane(), Qt::Key_Delete);
    EXPECT_FALSE(m_db.Transponder(tp).IsFree());
    const ui::AskedPrompt asked = UserPrompts::TakeAsked().at(0);
    EXPECT_EQ(asked.title + ": " + asked.text, "Warning: Transponder contains channels, delete anyway?");
    UserPrompts::ScriptAnswer(QMessageBox::Yes);
    m_view.HandleCommand(kCmdTransponderDelete);
    EXPECT_TRUE(m_db.Transponder(tp).IsFree());
    EXPECT_EQ(m_view.CurrentChosenList().kind, ChosenList::kTransponder);
    EXPECT_EQ(m_view.CurrentChosenList().index, next);
    EXPECT_EQ(m_view.TransponderListPane().SelectedTransponder(), next);
    EXPECT_EQ(m_view.TvPane().RowCount(), m_db.Lists().Head(ListKind::TvByTransponder, next)->count);

    m_view.RefreshAllPanes(); // as Open and New do
    EXPECT_EQ(m_view.CurrentChosenList().kind, ChosenList::kSatellite);
    EXPECT_EQ(m_view.CurrentChosenList().index, -1);
    EXPECT_EQ(m_view.SatelliteListPane().SelectedRow(), 0);
    EXPECT_EQ(m_view.TvPane().RowCount(), m_db.Lists().Head(ListKind::TvChannels, 0)->count);
}

TEST_F(ViewTest, DropsOnEachPaneKind) {
    ui::ChannelPane& tv = m_view.TvPane();
    ui::ChannelPane& radio = m_view.RadioPane();
    const auto expectCountsOfRows = [&] {
        EXPECT_EQ(Label("tvCountLabel"), CountLabelText(PaneCaption::Tv, tv.RowCount()));
        EXPECT_EQ(Label("radioCountLabel"), CountLabelText(PaneCaption::Radio, radio.RowCount()));
        EXPECT_EQ(Label("transponderCountLabel"),
                  CountLabelText(PaneCaption::Transponder, m_view.TransponderListPane().RowCount()));
    };

    // On a favourite group.
    tv.SelectRow(0);
    const Pk pk = *tv.PkAt(0);
    const int group = 7;
    RemoveFavourite(m_db, group, pk);
    DragTo(tv, 0, GlobalCentre(m_view.FavouriteListPane(), group));
    EXPECT_NE(m_db.ChannelOfPk(pk).FavouriteByte(pk.Side(), group), 0);
    EXPECT_TRUE(m_db.Modified());

    // On a transponder of another satellite, while the channel's own transponder is chosen.
    const TunerSide side = pk.Side();
    Click(m_view.TransponderListPane(),
          m_view.TransponderListPane().RowOf(static_cast<int>(m_db.ChannelOfPk(pk).TransponderLink(side).Index())));
    const int oldSatellite = static_cast<int>(m_db.ChannelOfPk(pk).SatelliteLink(side).Index());
    int targetRow = -1;
    for (int row = 0; row < m_view.TransponderListPane().RowCount() && targetRow < 0; ++row)
        if (static_cast<int>(m_db.Transponder(m_view.TransponderListPane().RowId(row)).SatelliteLink().Index()) !=
            oldSatellite)
            targetRow = row;
    ASSERT_GE(targetRow, 0);
    const int tp = m_view.TransponderListPane().RowId(targetRow);
    tv.SelectPks(std::vector<Pk>{pk});
    DragTo(tv, tv.RowOf(pk.Value()), GlobalCentre(m_view.TransponderListPane(), targetRow));
    EXPECT_EQ(static_cast<int>(m_db.ChannelOfPk(pk).TransponderLink(side).Index()), tp);
    EXPECT_EQ(tv.RowOf(pk.Value()), -1);
    expectCountsOfRows();
    ChooseSatelliteRow(0);

    // On the radio pane: the channel becomes a radio channel in front of the row.
    const Pk radioTarget = *radio.PkAt(1);
    tv.SelectPks(std::vector<Pk>{pk});
    DragTo(tv, tv.RowOf(pk.Value()), GlobalCentre(radio, 1));
    EXPECT_EQ(m_db.ChannelOfPk(pk).ServiceTypeCode(), 1);
    EXPECT_EQ(radio.RowOf(pk.Value()) + 1, radio.RowOf(radioTarget.Value()));
    EXPECT_EQ(tv.RowOf(pk.Value()), -1);
    EXPECT_EQ(radio.SelectedPks(), std::vector<Pk>{pk});
    expectCountsOfRows();

    // On the satellite pane: nothing moves.
    m_db.SetModified(false);
    radio.SelectPks(std::vector<Pk>{pk});
    const auto tvRows = tv.RowIds();
    DragTo(radio, radio.RowOf(pk.Value()), GlobalCentre(m_view.SatelliteListPane(), 3));
    EXPECT_FALSE(m_db.Modified());
    EXPECT_EQ(tv.RowIds(), tvRows);
    EXPECT_TRUE(VerifyLists(m_db));
}

// Loader area at the foot, 20 characters of a name at 800 x 600, the radio pane toggle, borders kept in the profile.
TEST_F(ViewTest, LayoutFollowsTheWindowTheBordersAndThePaneToggle) {
    const QWidget* loader = m_view.findChild<QWidget*>("loaderArea");
    m_view.resize(1200, 900);
    const int distance = m_view.height() - loader->geometry().bottom();
    EXPECT_LT(m_view.SatelliteListPane().geometry().bottom(), loader->geometry().top());
    m_view.resize(800, 540); // the form below the menu bar and toolbar
    EXPECT_EQ(m_view.height() - loader->geometry().bottom(), distance);
    EXPECT_LT(m_view.TvPane().geometry().bottom(), loader->geometry().top());
    EXPECT_EQ(m_view.TransponderListPane().geometry().top(), m_view.SatelliteListPane().geometry().top());
    for (ui::ChannelPane* pane : {&m_view.TvPane(), &m_view.RadioPane()}) {
        const int nameSpace = pane->ColumnWidth() - ui::kNameAreaLeft - ui::kLockBoxWidth - ui::kScrambledBoxWidth;
        EXPECT_GE(nameSpace, QFontMetrics(pane->font()).horizontalAdvance("Eurosport 2 Deutschl"));
    }

    m_view.resize(1000, 700);
    const int shared = m_view.TvPane().width();
    m_view.findChild<QWidget*>("paneToggleButton")->setFocus();
    QTest::mouseClick(m_view.findChild<QWidget*>("paneToggleButton"), Qt::LeftButton);
    EXPECT_FALSE(m_view.RadioPaneShown());
    EXPECT_FALSE(m_view.RadioPane().isVisible());
    EXPECT_GT(m_view.TvPane().width(), 2 * shared);
    m_view.RefreshAllPanes();
    EXPECT_TRUE(m_view.RadioPane().isVisible());
    EXPECT_EQ(m_view.TvPane().width(), shared);
    const std::pair<const char*, ui::PaneListView*> borders[] = {{"paneBorder0", &m_view.SatelliteListPane()},
                                                                 {"paneBorder1", &m_view.TransponderListPane()},
                                                                 {"paneBorder2", &m_view.TvPane()}};
    for (const auto& [name, left] : borders) {
        QWidget& border = ui::Find<QWidget>(m_view, name);
        const int before = left->width();
        const QPoint centre = border.rect().center();
        QTest::mousePress(&border, Qt::LeftButton, {}, centre);
        QTest::mouseMove(&border, centre + QPoint(30, 0));
        QTest::mouseRelease(&border, Qt::LeftButton, {}, centre + QPoint(30, 0));
        EXPECT_EQ(left->width(), before + 30) << name;
    }
    ChannelDatabase otherDb;
    CMirevoView again{otherDb, mStore};
    again.resize(1000, 700);
    again.OnInitialUpdate();
    EXPECT_EQ(again.SatelliteListPane().width(), m_view.SatelliteListPane().width());
    EXPECT_EQ(again.FavouriteListPane().width(), m_view.FavouriteListPane().width());
    EXPECT_EQ(again.TvPane().width(), m_view.TvPane().width());
    // Before Open only satellites and groups are filled.
    EXPECT_EQ(again.SatelliteListPane().RowCount(), 65);
    EXPECT_EQ(again.TransponderListPane().RowCount(), 0);
    EXPECT_EQ(Label("tvCountLabel", &again), "TV");
}

TEST_F(ViewTest, FilterFieldNarrowsThePaneAndDeleteActsOnTheShownSelectedRows) {
    ui::ChannelPane& tv = m_view.TvPane();
    const int total = tv.RowCount();
    auto* field = m_view.findChild<QLineEdit*>("tvFilterField");
    m_view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_view));
    QTest::keyClick(&m_view, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "A");
    const int shown = tv.RowCount();
    ASSERT_GT(shown, 2);
    ASSERT_LT(shown, total);
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 of %2 items").arg(shown).arg(total));
    for (int row = 0; row < shown; ++row) {
        const QString text = tv.model()->data(tv.model()->index(row, 0), Qt::AccessibleTextRole).toString();
        EXPECT_TRUE(text.contains('a', Qt::CaseInsensitive)) << text.toStdString();
    }

    tv.SelectRows({0, 2});
    const std::vector<Pk> deleted = tv.SelectedPks();
    QTest::keyClick(&tv, Qt::Key_Delete);
    for (const Pk pk : deleted)
        EXPECT_TRUE(m_db.ChannelOfPk(pk).IsFree() || !m_db.ChannelOfPk(pk).PresentOn(pk.Side()));
    EXPECT_EQ(tv.RowCount(), shown - 2);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(tv.RowCount(), total - 2);
    EXPECT_EQ(Label("tvCountLabel"), QString("TV - %1 items").arg(total - 2));
    EXPECT_TRUE(VerifyLists(m_db));
}
// The texts the view and the core build reach the translations: German with its plurals, English without one.
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
    Click(m_view.TvPane(), 0);
    const QString line = m_view.InformationLine();
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
    EXPECT_EQ(UnnamedControls(m_view), "");
    // Command 0: only choose the row (every transponder shown).
    const std::tuple<ui::PaneListView*, int, int> dialogs[] = {
        {&m_view.SatelliteListPane(), 0, 0},
        {&m_view.TransponderListPane(), 0, kCmdTransponderProperty},
        {&m_view.TvPane(), 0, kCmdTvProperty},
        {&m_view.SatelliteListPane(), 1, kCmdSatelliteProperty}};
    for (const auto& [pane, row, command] : dialogs) {
        Click(*pane, row);
        if (command == 0)
            continue;
        UserPrompts::ScriptAnswer([](QDialog& shown) {
            EXPECT_EQ(UnnamedControls(shown), "") << shown.windowTitle().toStdString();
            return int(QDialog::Rejected);
        });
        m_view.HandleCommand(command);
        EXPECT_EQ(UserPrompts::TakeAsked().size(), 1u) << command;
    }
}

} // namespace
} // namespace vorlane
