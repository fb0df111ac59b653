#include "panes/channel_pane.h"
#include "panes/channel_row_painter.h"
#include "panes/colour_field.h"
#include "panes/label_panes.h"
#include "panes/pane_menus.h"

#include "pane_test_host.h"
#include "platform/trace.h"
#include "scripted_prompts.h"
#include "support/list_check.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace vorlane::ui {
namespace {

class ChannelPaneTest : public ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        ASSERT_GT(testing::makeSampleDatabase(host.db, 3, 8, 120, 600), 0);
        pane.resize(450, 300);
        pane.show();
        pane.Refill(-1, -1, -1);
        ASSERT_GT(pane.rowCount(), 20);
    }

    void Name(int row, const char* name) { host.db.channelOfPk(pane.rowId(row)).setName(name); }

    QPoint CentreOf(int row) { return pane.visualRect(pane.model()->index(row, 0)).center(); }

    void ScriptFind(const char* text) {
        UserPrompts::scriptAnswer([=](QDialog& dialog) {
            Find<QLineEdit>(dialog, "findTextEdit").setText(QString::fromLatin1(text));
            Find<QPushButton>(dialog, "findNextButton").click();
            return dialog.result();
        });
    }

    TestPaneHost host;
    ChannelPane pane{host, ServiceType::Tv, nullptr};
};

// Every column is at least the configured width: names are never cut shorter than the user asked for.
TEST_F(ChannelPaneTest, ColumnRuleSharesTheWidth) {
    host.settings.set_column_width(100);
    for (const auto& [width, columnWidth] : {std::pair{450, 112}, std::pair{99, 99}, std::pair{200, 100}}) {
        pane.resize(width + 2 * pane.frameWidth(), 300);
        EXPECT_EQ(pane.columnWidth(), columnWidth) << width;
        EXPECT_EQ(pane.RowSize().width(), columnWidth) << width;
    }
}

// Find and F3 start after the caret row and wrap once; a match is the user's choice (the information line
// follows it); nothing anywhere says "Not found".
TEST_F(ChannelPaneTest, FindStartsAfterTheCaretWrapsOnceAndSaysNotFound) {
    Name(3, "Unique Name");
    pane.SelectRow(pane.rowCount() - 1);
    ScriptFind("unique");
    pane.FindWithDialog();
    EXPECT_EQ(pane.caretRow(), 3);
    EXPECT_EQ(host.choices, std::vector<PaneKind>{PaneKind::Tv});
    QTest::keyClick(&pane, Qt::Key_F3);
    EXPECT_EQ(pane.caretRow(), 3); // after row 3 nothing, then from the top it is found again
    host.db.channelOfPk(pane.rowId(3)).setName("Other");
    UserPrompts::takeAsked();
    UserPrompts::scriptAnswer(QMessageBox::Ok);
    QTest::keyClick(&pane, Qt::Key_F3);
    EXPECT_EQ(pane.caretRow(), 3);
    const auto asked = UserPrompts::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Not found");
}

TEST_F(ChannelPaneTest, ARefillStartsAtTheLeft) {
    pane.resize(200, 100);
    QApplication::processEvents(); // the delayed layout of the rows
    QScrollBar* sideways = pane.horizontalScrollBar();
    sideways->setValue(sideways->maximum());
    ASSERT_GT(sideways->value(), 0);
    pane.Refill(-1, -1, -1);
    EXPECT_EQ(sideways->value(), 0);
}

