#pragma once
// "Channel move to": asks for the position (1..10000) the selected channels are moved to.

#include <QDialog>

class QLineEdit;

namespace vorlane::ui {

class MoveToDialog : public QDialog {
public:
    static constexpr int kMinChannelNumber = 1;
    static constexpr int kMaxChannelNumber = 10000;

    explicit MoveToDialog(QWidget* parent = nullptr);

    int ChannelNumber() const { return m_number; }

private:
    void AcceptIfValid();

    QLineEdit* m_numberEdit;
    int m_number = kMinChannelNumber;
};

// Runs the dialog modally; on "OK" stores the number and answers true, otherwise false and leaves it.
[[nodiscard]] bool AskChannelMoveTarget(QWidget* parent, int& channelNumber);

} // namespace vorlane::ui
