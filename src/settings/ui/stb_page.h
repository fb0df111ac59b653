#pragma once
// One page of the STB Configuration dialog: a form over some fields of the receiver settings record.

#include "settings/receiver_settings.h"

#include <QWidget>

namespace vorlane::ui {

class StbPage : public QWidget {
public:
    using QWidget::QWidget;

    // Copies the page's fields from the record into its controls.
    virtual void Initialise(const ReceiverSettings& settings) = 0;
    // Reads and checks the controls and writes them into the record; false when a control's contents are
    // refused (the page has then told the user and put the focus on that control).
    virtual bool Save(ReceiverSettings& settings) = 0;
};

} // namespace vorlane::ui
