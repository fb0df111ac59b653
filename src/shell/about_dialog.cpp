#include "shell/about_dialog.h"

#include "platform/widgets/user_prompts.h"
#include "shell/window_title.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {

void ShowAboutBox(QWidget* parent) {
    QDialog box(parent);
    const QString title = QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
    box.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&box);
    const char* const lines[][2] = {
        {"Vorlane", "programLine"}, {"version 2.3", "versionLine"}, {"Update 2008.10.21", "updateLine"}};
    for (const auto& [text, objectName] : lines) {
        auto* line = new QLabel(QString::fromLatin1(text), &box);
        line->setObjectName(QString::fromLatin1(objectName));
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    auto* ok = new QPushButton(QCoreApplication::translate("AboutDialog", "OK"), &box);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addStretch(1);
    layout->addSpacing(8);
    layout->addLayout(row);
    box.setMinimumWidth(240);
    UserPrompts::Exec(box);
}

} // namespace vorlane::ui
