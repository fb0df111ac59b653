#pragma once
// The base of the five list panes: a list view over record numbers (one model and one delegate per pane, rows
// drawn by the pane), programmatic selection that the host is not told about, the find keys, and the drag
// protocol: a press on a selected row that moves more than 3 pixels before the release starts a drag; during the
// drag HitTest answers a cursor code and the release drops (or cancels on code 3).

#include "panes/find_state.h"
#include "panes/pane_host.h"

#include <QListView>
#include <memory>
#include <string>
#include <vector>

class QStyleOptionViewItem;

namespace vorlane::ui {

enum class PaneKind { Satellite, Transponder, Favourite, Tv, Radio };

class PaneRowModel;

class PaneListView : public QListView {
public:
    static constexpr int kDragThreshold = 3;
    enum CursorCode : int { kDropCursor = 0, kScrollRightCursor = 1, kScrollLeftCursor = 2, kNoDropCursor = 3 };

    PaneListView(PaneHost& host, PaneKind kind, QWidget* parent);
    ~PaneListView() override;

    PaneKind ShownKind() const { return m_kind; }
    int RowCount() const;
    // The record number of a row (satellite, transponder or group index, channel PK; -1 for "All").
    int RowId(int row) const;
    int RowOf(int id) const; // -1 when no row carries it
    const std::vector<int>& RowIds() const;

    int CaretRow() const;                  // the current row, -1 for none
    std::vector<int> SelectedRows() const; // ascending
    int SelectedRow() const;               // the first selected row, -1 for none
    // Programmatic selection, never reported to the host as a choice.
    void SelectRow(int row);
    void SelectRows(const std::vector<int>& rows);
    void ClearSelection();

    bool DragEnabled() const { return m_dragEnabled; }
    void SetDragEnabled(bool enabled) { m_dragEnabled = enabled; }
    bool Dragging() const { return m_dragging; }
    int DropRow() const { return m_dropRow; }
    int InsertRow() const { return m_insertRow; }
    void SetDropRow(int row);
    void SetInsertRow(int row);

    // Drag protocol; points in viewport coordinates.
    virtual void BeginDrag(QPoint point);
    virtual int HitTest(QPoint point);
    virtual void CancelDrag();
    virtual void Drop(QPoint point);

    // Searches from startRow to the last row; a match becomes the current row and counts as the user's choice.
    // False when nothing matched.
    bool Find(int startRow);
    // Ctrl+F: the find dialog, then a search as F3 makes it.
    void FindWithDialog();
    // F3: from the row after the caret row to the end, then once more from the top; "Not found" when no row
    // matched.
    void FindAgain();

    int RowHeight() const;
    // The text a search compares, as drawn (ISO-8859-1 bytes).
    virtual std::string RowText(int row) const = 0;
    virtual void PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const = 0;
    virtual QSize RowSize() const;

protected:
    PaneHost& Host() const { return m_host; }
    const EditorSettings& Colours() const { return m_host.PaneSettings(); }
    void SetRows(std::vector<int> ids);
    // The match found by Find: the other panes make it the current row.
    virtual void ShowFindMatch(int row);
    void EndDrag();
    // Focus rectangle, drop outline and insertion mark over a drawn row.
    void PaintMarks(QPainter& painter, const QStyleOptionViewItem& option, int row) const;
    void SendCommand(int command) { m_host.HandleCommand(command); }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    class Quiet;
    void ShowCursor(int code);
    // A click on a row that was already selected changes no selection, yet it is the user's choice.
    void ReportUnchangedClick(QMouseEvent* event);

    PaneHost& m_host;
    PaneKind m_kind;
    PaneRowModel* m_model;
    FindState m_find;
    bool m_quiet = false;
    bool m_choiceReported = false;
    bool m_dragEnabled = false;
    bool m_dragging = false;
    bool m_pressPending = false;
    QPoint m_pressPoint;
    std::unique_ptr<QMouseEvent> m_press;
    int m_dropRow = -1;
    int m_insertRow = -1;
};

} // namespace vorlane::ui
