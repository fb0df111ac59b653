// CMirevoView: the commit that ends every command changing the database, and undo and redo with the panes
// showing what they brought back.
#include "shell/mirevo_view.h"

#include "panes/channel_pane.h"
#include "panes/label_panes.h"
#include "shell/edit_document.h"

#include <unordered_set>

namespace vorlane {
namespace {

// Selects the rows that carry the ids; a pane showing none of them keeps its selection. One walk over the rows,
// as a step may name every channel of a full pane.
void SelectShown(ui::PaneListView& pane, std::span<const int> ids) {
    const std::unordered_set<int> wanted(ids.begin(), ids.end());
    const std::vector<int>& shown = pane.RowIds();
    std::vector<int> rows;
    for (std::size_t row = 0; row < shown.size(); ++row)
        if (wanted.contains(shown[row]))
            rows.push_back(static_cast<int>(row));
    if (!rows.empty())
        pane.SelectRows(rows);
}

} // namespace

void CMirevoView::CommitEdit(const QString& label, EditSubjects subjects) {
    m_document->CommitEdit(label, std::move(subjects));
}

void CMirevoView::CommitPaneEdit(const QString& label, std::span<const Pk> channelPks) {
    CommitEdit(label, EditSubjects{{}, {}, {channelPks.begin(), channelPks.end()}});
}

void CMirevoView::UndoEdit() {
    if (const auto subjects = m_document->Undo())
        ShowRestoredState(*subjects);
}

void CMirevoView::RedoEdit() {
    if (const auto subjects = m_document->Redo())
        ShowRestoredState(*subjects);
}

void CMirevoView::ShowRestoredState(const EditSubjects& subjects) {
    const int satelliteRow = m_satellitePane->SelectedRow();
    const int transponder = m_transponderPane->SelectedTransponder();
    RefillSatellitePane();
    KeepSelection(*m_satellitePane, satelliteRow);
    RefillTransponderPane(m_transponderPane->Satellite());
    KeepSelection(*m_transponderPane, m_transponderPane->RowOf(transponder));
    // A chosen transponder that the step took away leaves its satellite's channels shown.
    if (m_chosen.kind == ChosenList::kTransponder && m_transponderPane->RowOf(m_chosen.index) < 0)
        m_chosen = ChosenList{ChosenList::kSatellite, m_transponderPane->Satellite()};
    RefillFavouritePane();
    RefillChannelPanes();
    SelectShown(*m_satellitePane, subjects.satellites);
    SelectShown(*m_transponderPane, subjects.transponders);
    const std::vector<int> channelRows = ui::ChannelPane::RowIdsOf(subjects.channelPks);
    SelectShown(*m_tvPane, channelRows);
    SelectShown(*m_radioPane, channelRows);
    SetInformationLine(QString());
}

} // namespace vorlane
