#include "panes/channel_pane.h"

#include "database/delete_channels.h"
#include "database/favourite_ops.h"
#include "database/move_channels.h"
#include "database/pk_channel.h"
#include "listtools/folded_text.h"
#include "panes/channel_row_painter.h"
#include "panes/edit_labels.h"
#include "panes/pane_commands.h"
#include "panes/pane_drops.h"
#include "panes/pane_rows.h"
#include "platform/trace.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <algorithm>

namespace vorlane::ui {
namespace {

constexpr ChannelPaneCommands kTvCommands{kCmdTvNew,    kCmdTvDelete,   kCmdTvMoveTo,      kCmdTvProperty,
                                          kCmdTvCopy,   kCmdTvPaste,    kCmdTvMoveTop,     kCmdTvMoveBottom,
                                          kCmdTvMoveUp, kCmdTvMoveDown, kCmdTvAddFavourite};
constexpr ChannelPaneCommands kRadioCommands{
    kCmdRadioNew,     kCmdRadioDelete,     kCmdRadioMoveTo, kCmdRadioProperty, kCmdRadioCopy,        kCmdRadioPaste,
    kCmdRadioMoveTop, kCmdRadioMoveBottom, kCmdRadioMoveUp, kCmdRadioMoveDown, kCmdRadioAddFavourite};

bool AnyFavourite(ConstChannelRecord record, TunerSide side) {
    for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group)
        if (record.FavouriteByte(side, group) != 0)
            return true;
    return false;
}

} // namespace

ChannelPane::ChannelPane(PaneHost& host, ServiceType type, QWidget* parent)
    : PaneListView(host, type == ServiceType::Radio ? PaneKind::Radio : PaneKind::Tv, parent), m_type(type),
      m_scrollTimer(new QTimer(this)) {
    setObjectName(type == ServiceType::Radio ? QStringLiteral("radioPane") : QStringLiteral("tvPane"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SetDragEnabled(true);
    m_scrollTimer->setInterval(kScrollPeriodMs);
    connect(m_scrollTimer, &QTimer::timeout, this, [this] { OnScrollTimer(); });
}

const ChannelPaneCommands& ChannelPane::Commands() const {
    return m_type == ServiceType::Radio ? kRadioCommands : kTvCommands;
}

void ChannelPane::Refill(int satellite, int transponder, int favourite) {
    m_filterSatellite = satellite;
    m_filterTransponder = transponder;
    m_filterFavourite = favourite;
    Reload();
}

void ChannelPane::Reload() {
    ChannelRowsQuery query;
    query.type = m_type;
    query.displayFilter = Host().DisplayFilter();
    query.chosen = Host().CurrentChosenList();
    query.satellite = m_filterSatellite;
    query.transponder = m_filterTransponder;
    query.favourite = m_filterFavourite;
    query.sortedByName = m_sortedByName;
    std::vector<Pk> pks = ChannelRows(Host().Database(), query);
    m_unfilteredRows = static_cast<int>(pks.size());
    if (!m_nameFilter.empty()) {
        const ChannelDatabase& db = Host().Database();
        std::erase_if(
            pks, [&](Pk pk) { return FoldedText(db.ChannelOfPk(pk).Name()).find(m_nameFilter) == std::string::npos; });
    }
    SetRows(RowIdsOf(pks));
}

void ChannelPane::SetNameFilter(const std::string& text) {
    m_nameFilter = FoldedText(text);
    Reload();
}

void ChannelPane::SetSortedByName(bool sorted) {
    m_sortedByName = sorted;
    SetDragEnabled(!sorted);
}

void ChannelPane::SelectByRule(int rule) {
    std::vector<int> rows;
    const ChannelDatabase& db = Host().Database();
    for (int row = 0; row < RowCount(); ++row)
        if (const std::optional<Pk> pk = PkAt(row); pk && MatchesSelectionRule(db, *pk, rule))
            rows.push_back(row);
    SelectRows(rows);
}

std::optional<Pk> ChannelPane::PkAt(int row) const {
    return Pk::OfChannelValue(RowId(row));
}

std::vector<int> ChannelPane::RowIdsOf(std::span<const Pk> pks) {
    std::vector<int> ids;
    ids.reserve(pks.size());
    for (const Pk pk : pks)
        ids.push_back(pk.Value());
    return ids;
}

std::vector<Pk> ChannelPane::SelectedPks() const {
    std::vector<Pk> pks;
    for (const int row : SelectedRows())
        if (const std::optional<Pk> pk = PkAt(row))
            pks.push_back(*pk);
    return pks;
}

void ChannelPane::SelectPks(std::span<const Pk> pks) {
    std::vector<int> rows;
    for (const Pk pk : pks)
        if (const int row = RowOf(pk.Value()); row >= 0)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    SelectRows(rows);
}

int ChannelPane::DropAt(int row, std::span<const Pk> pks) {
    ChannelDatabase& db = Host().Database();
    const ChosenList chosen = Host().CurrentChosenList();
    const std::optional<Pk> targetPk = PkAt(row);
    if (!targetPk)
        return 0;
    int moved = 0;
    if (chosen.Favourite()) {
        moved = MoveFavouriteChannels(db, chosen.index, *targetPk, pks);
    } else {
        moved = MoveChannels(db, m_type, *targetPk, pks);
        RebuildPkChannel(db);
    }
    db.SetModified(true);
    return moved;
}

int ChannelPane::DeleteSelected() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return -1;
    ChannelDatabase& db = Host().Database();
    const std::vector<Pk> pks = SelectedPks();
    const ChosenList chosen = Host().CurrentChosenList();
    if (chosen.Favourite()) {
        for (const Pk pk : pks)
            RemoveFavourite(db, chosen.index, pk);
        db.SetModified(true);
        RebuildPkChannel(db);
    } else {
        DeleteChannels(db, pks);
    }
    return rows.front();
}

void ChannelPane::ApplyColumnWidth() {
    const int width = viewport()->width();
    const int wanted = Host().PaneSettings().ColumnWidth();
    if (width <= 0 || wanted <= 0)
        return;
    // As many columns as fit at the configured width each; a narrower pane still shows one column.
    const int columns = std::max(1, width / wanted);
    m_columnWidth = width / columns;
    scheduleDelayedItemsLayout();
    viewport()->update();
}

QSize ChannelPane::RowSize() const {
    return QSize(m_columnWidth, RowHeight());
}

void ChannelPane::StartScrollTimer() {
    if (m_timerId != -1)
        return;
    m_timerId = kFirstTimerId + static_cast<int>(m_type);
    DebugOut("Start Timer... m_nTimerID=%d\n", m_timerId);
    m_scrollTimer->start();
}

void ChannelPane::StopScrollTimer() {
    if (m_timerId == -1)
        return;
    DebugOut("Kill Timer... m_nTimerID=%d\n", m_timerId);
    m_scrollTimer->stop();
    m_timerId = -1;
}

void ChannelPane::OnScrollTimer() {
    if (m_scrollDir == kScrollLeft)
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    else if (m_scrollDir == kScrollRight)
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
}

int ChannelPane::HitTest(QPoint point) {
    if (!viewport()->rect().contains(point)) {
        StopScrollTimer();
        m_scrollDir = kScrollNone;
        SetInsertRow(-1);
        return Host().HitTestOutside(*this, viewport()->mapToGlobal(point));
    }
    Host().ClearDropTargets();
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) {
        StopScrollTimer();
        m_scrollDir = kScrollNone;
        SetInsertRow(-1);
        return kNoDropCursor;
    }
    SetInsertRow(index.row());
    if (point.x() < kScrollEdge) {
        m_scrollDir = kScrollLeft;
        StartScrollTimer();
        return kScrollLeftCursor;
    }
    if (point.x() > viewport()->width() - kScrollEdge) {
        m_scrollDir = kScrollRight;
        StartScrollTimer();
        return kScrollRightCursor;
    }
    m_scrollDir = kScrollNone;
    StopScrollTimer();
    return kDropCursor;
}

