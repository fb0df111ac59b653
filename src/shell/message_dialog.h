#pragma once
// The "Message" dialog: an icon, one text line and up to three buttons "OK" (1), "Cancel" (2) and "Exit" (3) on
// three fixed places. The mode chooses the buttons: only "OK" (on the middle place), "OK" and "Cancel" (on the
// middle and right places), none, or all three. It is used modally (the
// result is the pressed button) and modelessly (the loader's please-wait note). A new text always closes a
// message that is still open first.

#include "platform/message_choice.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace vorlane::ui {

class MessageDialog : public QDialog {
public:
    // The dialog's results are the buttons' numbers.
    static constexpr int kOk = static_cast<int>(MessageButton::Ok);
    static constexpr int kCancel = static_cast<int>(MessageButton::Cancel);
    static constexpr int kExit = static_cast<int>(MessageButton::Exit);

    static constexpr int kPlaceCount = 3;

    explicit MessageDialog(QWidget* parent = nullptr);

    // Shows the text and waits for a button (or CloseMessage); closing the window counts as "Cancel".
    MessageButton ShowModal(const QString& text, MessageMode mode);
    // Shows the text and returns at once.
    void ShowModeless(const QString& text, MessageMode mode);
    // Ends the message that is open, modal or not, with the given result; does nothing when none is open.
    void CloseMessage(MessageButton result = MessageButton::Cancel);

    QString Text() const;
    // The place (0 left, 1 middle, 2 right) a shown button sits on; -1 for a hidden one.
    int PlaceOf(const QPushButton& button) const;

    void reject() override;

private:
    void Prepare(const QString& text, MessageMode mode);
    void PlaceButtons(MessageMode mode);

    QLabel* m_text;
    std::array<QWidget*, kPlaceCount> m_places;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_exit;
};

} // namespace vorlane::ui
