#pragma once
// "LNB/Power" page: tuner connection, LNB power and the power state after switching on.

#include "settings/ui/stb_page.h"

class QComboBox;

namespace vorlane::ui {

class LnbPowerPage : public StbPage {
public:
    explicit LnbPowerPage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    QComboBox* m_tunerConnect;
    QComboBox* m_lnbPower;
    QComboBox* m_powerState;
};

} // namespace vorlane::ui
