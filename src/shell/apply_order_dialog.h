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

    QString ReferencePath() const;
    bool CopyFavourites() const;
    QLineEdit& PathField() { return *m_path; }
    QCheckBox& FavouritesBox() { return *m_favourites; }

private:
    QString mFolder;
    QLineEdit* m_path;
    QCheckBox* m_favourites;
};

} // namespace vorlane::ui
