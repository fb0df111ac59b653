#include "panes/pane_list_view.h"

#include "panes/find_dialog.h"
#include "panes/pane_colours.h"
#include "platform/widgets/user_prompts.h"

#include <QAbstractItemDelegate>
#include <QAbstractListModel>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

namespace vorlane::ui {

// The rows of a pane: record numbers only; the pane draws each row from the database.
class PaneRowModel : public QAbstractListModel {
public:
    explicit PaneRowModel(PaneListView& pane) : QAbstractListModel(&pane), m_pane(pane) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
    }
    // The rows are drawn by the pane; their text is given too, for screen readers and type-ahead.
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            const std::string text = m_pane.RowText(index.row());
            return QString::fromLatin1(text.data(), qsizetype(text.size()));
        }
        if (role != Qt::UserRole)
            return {};
        return m_ids[static_cast<std::size_t>(index.row())];
    }
    void SetIds(std::vector<int> ids) {
        beginResetModel();
        m_ids = std::move(ids);
        endResetModel();
    }
    const std::vector<int>& Ids() const { return m_ids; }

private:
    PaneListView& m_pane;
    std::vector<int> m_ids;
};

namespace {

class PaneRowDelegate : public QAbstractItemDelegate {
public:
    explicit PaneRowDelegate(PaneListView& pane) : QAbstractItemDelegate(&pane), m_pane(pane) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->save();
        m_pane.PaintRow(*painter, option, index.row());
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return m_pane.RowSize(); }

private:
    PaneListView& m_pane;
};

constexpr int kRowPadding = 2;

} // namespace

// Selection changes made by the program itself are not the user's choice.
class PaneListView::Quiet {
public:
    explicit Quiet(PaneListView& pane) : m_pane(pane), m_was(pane.m_quiet) { pane.m_quiet = true; }
    ~Quiet() { m_pane.m_quiet = m_was; }

private:
    PaneListView& m_pane;
    bool m_was;
};

PaneListView::PaneListView(PaneHost& host, PaneKind kind, QWidget* parent)
    : QListView(parent), m_host(host), m_kind(kind), m_model(new PaneRowModel(*this)) {
    setModel(m_model);
    setItemDelegate(new PaneRowDelegate(*this));
    setUniformItemSizes(true);
    setResizeMode(QListView::Adjust);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // One column as wide as the pane; the channel panes scroll sideways instead.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_quiet)
            return;
        m_choiceReported = true;
        m_host.OnPaneChoice(*this);
    });
}

PaneListView::~PaneListView() = default;

int PaneListView::RowCount() const {
    return static_cast<int>(m_model->Ids().size());
}

int PaneListView::RowId(int row) const {
    return row >= 0 && row < RowCount() ? m_model->Ids()[static_cast<std::size_t>(row)] : -1;
}

int PaneListView::RowOf(int id) const {
    const auto& ids = m_model->Ids();
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == id)
            return static_cast<int>(i);
    return -1;
}

const std::vector<int>& PaneListView::RowIds() const {
    return m_model->Ids();
}

int PaneListView::CaretRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> PaneListView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int PaneListView::SelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void PaneListView::SelectRow(int row) {
    Quiet quiet(*this);
    if (row < 0 || row >= RowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void PaneListView::SelectRows(const std::vector<int>& rows) {
    Quiet quiet(*this);
    // Runs of neighbouring rows make one range each: a selection of thousands of single ranges is slow to apply.
    QItemSelection selection;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] < 0 || rows[i] >= RowCount())
            continue;
        std::size_t last = i;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1 && rows[last + 1] < RowCount())
            ++last;
        selection.select(m_model->index(rows[i]), m_model->index(rows[last]));
        i = last;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        const QModelIndex first = m_model->index(rows.front());
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        scrollTo(first);
    }
}

void PaneListView::ClearSelection() {
    Quiet quiet(*this);
    selectionModel()->clear();
}

void PaneListView::SetRows(std::vector<int> ids) {
    Quiet quiet(*this);
    m_dropRow = -1;
    m_insertRow = -1;
    m_model->SetIds(std::move(ids));
    // New rows start at their beginning, not at where the old ones were scrolled to.
    horizontalScrollBar()->setValue(0);
}

void PaneListView::SetDropRow(int row) {
    if (row == m_dropRow)
        return;
    m_dropRow = row;
    viewport()->update();
}

void PaneListView::SetInsertRow(int row) {
    if (row == m_insertRow)
        return;
    m_insertRow = row;
    viewport()->update();
}

int PaneListView::RowHeight() const {
    return fontMetrics().height() + kRowPadding;
}

QSize PaneListView::RowSize() const {
    return QSize(viewport()->width(), RowHeight());
}

void PaneListView::BeginDrag(QPoint) {
    m_dragging = true;
}

