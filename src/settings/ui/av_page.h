#pragma once
// "A/V" page: TV output, screen, video and sound settings and the audio volume.

#include "settings/ui/stb_page.h"

class QComboBox;
class QSlider;

namespace vorlane::ui {

class AvPage : public StbPage {
public:
    explicit AvPage(QWidget* parent = nullptr);
    void initialise(const ReceiverSettings& settings) override;
    bool save(ReceiverSettings& settings) override;

private:
    QComboBox* m_tvOutputType;
    QComboBox* m_tvScreenType;
    QComboBox* m_videoOutput;
    QComboBox* m_sound;
    QSlider* m_audioVolume;
};

} // namespace vorlane::ui
