#pragma once
// The safety steps of a channel-file upload, asked after the file was chosen: "Back up the receiver's channel list
// first" and "Verify after upload". The backup needs the receiver's running software, so it is not offered for an
// upload in Force Mode.

#include <QDialog>

class QCheckBox;

namespace vorlane::ui {

struct UploadSafetyChoice {
    bool backUpFirst = true;
    bool verify = true;
};

class UploadSafetyDialog : public QDialog {
public:
    // `fileName` is shown; `backupOffered` false leaves the backup box unchecked and disabled.
    UploadSafetyDialog(const QString& fileName, const UploadSafetyChoice& initial, bool backupOffered,
                       QWidget* parent = nullptr);

    UploadSafetyChoice Choice() const;

private:
    QCheckBox* m_backUpFirst;
    QCheckBox* m_verify;
};

// Shows the dialog; OK sets `choice` and answers true, anything else false.
[[nodiscard]] bool ChooseUploadSafety(QWidget* parent, const QString& fileName, bool backupOffered,
                                      UploadSafetyChoice& choice);

} // namespace vorlane::ui
