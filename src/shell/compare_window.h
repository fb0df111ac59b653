#pragma once
// "Compare with File": the differences from the open list to the chosen file, per tuner and type, in groups
// (added, removed, renamed, moved, changed) as vorlane-cli diff prints them.

#include "listtools/list_diff.h"

#include <QDialog>

class QTreeWidget;

namespace vorlane::ui {

class CompareWindow : public QDialog {
public:
    CompareWindow(const ListDiff& diff, const QString& otherName, QWidget* parent = nullptr);
    QTreeWidget& Sections() { return *m_sections; }

private:
    QTreeWidget* m_sections;
};

} // namespace vorlane::ui
