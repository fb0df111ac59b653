#include "shell/message_dialog.h"

#include "platform/widgets/user_prompts.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vorlane::ui {
namespace {

QPushButton* MakeButton(const QString& text, const char* objectName, int result, QDialog& dialog) {
    auto* button = new QPushButton(text, &dialog);
    button->setObjectName(QString::fromLatin1(objectName));
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, result] { dialog.done(result); });
    return button;
}

} // namespace

MessageDialog::MessageDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("MessageDialog", "Message"));
    auto* layout = new QVBoxLayout(this);

    auto* textRow = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("messageIcon"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(iconSize));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("messageText"));
    m_text->setMinimumWidth(260);
    textRow->addWidget(icon, 0, Qt::AlignTop);
    textRow->addWidget(m_text, 1);
    layout->addLayout(textRow);

    m_ok = MakeButton(QCoreApplication::translate("MessageDialog", "OK"), "okButton", kOk, *this);
    m_cancel = MakeButton(QCoreApplication::translate("MessageDialog", "Cancel"), "cancelButton", kCancel, *this);
    m_exit = MakeButton(QCoreApplication::translate("MessageDialog", "Exit"), "exitButton", kExit, *this);
    // Every place is a fixed slot that stays when its button is hidden, so the shown buttons sit where their mode
    // puts them.
    QSize slotSize;
    for (QPushButton* button : {m_ok, m_cancel, m_exit})
        slotSize = slotSize.expandedTo(button->sizeHint());
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    for (QWidget*& slot : m_places) {
        slot = new QWidget(this);
        slot->setFixedSize(slotSize);
        buttonRow->addWidget(slot);
    }
    buttonRow->addStretch(1);
    for (QPushButton* button : {m_ok, m_cancel, m_exit})
        button->setFixedSize(slotSize);
    layout->addLayout(buttonRow);
    PlaceButtons(MessageMode::AllButtons);
}

MessageButton MessageDialog::ShowModal(const QString& text, MessageMode mode) {
    CloseMessage();
    Prepare(text, mode);
    setModal(true);
    return static_cast<MessageButton>(UserPrompts::Exec(*this));
}

void MessageDialog::ShowModeless(const QString& text, MessageMode mode) {
    CloseMessage();
    Prepare(text, mode);
    setModal(false);
    show();
    raise();
}

void MessageDialog::CloseMessage(MessageButton result) {
    if (isVisible())
        done(static_cast<int>(result));
}

QString MessageDialog::Text() const {
    return m_text->text();
}

int MessageDialog::PlaceOf(const QPushButton& button) const {
    if (button.isHidden())
        return -1;
    for (int place = 0; place < kPlaceCount; ++place) {
        if (button.parentWidget() == m_places[static_cast<std::size_t>(place)])
            return place;
    }
    return -1;
}

void MessageDialog::reject() {
    done(kCancel);
}

void MessageDialog::Prepare(const QString& text, MessageMode mode) {
    m_text->setText(text);
    PlaceButtons(mode);
    setResult(0);
    adjustSize();
}

void MessageDialog::PlaceButtons(MessageMode mode) {
    struct Placement {
        QPushButton* button;
        int place;
    };
    std::vector<Placement> shown;
    switch (mode) {
    case MessageMode::NoButton:
        break;
    case MessageMode::Ok:
        shown = {{m_ok, 1}};
        break;
    case MessageMode::OkCancel:
        shown = {{m_ok, 1}, {m_cancel, 2}};
        break;
    case MessageMode::AllButtons:
        shown = {{m_ok, 0}, {m_cancel, 1}, {m_exit, 2}};
        break;
    }
    for (QPushButton* button : {m_ok, m_cancel, m_exit})
        button->hide();
    for (const Placement& placement : shown) {
        placement.button->setParent(m_places[static_cast<std::size_t>(placement.place)]);
        placement.button->move(0, 0);
        placement.button->show();
    }
    if (!shown.empty()) {
        shown.front().button->setDefault(true);
        shown.front().button->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace vorlane::ui