int PaneListView::HitTest(QPoint) {
    return kNoDropCursor;
}

void PaneListView::CancelDrag() {
    SetDropRow(-1);
    SetInsertRow(-1);
    EndDrag();
}

void PaneListView::Drop(QPoint) {
    EndDrag();
}

void PaneListView::EndDrag() {
    m_dragging = false;
    viewport()->unsetCursor();
}

void PaneListView::ShowCursor(int code) {
    switch (code) {
    case kDropCursor:
        viewport()->setCursor(Qt::DragMoveCursor);
        break;
    case kScrollRightCursor:
    case kScrollLeftCursor:
        viewport()->setCursor(Qt::SizeHorCursor);
        break;
    default:
        viewport()->setCursor(Qt::ForbiddenCursor);
        break;
    }
}

bool PaneListView::Find(int startRow) {
    if (m_find.findText.empty() || startRow < 0 || startRow >= RowCount())
        return false;
    for (int row = startRow; row < RowCount(); ++row) {
        if (FindMatches(m_find, RowText(row))) {
            ShowFindMatch(row);
            // The match is what the user looked for: the other panes and the information line follow it.
            m_host.OnPaneChoice(*this);
            return true;
        }
    }
    return false;
}

void PaneListView::ShowFindMatch(int row) {
    SelectRow(row);
}

void PaneListView::FindWithDialog() {
    const bool confirmed = AskFind(this, m_find);
    setFocus();
    if (confirmed)
        FindAgain();
}

// From the row after the caret row (the first row without one) to the end, then once from the top.
void PaneListView::FindAgain() {
    if (m_find.findText.empty())
        return;
    const int start = CaretRow() + 1;
    if (Find(start < RowCount() ? start : 0) || (start > 0 && Find(0)))
        return;
    UserPrompts::Message(this, QMessageBox::Information, QCoreApplication::translate("PaneListView", "Find"),
                         QCoreApplication::translate("PaneListView", "Not found"));
}

void PaneListView::PaintMarks(QPainter& painter, const QStyleOptionViewItem& option, int row) const {
    const QColor text = PaneColour(Colours(), EditorColour::Text);
    if (option.state & QStyle::State_HasFocus) {
        painter.setPen(QPen(text, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    if (row == m_dropRow) {
        painter.setPen(QPen(text, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    if (row == m_insertRow)
        painter.fillRect(QRect(option.rect.left(), option.rect.top(), option.rect.width(), 2),
                         QBrush(text, Qt::Dense4Pattern));
}

void PaneListView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_dragEnabled && index.isValid() && selectionModel()->isSelected(index)) {
        m_pressPending = true;
        m_pressPoint = event->position().toPoint();
        m_press.reset(event->clone());
        event->accept();
        return;
    }
    m_choiceReported = false;
    QListView::mousePressEvent(event);
}

void PaneListView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_pressPending) {
        const QPoint moved = point - m_pressPoint;
        if (std::abs(moved.x()) <= kDragThreshold && std::abs(moved.y()) <= kDragThreshold)
            return;
        m_pressPending = false;
        m_press.reset();
        BeginDrag(m_pressPoint);
    }
    if (m_dragging) {
        ShowCursor(HitTest(point));
        return;
    }
    QListView::mouseMoveEvent(event);
}

void PaneListView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_pressPending) {
        // Released before the pointer went far enough: an ordinary click.
        m_pressPending = false;
        const std::unique_ptr<QMouseEvent> press = std::move(m_press);
        m_choiceReported = false;
        QListView::mousePressEvent(press.get());
        QListView::mouseReleaseEvent(event);
        ReportUnchangedClick(event);
        return;
    }
    if (m_dragging) {
        const QPoint point = event->position().toPoint();
        if (HitTest(point) == kNoDropCursor)
            CancelDrag();
        else
            Drop(point);
        return;
    }
    QListView::mouseReleaseEvent(event);
    ReportUnchangedClick(event);
}

void PaneListView::ReportUnchangedClick(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || m_choiceReported || !index.isValid() ||
        !selectionModel()->isSelected(index))
        return;
    m_choiceReported = true;
    m_host.OnPaneChoice(*this);
}

void PaneListView::mouseDoubleClickEvent(QMouseEvent* event) {
    m_pressPending = false;
    m_press.reset();
    QListView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        m_host.OnPaneDoubleClick(*this, index.row());
}

void PaneListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F && event->modifiers() == Qt::ControlModifier) {
        FindWithDialog();
        return;
    }
    if (event->key() == Qt::Key_F3 && event->modifiers() == Qt::NoModifier) {
        FindAgain();
        return;
    }
    QListView::keyPressEvent(event);
}

void PaneListView::contextMenuEvent(QContextMenuEvent* event) {
    m_host.ShowPaneMenu(*this, event->globalPos());
}

} // namespace vorlane::ui
