#pragma once
// The download choice: "What do you want to download from the STB?" with the toggles "Main Software" (0),
// "Pre-setting" (2, hidden) and "Channel" (1), which act as one group; "Main Software" is chosen when it opens.

#include <QDialog>

class QRadioButton;

namespace vorlane::ui {

class DownloadChoiceDialog : public QDialog {
public:
    static constexpr int kMainSoftware = 0;
    static constexpr int kChannel = 1;
    static constexpr int kPreSetting = 2;

    explicit DownloadChoiceDialog(QWidget* parent = nullptr);

    // The chosen kind: 0 main software, 1 channel, 2 pre-setting.
    int Choice() const;

private:
    QRadioButton* m_mainSoftware;
    QRadioButton* m_preSetting;
    QRadioButton* m_channel;
};

// Shows the dialog; OK sets `choice` and returns true, anything else returns false.
[[nodiscard]] bool ChooseDownloadKind(QWidget* parent, int& choice);

} // namespace vorlane::ui