TEST_F(ChannelPaneTest, ThreePixelsIsAClickFourPixelsADropAndSortedByNameRefusesDrags) {
    pane.SelectRows({1, 2});
    const QPoint from = CentreOf(1);
    const int movedPk = pane.rowId(1);
    QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(pane.viewport(), from + QPoint(3, 3));
    EXPECT_FALSE(pane.dragging());
    QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, from + QPoint(3, 3));
    EXPECT_FALSE(pane.dragging());
    EXPECT_EQ(pane.selectedRows(), std::vector<int>{1}); // an ordinary click
    EXPECT_FALSE(host.db.modified());

    const QPoint target = CentreOf(10);
    QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(pane.viewport(), from + QPoint(0, 4));
    EXPECT_TRUE(pane.dragging());
    QTest::mouseMove(pane.viewport(), target);
    EXPECT_EQ(pane.insert_row(), 10);
    QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, target);
    EXPECT_FALSE(pane.dragging());
    EXPECT_TRUE(host.db.modified());
    EXPECT_EQ(pane.rowId(9), movedPk); // in front of the former row 10
    EXPECT_EQ(pane.selectedPks(), std::vector<int>{movedPk});
    EXPECT_EQ(pane.insert_row(), -1);
    EXPECT_TRUE(testing::verifyLists(host.db));

    // Sorted by name, the pane refuses drags.
    pane.SetSortedByName(true);
    pane.Reload();
    pane.SelectRow(1);
    QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, CentreOf(1));
    QTest::mouseMove(pane.viewport(), CentreOf(1) + QPoint(0, 10));
    EXPECT_FALSE(pane.dragging());
    QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, CentreOf(1) + QPoint(0, 10));
}

// Hovering near an edge runs the scroll timer, whose ticks move a page sideways.
TEST_F(ChannelPaneTest, HoveringNearAnEdgeScrollsAPageSideways) {
    TraceCapture traces;
    host.settings.set_column_width(100);
    pane.ApplyColumnWidth();
    QApplication::processEvents();
    pane.doItemsLayout();
    QScrollBar* bar = pane.horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    pane.SelectRow(0);
    pane.BeginDrag(CentreOf(0));
    const int y = CentreOf(0).y();
    EXPECT_EQ(pane.HitTest(QPoint(5, y)), PaneListView::kScrollLeftCursor);
    EXPECT_EQ(pane.timer_id(), 100);
    EXPECT_EQ(pane.scroll_dir(), ChannelPane::kScrollLeft);
    EXPECT_EQ(pane.HitTest(QPoint(pane.viewport()->width() - 5, y)), PaneListView::kScrollRightCursor);
    EXPECT_EQ(pane.timer_id(), 100); // started once only
    pane.OnScrollTimer();
    EXPECT_EQ(bar->value(), std::min(bar->maximum(), bar->pageStep()));
    pane.HitTest(QPoint(2, y));
    pane.OnScrollTimer();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(pane.HitTest(QPoint(pane.viewport()->width() / 2, y)), PaneListView::kDropCursor);
    EXPECT_EQ(pane.timer_id(), -1);
    EXPECT_TRUE(traces.contains("Start Timer... m_nTimerID=100\n"));
    EXPECT_TRUE(traces.contains("Kill Timer... m_nTimerID=100\n"));
    EXPECT_EQ(pane.HitTest(QPoint(-30, y)), PaneListView::kDropCursor); // the host answers outside
    pane.CancelDrag();
    EXPECT_FALSE(pane.dragging());
}

TEST_F(ChannelPaneTest, SelectionRulesAndDeleteReportTheFirstRow) {
    pane.SelectByRule(0);
    EXPECT_EQ(static_cast<int>(pane.selectedRows().size()), pane.rowCount());
    pane.SelectByRule(2);
    for (const int pk : pane.selectedPks())
        EXPECT_GE(pk, kChannelCount);
    pane.ClearSelection();
    EXPECT_EQ(pane.DeleteSelected(), -1);
    pane.SelectRow(2);
    QTest::keyClick(&pane, Qt::Key_Return);
    EXPECT_EQ(host.commands, std::vector<int>{kCmdTvProperty});
    pane.SelectRows({4, 6});
    const int gone = pane.rowId(4);
    EXPECT_EQ(pane.DeleteSelected(), 4);
    pane.Reload();
    EXPECT_EQ(pane.rowOf(gone), -1);
    EXPECT_TRUE(testing::verifyLists(host.db));
}

