#pragma once
// "Restore Receiver Backup": the backups of the receiver's channel list, newest first, with the date each was
// taken, its size and how many channels each tuner holds; the chosen one is uploaded.

#include <QDialog>

#include <string>
#include <vector>

class QTreeWidget;

namespace vorlane::ui {

class RestoreBackupDialog : public QDialog {
public:
    // `backups` as ListBackups gives them (oldest first).
    explicit RestoreBackupDialog(const std::vector<std::string>& backups, QWidget* parent = nullptr);

    // The chosen backup's path; empty when none is selected.
    std::string Chosen() const;

private:
    QTreeWidget* m_list;
};

// Shows the backups in `folder`; OK with a backup selected sets `path` and answers true. Without any backup a
// message says so and the answer is false, as for Cancel.
[[nodiscard]] bool ChooseReceiverBackup(QWidget* parent, const std::string& folder, std::string& path);

} // namespace vorlane::ui
