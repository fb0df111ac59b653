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
    int SortMode() const { return m_sortMode; }
    void SetSortMode(int mode);
    // The satellite of the selected row; -1 for "All" or no selection.
    int SelectedSatellite() const;

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
    int Satellite() const { return m_satellite; }
    int SortMode() const { return m_sortMode; }
    void SetSortMode(int mode);
    int SelectedTransponder() const { return RowId(SelectedRow()); }
    // Deletes the transponder of the selected row; false with none selected.
    [[nodiscard]] bool DeleteSelected();

    std::string RowText(int row) const override;
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_satellite = -1;
    int m_sortMode = 0;
};

class FavouritePane : public PaneListView {
public:
    FavouritePane(PaneHost& host, QWidget* parent);

    void Refill();
    int SelectedGroup() const { return RowId(SelectedRow()); }

    std::string RowText(int row) const override;
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vorlane::ui
