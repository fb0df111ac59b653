#pragma once
// "A/V" page: TV output, screen, video and sound settings and the audio volume.

#include "settings/ui/stb_page.h"

class QComboBox;
class QSlider;

namespace vorlane::ui {

class AvPage : public StbPage {
public:
    explicit AvPage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    QComboBox* m_tvOutputType;
    QComboBox* m_tvScreenType;
    QComboBox* m_videoOutput;
    QComboBox* m_sound;
    QSlider* m_audioVolume;
};

} // namespace vorlane::ui
