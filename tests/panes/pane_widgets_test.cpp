#include "panes/channel_pane.h"
#include "panes/channel_row_painter.h"
#include "panes/colour_field.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "platform/trace.h"
#include "scripted_prompts.h"
#include "support/list_check.h"
#include "support/sample_database.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace vorlane::ui {
namespace {

// A generated database, default editor settings, no chosen list, every channel shown, and a record of the commands
// and choices the panes sent.
class TestPaneHost : public PaneHost {
public:
    ChannelDatabase db;
    EditorSettings settings;
    std::vector<int> commands;
    std::vector<PaneKind> choices;

    ChannelDatabase& Database() override { return db; }
    const EditorSettings& PaneSettings() const override { return settings; }
    ChosenList CurrentChosenList() const override { return {}; }
    int DisplayFilter() const override { return kFilterAllChannels; }
    bool HandleCommand(int command) override {
        commands.push_back(command);
        return true;
    }
    void OnPaneChoice(PaneListView& pane) override { choices.push_back(pane.ShownKind()); }
    void OnPaneDoubleClick(PaneListView&, int) override {}
    void ShowPaneMenu(PaneListView&, QPoint) override {}
    int HitTestOutside(PaneListView&, QPoint) override { return PaneListView::kDropCursor; }
    void DropOutside(PaneListView&, QPoint, std::span<const Pk>) override {}
    void ClearDropTargets() override {}
};

class ChannelPaneTest : public ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        ASSERT_GT(testing::MakeSampleDatabase(m_host.db, 3, 8, 120, 600), 0);
        m_pane.resize(450, 300);
        m_pane.show();
        m_pane.Refill(-1, -1, -1);
    }

    QPoint CentreOf(int row) { return m_pane.visualRect(m_pane.model()->index(row, 0)).center(); }

    TestPaneHost m_host;
    ChannelPane m_pane{m_host, ServiceType::Tv, nullptr};
};

// Every column is at least the configured width: names are never cut shorter than the user asked for. A refill
// starts at the left.
TEST_F(ChannelPaneTest, ColumnRuleSharesTheWidthAndARefillStartsAtTheLeft) {
    m_host.settings.SetColumnWidth(100);
    for (const auto& [width, columnWidth] : {std::pair{450, 112}, std::pair{99, 99}, std::pair{200, 100}}) {
        m_pane.resize(width + 2 * m_pane.frameWidth(), 300);
        EXPECT_EQ(m_pane.ColumnWidth(), columnWidth) << width;
        EXPECT_EQ(m_pane.RowSize().width(), columnWidth) << width;
    }
    m_pane.resize(200, 100);
    QApplication::processEvents(); // the delayed layout of the rows
    QScrollBar* sideways = m_pane.horizontalScrollBar();
    sideways->setValue(sideways->maximum());
    ASSERT_GT(sideways->value(), 0);
    m_pane.Refill(-1, -1, -1);
    EXPECT_EQ(sideways->value(), 0);
}

// Find and F3 start after the caret row and wrap once; a match is the user's choice (the information line
// follows it); nothing anywhere says "Not found".
TEST_F(ChannelPaneTest, FindStartsAfterTheCaretWrapsOnceAndSaysNotFound) {
    m_host.db.ChannelOfPk(*m_pane.PkAt(3)).SetName("Unique Name");
    m_pane.SelectRow(m_pane.RowCount() - 1);
    UserPrompts::ScriptAnswer([](QDialog& dialog) {
        Find<QLineEdit>(dialog, "findTextEdit").setText("unique");
        Find<QPushButton>(dialog, "findNextButton").click();
        return dialog.result();
    });
    m_pane.FindWithDialog();
    EXPECT_EQ(m_pane.CaretRow(), 3);
    EXPECT_EQ(m_host.choices, std::vector<PaneKind>{PaneKind::Tv});
    QTest::keyClick(&m_pane, Qt::Key_F3);
    EXPECT_EQ(m_pane.CaretRow(), 3); // after row 3 nothing, then from the top it is found again
    m_host.db.ChannelOfPk(*m_pane.PkAt(3)).SetName("Other");
    UserPrompts::TakeAsked();
    UserPrompts::ScriptAnswer(QMessageBox::Ok);
    QTest::keyClick(&m_pane, Qt::Key_F3);
    EXPECT_EQ(m_pane.CaretRow(), 3);
    EXPECT_EQ(UserPrompts::TakeAsked().at(0).text, "Not found");
}

