#pragma once
// "Find Duplicates": each group of duplicate channels (the kept channel, then its duplicates with check boxes,
// all checked at first), "Remove Checked" and "Merge Transponders". The dialog changes nothing itself: each
// button hands its work to the frame, which makes it one change of the database, and the groups are found anew.

#include "database/channel_database.h"

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vorlane::ui {

class DuplicatesDialog : public QDialog {
public:
    using RemoveHandler = std::function<void(const std::vector<Pk>& pks)>;
    using MergeHandler = std::function<void()>;

    DuplicatesDialog(const ChannelDatabase& database, RemoveHandler remove, MergeHandler merge,
                     QWidget* parent = nullptr);

    // The channel sides whose boxes are checked, group by group.
    std::vector<Pk> CheckedPks() const;
    QTreeWidget& Groups() { return *m_groups; }
    QPushButton& RemoveButton() { return *m_remove; }
    QPushButton& MergeButton() { return *m_merge; }

    // Finds the groups again after the database changed.
    void Fill();

private:
    const ChannelDatabase& m_database;
    QTreeWidget* m_groups;
    QLabel* m_summary;
    QPushButton* m_remove;
    QPushButton* m_merge;
};

} // namespace vorlane::ui
