#pragma once
// The TV and radio panes: the channel sides of the chosen list that pass the display filter and the pane's
// satellite, transponder and favourite filters, in several columns that scroll sideways. Extended selection,
// selection rules, the channel keys, and dragging channels inside the pane (moving them in the main list or in
// the chosen favourite group) with automatic sideways scrolling near the edges.

#include "database/link_word.h"
#include "database/table_layout.h"
#include "panes/pane_list_view.h"

#include <optional>
#include <span>
#include <string>

class QTimer;

namespace vorlane::ui {

// The pane's own command numbers (TV or radio).
struct ChannelPaneCommands {
    int newChannel, remove, moveTo, property, copy, paste;
    int moveTop, moveBottom, moveUp, moveDown;
    int addFavourite; // group 0; group n is addFavourite + n
};

class ChannelPane : public PaneListView {
public:
    enum ScrollDirection : int { kScrollNone = 0, kScrollLeft = 1, kScrollRight = 2 };
    static constexpr int kScrollEdge = 20;
    static constexpr int kScrollPeriodMs = 1000;
    static constexpr int kFirstTimerId = 100;

    ChannelPane(PaneHost& host, ServiceType type, QWidget* parent);

    ServiceType Type() const { return m_type; }
    const ChannelPaneCommands& Commands() const;

    // Stores the three filters (-1 = any) and rebuilds the rows; Reload rebuilds with the stored ones.
    void Refill(int satellite, int transponder, int favourite);
    void Reload();
    int FilterSatellite() const { return m_filterSatellite; }
    int FilterTransponder() const { return m_filterTransponder; }
    int FilterFavourite() const { return m_filterFavourite; }

    // Shows only the rows whose name contains the text, without regard to case and accents; empty shows all.
    void SetNameFilter(const std::string& text);
    bool Filtered() const { return !m_nameFilter.empty(); }
    // The rows the pane would show without the name filter.
    int UnfilteredRowCount() const { return m_unfilteredRows; }

    bool SortedByName() const { return m_sortedByName; }
    void SetSortedByName(bool sorted);

    void SelectByRule(int rule);
    // The channel side a row shows; none for a row that carries no channel PK.
    std::optional<Pk> PkAt(int row) const;
    // The row ids that carry the PKs.
    static std::vector<int> RowIdsOf(std::span<const Pk> pks);
    std::vector<Pk> SelectedPks() const; // top to bottom
    void SelectPks(std::span<const Pk> pks);

    // Moves the channels in front of the row's channel (main list, or the chosen favourite group). Sets the
    // modified flag; returns the number moved.
    int DropAt(int row, std::span<const Pk> pks);
    // Deletes the selected channels (or takes them out of the chosen favourite group); the first selected row,
    // or -1 with none selected.
    int DeleteSelected();

    // The column rule: as many columns as fit at ColumnWidth each (at least one), sharing the width.
    void ApplyColumnWidth();
    int ColumnWidth() const { return m_columnWidth; }

    int ScrollDir() const { return m_scrollDir; }
    int TimerId() const { return m_timerId; }
    // One tick of the scroll timer: a page left or right.
    void OnScrollTimer();

    int HitTest(QPoint point) override;
    void CancelDrag() override;
    void Drop(QPoint point) override;

    std::string RowText(int row) const override;
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const override;
    QSize RowSize() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StartScrollTimer();
    void StopScrollTimer();

    ServiceType m_type;
    int m_filterSatellite = -1;
    int m_filterTransponder = -1;
    int m_filterFavourite = -1;
    bool m_sortedByName = false;
    std::string m_nameFilter; // folded
    int m_unfilteredRows = 0;
    int m_columnWidth = EditorSettings::kDefaultColumnWidth;
    int m_scrollDir = kScrollNone;
    int m_timerId = -1;
    QTimer* m_scrollTimer;
};

} // namespace vorlane::ui
