#include "panes/label_panes.h"

#include "database/delete_transponders.h"
#include "database/labels.h"
#include "database/settings_record.h"
#include "panes/pane_colours.h"
#include "panes/pane_commands.h"
#include "panes/pane_rows.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <array>
#include <cstdio>
#include <utility>

namespace vorlane::ui {
namespace {

constexpr int kTextIndent = 3;

bool IsReturn(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// One row of a one-column pane: its background (SelBkgnd when selected) and its text.
// The first satellite row, as ISO-8859-1 bytes like the names.
std::string AllSatellitesText() {
    return QCoreApplication::translate("LabelPanes", "All").toLatin1().toStdString();
}

void PaintLabelRow(QPainter& painter, const QStyleOptionViewItem& option, const EditorSettings& colours,
                   const QColor& background, const std::string& text, Qt::Alignment alignment) {
    const bool selected = option.state & QStyle::State_Selected;
    painter.fillRect(option.rect, selected ? PaneColour(colours, EditorColour::SelBkgnd) : background);
    painter.setPen(PaneColour(colours, selected ? EditorColour::SelText : EditorColour::Text));
    const QRect textRect = option.rect.adjusted(alignment & Qt::AlignHCenter ? 0 : kTextIndent, 0, 0, 0);
    painter.drawText(textRect, static_cast<int>(alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
                     QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace

// --- SatellitePane ---

SatellitePane::SatellitePane(PaneHost& host, QWidget* parent) : PaneListView(host, PaneKind::Satellite, parent) {
    setObjectName(QStringLiteral("satellitePane"));
    SetDragEnabled(true);
    m_allFont = font();
    m_allFont.setItalic(true);
}

void SatellitePane::Refill() {
    std::vector<int> rows{-1};
    const std::vector<int> satellites = SatelliteRows(Host().Database(), m_sortMode);
    rows.insert(rows.end(), satellites.begin(), satellites.end());
    SetRows(std::move(rows));
}

void SatellitePane::SetSortMode(int mode) {
    m_sortMode = mode;
    SetDragEnabled(mode == 0);
    Refill();
}

int SatellitePane::SelectedSatellite() const {
    return RowId(SelectedRow());
}

std::string SatellitePane::RowText(int row) const {
    const int satellite = RowId(row);
    if (satellite < 0)
        return AllSatellitesText();
    const ChannelDatabase& db = Host().Database();
    return SatelliteLabel(db, db.Satellite(satellite).RecordBytes());
}

void SatellitePane::PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const {
    const EditorSettings& settings = Colours();
    const int satellite = RowId(row);
    if (satellite < 0) {
        painter.setFont(m_allFont);
        PaintLabelRow(painter, option, settings, PaneColour(settings, EditorColour::Bkgnd), AllSatellitesText(),
                      Qt::AlignHCenter);
    } else {
        const bool carriesChannels = !IsSatelliteEmpty(Host().Database(), satellite);
        const QColor background = carriesChannels ? PaneColour(settings, EditorColour::ActSatellite)
                                                  : RowBackground(settings, row, EditorColour::SatLine);
        PaintLabelRow(painter, option, settings, background, RowText(row), Qt::AlignLeft);
    }
    PaintMarks(painter, option, row);
}

void SatellitePane::keyPressEvent(QKeyEvent* event) {
    if (IsReturn(*event)) {
        SendCommand(kCmdSatelliteProperty);
        return;
    }
    PaneListView::keyPressEvent(event);
}

// --- TransponderPane ---

TransponderPane::TransponderPane(PaneHost& host, QWidget* parent) : PaneListView(host, PaneKind::Transponder, parent) {
    setObjectName(QStringLiteral("transponderPane"));
    SetDragEnabled(true);
}

void TransponderPane::Refill(int satellite) {
    m_satellite = satellite;
    SetRows(TransponderRows(Host().Database(), satellite, m_sortMode));
}

void TransponderPane::SetSortMode(int mode) {
    m_sortMode = mode;
    SetDragEnabled(mode == 0);
    Refill(m_satellite);
}

bool TransponderPane::DeleteSelected() {
    const int transponder = SelectedTransponder();
    if (transponder < 0)
        return false;
    return DeleteTransponder(Host().Database(), transponder);
}

std::string TransponderPane::RowText(int row) const {
    const ChannelDatabase& db = Host().Database();
    const int transponder = RowId(row);
    return transponder < 0 ? std::string() : TransponderLabel(db, db.Transponder(transponder).RecordBytes());
}

void TransponderPane::PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const {
    PaintLabelRow(painter, option, Colours(), RowBackground(Colours(), row, EditorColour::TRLine), RowText(row),
                  Qt::AlignLeft);
    PaintMarks(painter, option, row);
}

void TransponderPane::keyPressEvent(QKeyEvent* event) {
    if (IsReturn(*event) && event->modifiers() == Qt::NoModifier) {
        SendCommand(kCmdTransponderProperty);
        return;
    }
    // The keys the "New" menu names beside its items.
    static constexpr std::array<std::pair<int, int>, 4> kKeyCommands{{{Qt::Key_Delete, kCmdTransponderDelete},
                                                                      {Qt::Key_Insert, kCmdTransponderNew},
                                                                      {Qt::Key_T, kCmdTransponderNewTv},
                                                                      {Qt::Key_R, kCmdTransponderNewRadio}}};
    if (event->modifiers() == Qt::NoModifier) {
        for (const auto& [key, command] : kKeyCommands) {
            if (event->key() == key) {
                SendCommand(command);
                return;
            }
        }
    }
    PaneListView::keyPressEvent(event);
}

// --- FavouritePane ---

FavouritePane::FavouritePane(PaneHost& host, QWidget* parent) : PaneListView(host, PaneKind::Favourite, parent) {
    setObjectName(QStringLiteral("favoritePane"));
}

void FavouritePane::Refill() {
    std::vector<int> groups;
    for (int group = 0; group < FavouriteGroups::kGroupCount; ++group)
        groups.push_back(group);
    SetRows(std::move(groups));
}

std::string FavouritePane::RowText(int row) const {
    const int group = RowId(row);
    ChannelDatabase& db = Host().Database();
    const ListHead* head = db.Lists().Head(FavouriteKind(group), 0);
    const std::string name = HeldReceiverSettings(db).fav_name(static_cast<std::size_t>(group));
    char text[48];
    std::snprintf(text, sizeof text, " %s [%d]", name.c_str(), head ? head->count : 0);
    return text;
}

void FavouritePane::PaintRow(QPainter& painter, const QStyleOptionViewItem& option, int row) const {
    PaintLabelRow(painter, option, Colours(), RowBackground(Colours(), row, EditorColour::TRLine), RowText(row),
                  Qt::AlignLeft);
    PaintMarks(painter, option, row);
}

void FavouritePane::keyPressEvent(QKeyEvent* event) {
    // No keys of its own, and Return must never reach the form.
    if (IsReturn(*event)) {
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

} // namespace vorlane::ui