TEST_F(ChannelPaneTest, ThreePixelsIsAClickFourPixelsADropAndSortedByNameRefusesDrags) {
    m_pane.SelectRows({1, 2});
    const QPoint from = CentreOf(1);
    const Pk movedPk = *m_pane.PkAt(1);
    QTest::mousePress(m_pane.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(m_pane.viewport(), from + QPoint(3, 3));
    EXPECT_FALSE(m_pane.Dragging());
    QTest::mouseRelease(m_pane.viewport(), Qt::LeftButton, {}, from + QPoint(3, 3));
    EXPECT_FALSE(m_pane.Dragging());
    EXPECT_EQ(m_pane.SelectedRows(), std::vector<int>{1}); // an ordinary click
    EXPECT_FALSE(m_host.db.Modified());

    const QPoint target = CentreOf(10);
    QTest::mousePress(m_pane.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(m_pane.viewport(), from + QPoint(0, 4));
    EXPECT_TRUE(m_pane.Dragging());
    QTest::mouseMove(m_pane.viewport(), target);
    EXPECT_EQ(m_pane.InsertRow(), 10);
    QTest::mouseRelease(m_pane.viewport(), Qt::LeftButton, {}, target);
    EXPECT_FALSE(m_pane.Dragging());
    EXPECT_TRUE(m_host.db.Modified());
    EXPECT_EQ(m_pane.PkAt(9), movedPk); // in front of the former row 10
    EXPECT_EQ(m_pane.SelectedPks(), std::vector<Pk>{movedPk});
    EXPECT_EQ(m_pane.InsertRow(), -1);
    EXPECT_TRUE(testing::VerifyLists(m_host.db));

    m_pane.SetSortedByName(true); // sorted by name, the pane refuses drags
    m_pane.SelectRow(1);
    QTest::mousePress(m_pane.viewport(), Qt::LeftButton, {}, CentreOf(1));
    QTest::mouseMove(m_pane.viewport(), CentreOf(1) + QPoint(0, 10));
    EXPECT_FALSE(m_pane.Dragging());
    QTest::mouseRelease(m_pane.viewport(), Qt::LeftButton, {}, CentreOf(1) + QPoint(0, 10));
}

// Hovering near an edge runs the scroll timer, whose ticks move a page sideways.
TEST_F(ChannelPaneTest, HoveringNearAnEdgeScrollsAPageSideways) {
    TraceCapture traces;
    m_host.settings.SetColumnWidth(100);
    m_pane.ApplyColumnWidth();
    QApplication::processEvents();
    m_pane.doItemsLayout();
    QScrollBar* bar = m_pane.horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    m_pane.SelectRow(0);
    m_pane.BeginDrag(CentreOf(0));
    const int y = CentreOf(0).y();
    EXPECT_EQ(m_pane.HitTest(QPoint(5, y)), PaneListView::kScrollLeftCursor);
    EXPECT_EQ(m_pane.TimerId(), 100);
    EXPECT_EQ(m_pane.ScrollDir(), ChannelPane::kScrollLeft);
    EXPECT_EQ(m_pane.HitTest(QPoint(m_pane.viewport()->width() - 5, y)), PaneListView::kScrollRightCursor);
    EXPECT_EQ(m_pane.TimerId(), 100); // started once only
    m_pane.OnScrollTimer();
    EXPECT_EQ(bar->value(), std::min(bar->maximum(), bar->pageStep()));
    m_pane.HitTest(QPoint(2, y));
    m_pane.OnScrollTimer();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(m_pane.HitTest(QPoint(m_pane.viewport()->width() / 2, y)), PaneListView::kDropCursor);
    EXPECT_EQ(m_pane.TimerId(), -1);
    EXPECT_TRUE(traces.Contains("Start Timer... m_nTimerID=100\n"));
    EXPECT_TRUE(traces.Contains("Kill Timer... m_nTimerID=100\n"));
    EXPECT_EQ(m_pane.HitTest(QPoint(-30, y)), PaneListView::kDropCursor); // the host answers outside
    m_pane.CancelDrag();
    EXPECT_FALSE(m_pane.Dragging());
}

// The rules themselves are pinned on the rows; the pane selects by them, and Delete reports the first deleted row.
TEST_F(ChannelPaneTest, SelectionRulesAndDeleteReportTheFirstRow) {
    m_pane.SelectByRule(0);
    EXPECT_EQ(static_cast<int>(m_pane.SelectedRows().size()), m_pane.RowCount());
    m_pane.ClearSelection();
    EXPECT_EQ(m_pane.DeleteSelected(), -1);
    m_pane.SelectRow(2);
    QTest::keyClick(&m_pane, Qt::Key_Return);
    EXPECT_EQ(m_host.commands, std::vector<int>{kCmdTvProperty});
    m_pane.SelectRows({4, 6});
    const int gone = m_pane.RowId(4);
    EXPECT_EQ(m_pane.DeleteSelected(), 4);
    m_pane.Reload();
    EXPECT_EQ(m_pane.RowOf(gone), -1);
    EXPECT_TRUE(testing::VerifyLists(m_host.db));
}

TEST_F(ChannelPaneTest, LockedScrambledAndSkippedRowsAreDrawnAsTheirColoursAndLongNamesEndInDots) {
    const auto paint = [this](bool locked, bool scrambled, bool skipped) {
        QImage image(200, 16, QImage::Format_RGB32);
        QPainter painter(&image);
        ChannelRowLook look;
        look.number = 12;
        look.name = QStringLiteral("Name");
        look.locked = locked;
        look.scrambled = scrambled;
        look.skipped = skipped;
        PaintChannelRow(painter, image.rect(), look, m_host.settings);
        return image;
    };
    const QImage image = paint(true, true, false);
    const auto colour = [&](EditorColour which) { return ToQColor(m_host.settings.Colour(which)).rgb(); };
    // The "L" box is the rightmost 10 pixels, the "$" box the 8 left of it, each inset one pixel on the left and
    // two at the top.
    const std::tuple<int, int, EditorColour> pixels[] = {
        {199, 2, EditorColour::Lock},      {191, 2, EditorColour::Lock},      {190, 2, EditorColour::Bkgnd},
        {189, 2, EditorColour::Scrambled}, {183, 2, EditorColour::Scrambled}, {182, 2, EditorColour::Bkgnd},
        {199, 1, EditorColour::Bkgnd}};
    for (const auto& [x, y, expected] : pixels)
        EXPECT_EQ(image.pixel(x, y), colour(expected)) << x << "," << y;
    const auto anyPixel = [](const QImage& in, QRect area, QRgb wanted) {
        for (int x = area.left(); x <= area.right(); ++x)
            for (int y = area.top(); y <= area.bottom(); ++y)
                if (in.pixel(x, y) == wanted)
                    return true;
        return false;
    };
    EXPECT_TRUE(anyPixel(image, QRect(190, 2, 10, 12), colour(EditorColour::LockText)));
    EXPECT_TRUE(anyPixel(paint(false, false, true), QRect(0, 0, 33, 16), QColor(0x96, 0x96, 0x96).rgb()));

    // A name too long for its column ends in dots.
    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 9));
    EXPECT_EQ(ShortenedName("A very long channel name", metrics, metrics.horizontalAdvance("A very lo...")),
              "A very lo...");
    EXPECT_EQ(ShortenedName(QStringLiteral("Short"), metrics, 200), QStringLiteral("Short"));
}

