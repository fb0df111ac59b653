#include "shell/apply_order_dialog.h"

#include "platform/widgets/user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {

ApplyOrderDialog::ApplyOrderDialog(const QString& folder, QWidget* parent)
    : QDialog(parent), mFolder(folder), m_path(new QLineEdit(this)),
      m_favourites(new QCheckBox(
          QCoreApplication::translate("ApplyOrderDialog", "Also copy favourite groups and their names"), this)) {
    setObjectName(QStringLiteral("applyOrderDialog"));
    setWindowTitle(QCoreApplication::translate("ApplyOrderDialog", "Apply Order from Reference List"));
    auto* browse = new QPushButton(QCoreApplication::translate("ApplyOrderDialog", "Browse..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path =
            UserPrompts::OpenFileName(this, QCoreApplication::translate("ApplyOrderDialog", "Reference List"), mFolder,
                                      QCoreApplication::translate("ApplyOrderDialog", "All files (*.*)"));
        if (!path.isEmpty())
            m_path->setText(path);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* file = new QHBoxLayout;
    file->addWidget(m_path, 1);
    file->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Channels found in the reference list (a channel file, SATCODX file or channel list) take "
                       "its order;\nthe others follow in their present order."),
        this));
    layout->addLayout(file);
    layout->addWidget(m_favourites);
    layout->addWidget(buttons);
}

QString ApplyOrderDialog::ReferencePath() const {
    return m_path->text();
}

bool ApplyOrderDialog::CopyFavourites() const {
    return m_favourites->isChecked();
}

} // namespace vorlane::ui
