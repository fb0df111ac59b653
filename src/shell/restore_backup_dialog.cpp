#include "shell/restore_backup_dialog.h"

#include "blockfile/file_bytes.h"
#include "loader/receiver_backups.h"
#include "panes/dialog_buttons.h"
#include "platform/widgets/user_prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

enum Column { kDate, kSize, kTuner1, kTuner2, kColumnCount };
constexpr int kPathRole = Qt::UserRole;

QTreeWidgetItem* BackupRow(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes))
        bytes.clear(); // an unreadable backup is listed with no size and no channels
    const BackupSummary summary = SummariseChannelImage(bytes);
    auto* row = new QTreeWidgetItem;
    row->setText(kDate, QString::fromStdString(BackupDateText(path)));
    row->setText(kSize, QCoreApplication::translate("RestoreBackupDialog", "%L1 bytes").arg(qulonglong(summary.size)));
    row->setText(kTuner1, QString::number(summary.tuner1Channels));
    row->setText(kTuner2, QString::number(summary.tuner2Channels));
    for (const int column : {kSize, kTuner1, kTuner2})
        row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    row->setData(kDate, kPathRole, QFile::decodeName(QByteArray::fromStdString(path)));
    return row;
}

} // namespace

RestoreBackupDialog::RestoreBackupDialog(const std::vector<std::string>& backups, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("RestoreBackupDialog", "Restore Receiver Backup"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QCoreApplication::translate("RestoreBackupDialog", "Upload which copy of the receiver's channel list?"), this));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(kColumnCount);
    m_list->setHeaderLabels({QCoreApplication::translate("RestoreBackupDialog", "Date"),
                             QCoreApplication::translate("RestoreBackupDialog", "Size"),
                             QCoreApplication::translate("RestoreBackupDialog", "Tuner 1 channels"),
                             QCoreApplication::translate("RestoreBackupDialog", "Tuner 2 channels")});
    for (auto backup = backups.rbegin(); backup != backups.rend(); ++backup)
        m_list->addTopLevelItem(BackupRow(*backup));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    layout->addWidget(m_list);

    connect(AddOkCancelButtons(*this, *layout, QCoreApplication::translate("RestoreBackupDialog", "Restore")).ok,
            &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(520, 320);
}

std::string RestoreBackupDialog::Chosen() const {
    const QTreeWidgetItem* row = m_list->currentItem();
    return row ? QFile::encodeName(row->data(kDate, kPathRole).toString()).toStdString() : std::string();
}

bool ChooseReceiverBackup(QWidget* parent, const std::string& folder, std::string& path) {
    const std::vector<std::string> backups = ListBackups(folder);
    if (backups.empty()) {
        UserPrompts::Message(parent, QMessageBox::Information,
                             QCoreApplication::translate("RestoreBackupDialog", "Restore Receiver Backup"),
                             QCoreApplication::translate("RestoreBackupDialog",
                                                         "There is no backup of the receiver's channel list in %1.")
                                 .arg(QFile::decodeName(QByteArray::fromStdString(folder))));
        return false;
    }
    RestoreBackupDialog dialog(backups, parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted || dialog.Chosen().empty())
        return false;
    path = dialog.Chosen();
    return true;
}

} // namespace vorlane::ui