class LabelPaneTest : public ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        ASSERT_GT(testing::MakeSampleDatabase(m_host.db, 5, 8, 120, 600), 0);
    }
    TestPaneHost m_host;
};

// The satellite pane starts with "All" and refuses drags sorted by longitude; programmatic selection is no
// choice. Drags in the transponder pane end without effect; its keys are the menu's "Ins", "T" and "R", with Delete
// and Return. Favourite rows show name and count and ignore Return.
TEST_F(LabelPaneTest, RowsKeysAndDragsOfTheSatelliteTransponderAndFavouritePanes) {
    SatellitePane satellites(m_host, nullptr);
    satellites.Refill();
    EXPECT_EQ(satellites.RowCount(), 65);
    EXPECT_EQ(satellites.RowText(0), "All");
    EXPECT_TRUE(satellites.DragEnabled());
    satellites.SetSortMode(1);
    EXPECT_FALSE(satellites.DragEnabled());
    satellites.SelectRow(0);
    EXPECT_EQ(satellites.SelectedSatellite(), -1);
    QTest::keyClick(&satellites, Qt::Key_Return);
    EXPECT_EQ(m_host.commands, std::vector<int>{kCmdSatelliteProperty});
    EXPECT_TRUE(m_host.choices.empty());

    TransponderPane transponders(m_host, nullptr);
    transponders.resize(160, 300);
    transponders.show();
    transponders.Refill(-1);
    transponders.SelectRow(1);
    const QPoint from = transponders.visualRect(transponders.model()->index(1, 0)).center();
    QTest::mousePress(transponders.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(transponders.viewport(), from + QPoint(0, 20));
    EXPECT_TRUE(transponders.Dragging());
    QTest::mouseRelease(transponders.viewport(), Qt::LeftButton, {}, from + QPoint(0, 20));
    EXPECT_FALSE(transponders.Dragging());
    EXPECT_FALSE(m_host.db.Modified());
    transponders.SelectRow(0);
    m_host.commands.clear();
    for (const auto key : {Qt::Key_Insert, Qt::Key_T, Qt::Key_R, Qt::Key_Delete, Qt::Key_Return})
        QTest::keyClick(&transponders, key);
    EXPECT_EQ(m_host.commands, (std::vector<int>{kCmdTransponderNew, kCmdTransponderNewTv, kCmdTransponderNewRadio,
                                                 kCmdTransponderDelete, kCmdTransponderProperty}));

    FavouritePane favourites(m_host, nullptr);
    favourites.Refill();
    ASSERT_EQ(favourites.RowCount(), 8);
    const std::string text = favourites.RowText(0);
    EXPECT_EQ(text.front(), ' ');
    EXPECT_NE(text.find(" [" + std::to_string(m_host.db.Lists().Head(FavouriteKind(0), 0)->count) + "]"),
              std::string::npos);
    favourites.SelectRow(0);
    m_host.commands.clear();
    QTest::keyClick(&favourites, Qt::Key_Return);
    EXPECT_TRUE(m_host.commands.empty());
}

} // namespace
} // namespace vorlane::ui
