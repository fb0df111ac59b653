#include "shell/frame_tuner_commands.h"

#include "database/channel_database.h"
#include "database/tuner_copy.h"
#include "shell/message_dialog.h"
#include "shell/mirevo_view.h"

#include <QCoreApplication>

namespace vorlane {

FrameTunerCommands::FrameTunerCommands(ChannelDatabase& database, CMirevoView& view, ui::MessageDialog& messages)
    : m_database(database), m_view(view), m_messages(messages) {}

int FrameTunerCommands::Copy(TunerSide source, TunerSide destination) {
    const QString question = QCoreApplication::translate("FrameTunerCommands", "Channel Copy  T%1 to T%2")
                                 .arg(TunerNumber(source))
                                 .arg(TunerNumber(destination));
    if (!Confirmed(question))
        return 0;
    const int copied = CopyTunerChannels(m_database, source, destination, false);
    TakeChanges(QCoreApplication::translate("FrameTunerCommands", "Copy T%1 to T%2")
                    .arg(TunerNumber(source))
                    .arg(TunerNumber(destination)));
    m_messages.ShowModal(
        QCoreApplication::translate("FrameTunerCommands", "Channel Copy : T%1 -> T%2\n\n[%3] channels copy Complete")
            .arg(TunerNumber(source))
            .arg(TunerNumber(destination))
            .arg(copied),
        MessageMode::Ok);
    return copied;
}

int FrameTunerCommands::Merge() {
    if (!Confirmed(QCoreApplication::translate("FrameTunerCommands", "Channel Merge  T1 and T2")))
        return 0;
    const int copied = MergeTuners(m_database);
    TakeChanges(QCoreApplication::translate("FrameTunerCommands", "Merge T1 and T2"));
    m_messages.ShowModal(
        QCoreApplication::translate("FrameTunerCommands", "Merge channel : T1 and T2\n\n[%1] channels Merge Complete")
            .arg(copied),
        MessageMode::Ok);
    return copied;
}

bool FrameTunerCommands::Confirmed(const QString& question) {
    return m_messages.ShowModal(question, MessageMode::OkCancel) == MessageButton::Ok;
}

// A copy or merge changes the tuner lists like any edit: without the modified flag the close question would
// let the copied channels be lost, and without a refill the panes would show the lists as they were.
void FrameTunerCommands::TakeChanges(const QString& label) {
    m_database.SetModified(true);
    m_view.CommitEdit(label);
    m_view.RefreshAllPanes();
}

} // namespace vorlane
