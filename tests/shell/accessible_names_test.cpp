// Every control a keyboard reaches has a name a screen reader can read out: its own, its label's or its text.
#include "shell/mirevo_view.h"

#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "panes/pane_commands.h"
#include "platform/memory_settings_store.h"
#include "platform/widgets/user_prompts.h"
#include "support/sample_database.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlane {
namespace {

using ui::UserPrompts;

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

struct PropertyDialog {
    int command; // 0: only choose the row
    ui::PaneListView& (*pane)(CMirevoView&);
    int row;
};

TEST(AccessibleNamesTest, TheWindowAndEveryPropertyDialogNameTheirControls) {
    UserPrompts::reset();
    ChannelDatabase db;
    MemorySettingsStore store;
    CMirevoView view(db, store);
    view.resize(1000, 700);
    view.OnInitialUpdate();
    view.show();
    ASSERT_GT(testing::makeSampleDatabase(db, 3, 4, 10, 10), 0);
    view.RefreshAllPanes();
    EXPECT_EQ(UnnamedControls(view), "");

    const PropertyDialog dialogs[] = {
        {0, [](CMirevoView& v) -> ui::PaneListView& { return v.satellitePane(); }, 0}, // every transponder shown
        {kCmdTransponderProperty, [](CMirevoView& v) -> ui::PaneListView& { return v.transponderPane(); }, 0},
        {kCmdTvProperty, [](CMirevoView& v) -> ui::PaneListView& { return v.tvPane(); }, 0},
        {kCmdSatelliteProperty, [](CMirevoView& v) -> ui::PaneListView& { return v.satellitePane(); }, 1}};
    for (const PropertyDialog& dialog : dialogs) {
        ui::PaneListView& pane = dialog.pane(view);
        const QModelIndex row = pane.model()->index(dialog.row, 0);
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pane.visualRect(row).center());
        if (dialog.command == 0)
            continue;
        bool shown = false;
        UserPrompts::scriptAnswer([&shown](QDialog& shownDialog) {
            shown = true;
            EXPECT_EQ(UnnamedControls(shownDialog), "") << shownDialog.windowTitle().toStdString();
            return int(QDialog::Rejected);
        });
        view.HandleCommand(dialog.command);
        EXPECT_TRUE(shown) << dialog.command;
    }
    UserPrompts::reset();
}

} // namespace
} // namespace vorlane
