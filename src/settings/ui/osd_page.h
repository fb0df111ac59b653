#pragma once
// "OSD" page: picture-in-picture size, menu transparency, info box time-out and the volume indicator.

#include "settings/ui/stb_page.h"

class QComboBox;

namespace vorlane::ui {

class OsdPage : public StbPage {
public:
    explicit OsdPage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    QComboBox* m_pipScreenSize;
    QComboBox* m_osdTransparency;
    QComboBox* m_infoBoxTimeout;
    QComboBox* m_volumeIndicator;
};

} // namespace vorlane::ui
