#include "shell/close_question.h"

#include "database/channel_database.h"
#include "platform/widgets/user_prompts.h"

#include <QCoreApplication>

namespace vorlane {

bool ConfirmClose(QWidget* parent, const ChannelDatabase& database, const SaveHandler& save) {
    if (!database.Modified())
        return true;
    const QMessageBox::StandardButton answer =
        ui::UserPrompts::Message(parent, QMessageBox::Question, QCoreApplication::translate("CloseQuestion", "Exit"),
                                 QCoreApplication::translate("CloseQuestion", "Do you want to save the changes ?"),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::No:
        return true;
    case QMessageBox::Yes:
        return save && save();
    default:
        return false;
    }
}

} // namespace vorlane
