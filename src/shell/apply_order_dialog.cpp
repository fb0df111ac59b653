#include "shell/apply_order_dialog.h"

#include "platform/widgets/user_prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {

ApplyOrderDialog::ApplyOrderDialog(const QString& folder, QWidget* parent)
    : QDialog(parent), m_folder(folder), m_path(new QLineEdit(this)),
      m_favourites(new QCheckBox(QStringLiteral("Also copy favourite groups and their names"), this)) {
    setObjectName(QStringLiteral("applyOrderDialog"));
    setWindowTitle(QStringLiteral("Apply Order from Reference List"));
    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = UserPrompts::openFileName(this, QStringLiteral("Reference List"), m_folder,
                                                       QStringLiteral("All files (*.*)"));
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

QString ApplyOrderDialog::referencePath() const {
    return m_path->text();
}

bool ApplyOrderDialog::copyFavourites() const {
    return m_favourites->isChecked();
}

} // namespace vorlane::ui
