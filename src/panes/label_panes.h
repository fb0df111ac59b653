#pragma once
// The three one-column panes: satellites (with the "All" row first), transponders and favourite groups. The
// satellite and transponder panes sort by sort mode and allow a drag only in list order; a drag started in any of
// them ends without effect. Return opens the row's dialog through the host; the favourite pane ignores keys.

#include "panes/pane_list_view.h"

#include <QFont>

namespace vorlane::ui {

class SatellitePane : public PaneListView {
public:
    SatellitePane(PaneHost& host, QWidget* parent);

    void Refill();
    int sort_mode() const { return m_sortMode; }
    void SetSortMode(int mode);
    // The satellite of the selected row; -1 for "All" or no selection.
    int selectedSatellite() const;

    std::string RowText(int row) const override;
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_sortMode = 0;
    QFont m_allFont;
};

class TransponderPane : public PaneListView {
public:
    TransponderPane(PaneHost& host, QWidget* parent);

    // Transponders of a satellite, -1 for all.
    void Refill(int satellite);
    int satellite() const { return m_satellite; }
    int sort_mode() const { return m_sortMode; }
    void SetSortMode(int mode);
    int selectedTransponder() const { return rowId(selectedRow()); }
    // Deletes the transponder of the selected row; 1, or 0 with none selected.
    int DeleteSelected();

    std::string RowText(int row) const override;
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_satellite = -1;
    int m_sortMode = 0;
};

class FavoritePane : public PaneListView {
public:
    FavoritePane(PaneHost& host, QWidget* parent);

    void Refill();
    int selectedGroup() const { return rowId(selectedRow()); }

    std::string RowText(int row) const override;
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vorlane::ui