void ChannelPane::CancelDrag() {
    StopScrollTimer();
    m_scrollDir = kScrollNone;
    Host().ClearDropTargets();
    PaneListView::CancelDrag();
}

void ChannelPane::Drop(QPoint point) {
    StopScrollTimer();
    m_scrollDir = kScrollNone;
    const std::vector<Pk> pks = SelectedPks();
    if (viewport()->rect().contains(point)) {
        const QModelIndex index = indexAt(point);
        if (index.isValid()) {
            DropAt(index.row(), pks);
            Host().CommitPaneEdit(CountedEditLabel(CountedEdit::Move, static_cast<qsizetype>(pks.size())), pks);
            Reload();
            SelectPks(pks);
        }
    } else {
        Host().DropOutside(*this, viewport()->mapToGlobal(point), pks);
        Reload();
        SelectPks(pks);
    }
    SetInsertRow(-1);
    Host().ClearDropTargets();
    PaneListView::Drop(point);
}

std::string ChannelPane::RowText(int row) const {
    const std::optional<Pk> pk = PkAt(row);
    return pk ? Host().Database().ChannelOfPk(*pk).Name() : std::string();
}

void ChannelPane::PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const {
    const std::optional<Pk> rowPk = PkAt(row);
    if (!rowPk)
        return;
    const Pk pk = *rowPk;
    const ConstChannelRecord record = Host().Database().ChannelOfPk(pk);
    const TunerSide side = pk.Side();
    const ServiceWord word = record.SidedServiceWord(side);
    const std::string name = record.Name();
    ChannelRowLook look;
    look.number = ChannelNumber(Host().Database(), pk);
    look.name = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    look.oddRow = row % 2 == 1;
    look.selected = option.state & QStyle::State_Selected;
    look.favourite = AnyFavourite(record, side);
    look.skipped = word.Skipped();
    look.locked = word.Locked();
    look.scrambled = word.Scrambled();
    PaintChannelRow(painter, option.rect, look, Colours());
    PaintMarks(painter, option, row);
}

void ChannelPane::keyPressEvent(QKeyEvent* event) {
    const ChannelPaneCommands& own = Commands();
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        SendCommand(own.property);
        return;
    }
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        SendCommand(own.remove);
        return;
    }
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && modifiers == Qt::AltModifier) {
        SendCommand(event->key() == Qt::Key_Up ? own.moveUp : own.moveDown);
        return;
    }
    if (modifiers == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_M:
            SendCommand(own.moveTo);
            return;
        case Qt::Key_C:
            SendCommand(own.copy);
            return;
        case Qt::Key_V:
            SendCommand(own.paste);
            return;
        default:
            break;
        }
    }
    PaneListView::keyPressEvent(event);
}

void ChannelPane::resizeEvent(QResizeEvent* event) {
    if (!window()->isMinimized())
        ApplyColumnWidth();
    PaneListView::resizeEvent(event);
}

} // namespace vorlane::ui
