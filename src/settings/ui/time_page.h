#pragma once
// "Time" page: the receiver's clock shown and entered in local time, the zone and automatic time update.

#include "settings/ui/stb_page.h"

class QComboBox;
class QDateEdit;
class QTimeEdit;

namespace vorlane::ui {

// "UTC-12:00", "UTC-11:30" ... "UTC+12:00": the item of each gmt_offset index.
QStringList GmtOffsetItems();

class TimePage : public StbPage {
public:
    explicit TimePage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    QDateEdit* m_localDate;
    QTimeEdit* m_localTime;
    QComboBox* m_gmtOffset;
    QComboBox* m_timeUpdate;
};

} // namespace vorlane::ui
