#pragma once
// "Apply Order from Reference List": the reference file (typed or chosen with "Browse...") and whether the
// favourite groups come along.

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace vorlane::ui {

class ApplyOrderDialog : public QDialog {
public:
    ApplyOrderDialog(const QString& folder, QWidget* parent = nullptr);

    QString referencePath() const;
    bool copyFavourites() const;
    QLineEdit& pathField() { return *m_path; }
    QCheckBox& favouritesBox() { return *m_favourites; }

private:
    QString m_folder;
    QLineEdit* m_path;
    QCheckBox* m_favourites;
};

} // namespace vorlane::ui
