#pragma once
// "Rename": a favourite group's name. "From" shows the current name, "To" takes the new one (at most 16
// characters, ISO-8859-1), which "OK" stores into the settings record's group name.

#include "settings/receiver_settings.h"

#include <QDialog>

class QLineEdit;

namespace vorlane::ui {

class RenameDialog : public QDialog {
public:
    static constexpr int kMaxNameLength = 16;

    RenameDialog(ReceiverSettings settings, int group, QWidget* parent = nullptr);

private:
    void StoreAndAccept();

    ReceiverSettings m_settings;
    int m_group;
    QLineEdit* m_to;
};

// Runs the dialog modally for group 0..7; true when the name was stored with "OK", false otherwise (and for any other
// group number, without showing anything).
[[nodiscard]] bool RenameFavouriteGroup(QWidget* parent, ReceiverSettings settings, int group);

} // namespace vorlane::ui
