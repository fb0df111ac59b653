#include "shell/compare_window.h"

#include "listtools/list_diff_report.h"
#include "platform/qt/qt_text_translator.h"

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
    if (diff.Equal())
        new QTreeWidgetItem(m_sections, {QString::fromStdString(ListsEqualText(QtTexts()))});
    for (const DiffSection& section : diff.sections) {
        auto* top =
            new QTreeWidgetItem(m_sections, {QString::fromStdString(DiffSectionTitle(section, QtTexts()) + ": " +
                                                                    DiffSectionCounts(section, QtTexts()))});
        for (const std::string& line : DiffSectionLines(section, QtTexts()))
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
