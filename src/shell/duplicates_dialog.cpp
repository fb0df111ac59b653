#include "shell/duplicates_dialog.h"

#include "listtools/channel_entries.h"
#include "listtools/duplicate_channels.h"
#include "listtools/duplicate_transponders.h"
#include "platform/qt/qt_text_translator.h"
#include "shell/view_texts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

constexpr int kPkRole = Qt::UserRole;

QString Summary(const ChannelDatabase& db, Pk pk) {
    return QString::fromStdString(ChannelSummary(db, pk, QtTexts()));
}

} // namespace

DuplicatesDialog::DuplicatesDialog(const ChannelDatabase& database, RemoveHandler remove, MergeHandler merge,
                                   QWidget* parent)
    : QDialog(parent), m_database(database), m_groups(new QTreeWidget(this)), m_summary(new QLabel(this)) {
    setObjectName(QStringLiteral("duplicatesDialog"));
    setWindowTitle(QCoreApplication::translate("DuplicatesDialog", "Find Duplicates"));
    resize(560, 420);
    m_groups->setHeaderHidden(true);
    m_groups->setRootIsDecorated(true);

    auto* buttons = new QDialogButtonBox(this);
    m_remove = buttons->addButton(QCoreApplication::translate("DuplicatesDialog", "Remove Checked"),
                                  QDialogButtonBox::ActionRole);
    m_merge = buttons->addButton(QCoreApplication::translate("DuplicatesDialog", "Merge Transponders"),
                                 QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_remove, &QPushButton::clicked, this, [this, remove = std::move(remove)] {
        remove(CheckedPks());
        Fill();
    });
    connect(m_merge, &QPushButton::clicked, this, [this, merge = std::move(merge)] {
        merge();
        Fill();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_groups);
    layout->addWidget(buttons);
    Fill();
}

void DuplicatesDialog::Fill() {
    m_groups->clear();
    const std::vector<DuplicateGroup> groups = FindDuplicateChannels(m_database);
    for (const DuplicateGroup& group : groups) {
        const ChannelEntry kept = EntryOfPk(m_database, group.keptPk);
        auto* top =
            new QTreeWidgetItem(m_groups, {QCoreApplication::translate("DuplicatesDialog", "Tuner %1 %2: keeps %3")
                                               .arg(TunerNumber(kept.side))
                                               .arg(ServiceTypeText(kept.type))
                                               .arg(Summary(m_database, group.keptPk))});
        for (const Pk pk : group.duplicatePks) {
            auto* item = new QTreeWidgetItem(top, {Summary(m_database, pk)});
            item->setData(0, kPkRole, int{pk.Value()});
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Checked);
        }
    }
    m_groups->expandAll();
    const std::size_t transponders = FindDuplicateTransponders(m_database).size();
    m_summary->setText(QCoreApplication::translate("DuplicatesDialog",
                                                   "Groups of duplicate channels: %1; of duplicate transponders: %2")
                           .arg(groups.size())
                           .arg(transponders));
    m_remove->setEnabled(!groups.empty());
    m_merge->setEnabled(transponders > 0);
}

std::vector<Pk> DuplicatesDialog::CheckedPks() const {
    std::vector<Pk> pks;
    for (int g = 0; g < m_groups->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = m_groups->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            const QTreeWidgetItem* item = group->child(i);
            if (item->checkState(0) != Qt::Checked)
                continue;
            if (const std::optional<Pk> pk = Pk::OfChannelValue(item->data(0, kPkRole).toInt()))
                pks.push_back(*pk);
        }
    }
    return pks;
}

} // namespace vorlane::ui