TEST_F(ChannelPaneTest, LockedScrambledAndSkippedRowsAreDrawnAsTheirColours) {
    const auto paint = [this](bool locked, bool scrambled, bool skipped) {
        QImage image(200, 16, QImage::Format_RGB32);
        QPainter painter(&image);
        ChannelRowLook look;
        look.number = 12;
        look.name = QStringLiteral("Name");
        look.locked = locked;
        look.scrambled = scrambled;
        look.skipped = skipped;
        PaintChannelRow(painter, image.rect(), look, host.settings);
        return image;
    };
    const QImage image = paint(true, true, false);
    const auto colour = [&](EditorColour which) { return ToQColor(host.settings.colour(which)).rgb(); };
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
}

TEST(ChannelRowPainter, LongNamesEndInDots) {
    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 9));
    const QString name = QStringLiteral("A very long channel name");
    const QString shown = ShortenedName(name, metrics, metrics.horizontalAdvance(QStringLiteral("A very lo...")));
    EXPECT_EQ(shown, QStringLiteral("A very lo..."));
    EXPECT_EQ(ShortenedName(QStringLiteral("Short"), metrics, 200), QStringLiteral("Short"));
}

class LabelPaneTest : public ScriptedPrompts {
protected:
    void SetUp() override {
        ScriptedPrompts::SetUp();
        ASSERT_GT(testing::makeSampleDatabase(host.db, 5, 8, 120, 600), 0);
    }
    TestPaneHost host;
};

// The satellite pane starts with "All" and refuses drags sorted by longitude; programmatic selection is no
// choice. Drags in the transponder pane end without effect; its keys are the menu's "Ins", "T" and "R", with Delete
// and Return. Favourite rows show name and count and ignore Return.
TEST_F(LabelPaneTest, RowsKeysAndDragsOfTheSatelliteTransponderAndFavouritePanes) {
    SatellitePane satellites(host, nullptr);
    satellites.Refill();
    EXPECT_EQ(satellites.rowCount(), 65);
    EXPECT_EQ(satellites.RowText(0), "All");
    EXPECT_TRUE(satellites.drag_enabled());
    satellites.SetSortMode(1);
    EXPECT_FALSE(satellites.drag_enabled());
    satellites.SelectRow(0);
    EXPECT_EQ(satellites.selectedSatellite(), -1);
    QTest::keyClick(&satellites, Qt::Key_Return);
    EXPECT_EQ(host.commands, std::vector<int>{kCmdSatelliteProperty});
    EXPECT_TRUE(host.choices.empty());

    TransponderPane transponders(host, nullptr);
    transponders.resize(160, 300);
    transponders.show();
    transponders.Refill(-1);
    transponders.SelectRow(1);
    const QPoint from = transponders.visualRect(transponders.model()->index(1, 0)).center();
    QTest::mousePress(transponders.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(transponders.viewport(), from + QPoint(0, 20));
    EXPECT_TRUE(transponders.dragging());
    QTest::mouseRelease(transponders.viewport(), Qt::LeftButton, {}, from + QPoint(0, 20));
    EXPECT_FALSE(transponders.dragging());
    EXPECT_FALSE(host.db.modified());
    transponders.SelectRow(0);
    host.commands.clear();
    for (const auto key : {Qt::Key_Insert, Qt::Key_T, Qt::Key_R, Qt::Key_Delete, Qt::Key_Return})
        QTest::keyClick(&transponders, key);
    EXPECT_EQ(host.commands, (std::vector<int>{kCmdTransponderNew, kCmdTransponderNewTv, kCmdTransponderNewRadio,
                                               kCmdTransponderDelete, kCmdTransponderProperty}));

    FavoritePane favourites(host, nullptr);
    favourites.Refill();
    ASSERT_EQ(favourites.rowCount(), 8);
    const std::string text = favourites.RowText(0);
    EXPECT_EQ(text.front(), ' ');
    EXPECT_NE(text.find(" [" + std::to_string(host.db.lists().Head(FavouriteKind(0), 0)->count) + "]"),
              std::string::npos);
    favourites.SelectRow(0);
    host.commands.clear();
    QTest::keyClick(&favourites, Qt::Key_Return);
    EXPECT_TRUE(host.commands.empty());
}

} // namespace
} // namespace vorlane::ui
