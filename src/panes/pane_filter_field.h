#pragma once
// The filter field above a channel pane: what is typed narrows the pane to the channels whose names contain
// it; Esc clears it.

#include <QLineEdit>

namespace vorlane::ui {

class PaneFilterField : public QLineEdit {
public:
    explicit PaneFilterField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vorlane::ui
