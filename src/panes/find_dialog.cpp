#include "panes/find_dialog.h"

#include "platform/widgets/user_prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlane::ui {

FindDialog::FindDialog(FindState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setWindowTitle(QCoreApplication::translate("FindDialog", "Find Continue - \"F3\""));
    auto* grid = new QGridLayout(this);

    auto* label = new QLabel(QCoreApplication::translate("FindDialog", "Find what :"), this);
    m_findText = new QLineEdit(this);
    m_findText->setObjectName(QStringLiteral("findTextEdit"));
    m_findText->setMaxLength(static_cast<int>(FindState::kMaxFindTextLength));
    m_findText->setMinimumWidth(220);
    label->setBuddy(m_findText);
    m_wholeWord = new QCheckBox(QCoreApplication::translate("FindDialog", "Match whole word only"), this);
    m_wholeWord->setObjectName(QStringLiteral("wholeWordCheck"));
    m_matchCase = new QCheckBox(QCoreApplication::translate("FindDialog", "Match case"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCaseCheck"));

    auto* findNext = new QPushButton(QCoreApplication::translate("FindDialog", "Find Next"), this);
    findNext->setObjectName(QStringLiteral("findNextButton"));
    findNext->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("FindDialog", "Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(findNext, &QPushButton::clicked, this, [this] { StoreAndAccept(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    grid->addWidget(label, 0, 0);
    grid->addWidget(m_findText, 0, 1);
    grid->addWidget(findNext, 0, 2);
    auto* options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    grid->addLayout(options, 1, 0, 1, 2);
    grid->addWidget(cancel, 1, 2, Qt::AlignTop);

    m_findText->setText(QString::fromLatin1(m_state.findText));
    m_findText->selectAll();
    m_wholeWord->setChecked(m_state.wholeWord);
    m_matchCase->setChecked(m_state.matchCase);
}

void FindDialog::StoreAndAccept() {
    m_state.findText =
        m_findText->text().left(static_cast<int>(FindState::kMaxFindTextLength)).toLatin1().toStdString();
    m_state.wholeWord = m_wholeWord->isChecked();
    m_state.matchCase = m_matchCase->isChecked();
    accept();
}

bool AskFind(QWidget* parent, FindState& state) {
    FindDialog dialog(state, parent);
    return UserPrompts::Exec(dialog) == QDialog::Accepted;
}

} // namespace vorlane::ui
