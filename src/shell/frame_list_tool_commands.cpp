#include "shell/frame_list_tool_commands.h"

#include "database/channel_database.h"
#include "importexport/database_files.h"
#include "listtools/apply_order.h"
#include "listtools/duplicate_channels.h"
#include "listtools/list_diff.h"
#include "panes/edit_labels.h"
#include "platform/widgets/user_prompts.h"
#include "shell/apply_order_dialog.h"
#include "shell/channel_listing_pages.h"
#include "shell/compare_window.h"
#include "shell/duplicates_dialog.h"
#include "shell/mirevo_view.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vorlane {

using ui::UserPrompts;

FrameListToolCommands::FrameListToolCommands(ChannelDatabase& database, CMirevoView& view, QWidget& frame)
    : m_database(database), m_view(view), m_frame(frame) {}

void FrameListToolCommands::FindDuplicates() {
    ui::DuplicatesDialog dialog(
        m_database, [this](const std::vector<Pk>& pks) { RemoveDuplicates(pks); }, [this] { MergeTransponders(); },
        &m_frame);
    UserPrompts::Exec(dialog);
}

int FrameListToolCommands::RemoveDuplicates(const std::vector<Pk>& pks) {
    const int removed = RemoveDuplicateChannels(m_database, pks);
    if (removed > 0)
        TakeChanges(ui::CountedEditLabel(ui::CountedEdit::RemoveDuplicates, removed));
    return removed;
}

TransponderMergeResult FrameListToolCommands::MergeTransponders() {
    const TransponderMergeResult result = MergeDuplicateTransponders(m_database);
    if (result.transpondersMerged > 0)
        TakeChanges(QCoreApplication::translate("FrameListToolCommands", "Merge Transponders"));
    return result;
}

void FrameListToolCommands::ApplyOrderFromReference(const QString& folder) {
    ui::ApplyOrderDialog dialog(folder, &m_frame);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted || dialog.ReferencePath().isEmpty())
        return;
    ChannelDatabase reference;
    if (!OpenOther(reference, dialog.ReferencePath()))
        return;
    const ApplyOrderResult result = ApplyReferenceOrder(m_database, reference, dialog.CopyFavourites());
    TakeChanges(QCoreApplication::translate("FrameListToolCommands", "Apply Order"));
    UserPrompts::Message(&m_frame, QMessageBox::Information,
                         QCoreApplication::translate("FrameListToolCommands", "Apply Order from Reference List"),
                         QCoreApplication::translate("FrameListToolCommands", "%1 channels matched, %2 unmatched.")
                             .arg(result.matched)
                             .arg(result.unmatched));
}

void FrameListToolCommands::CompareWithFile(const QString& folder) {
    const QString path =
        UserPrompts::OpenFileName(&m_frame, QCoreApplication::translate("FrameListToolCommands", "Compare with File"),
                                  folder, QCoreApplication::translate("FrameListToolCommands", "All files (*.*)"));
    if (path.isEmpty())
        return;
    ChannelDatabase other;
    if (!OpenOther(other, path))
        return;
    auto* window = new ui::CompareWindow(CompareLists(m_database, other), QFileInfo(path).fileName(), &m_frame);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void FrameListToolCommands::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &m_frame);
    const QString heading = ui::ListingHeading(m_database.CurrentPath());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &m_frame,
                     [this, heading](QPrinter* target) { ui::PrintChannelListing(*target, m_database, heading); });
    UserPrompts::Exec(preview);
}

bool FrameListToolCommands::OpenOther(ChannelDatabase& other, const QString& path) {
    StartLikeEditor(other);
    if (OpenDatabaseFile(other, QFile::encodeName(path).toStdString()).accepted)
        return true;
    UserPrompts::Message(&m_frame, QMessageBox::Warning, QFileInfo(path).fileName(),
                         QCoreApplication::translate("FrameFileCommands", kOpenFailedText));
    return false;
}

// The same as after Copy and Merge: without the flag the close question would let the change be lost, the
// undo step makes the tool's whole change one step, and without a refill the panes would show the lists as they
// were.
void FrameListToolCommands::TakeChanges(const QString& label) {
    m_database.SetModified(true);
    m_view.CommitEdit(label);
    m_view.RefreshAllPanes();
}

} // namespace vorlane
