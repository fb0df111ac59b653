#include "shell/compare_window.h"

#include "listtools/list_diff_report.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vorlane::ui {

CompareWindow::CompareWindow(const ListDiff& diff, const QString& otherName, QWidget* parent)
    : QDialog(parent), m_sections(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(QCoreApplication::translate("CompareWindow", "Compare with %1").arg(otherName));
    resize(620, 460);
    m_sections->setHeaderHidden(true);
    if (diff.equal())
        new QTreeWidgetItem(m_sections, {QCoreApplication::translate("CompareWindow", "The lists are equal.")});
    for (const DiffSection& section : diff.sections) {
        auto* top = new QTreeWidgetItem(
            m_sections, {QString::fromStdString(DiffSectionTitle(section) + ": " + DiffSectionCounts(section))});
        for (const std::string& line : DiffSectionLines(section))
            new QTreeWidgetItem(top, {QString::fromStdString(line)});
    }
    m_sections->expandAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sections);
    layout->addWidget(buttons);
}

} // namespace vorlane::ui
