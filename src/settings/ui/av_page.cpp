#include "settings/ui/av_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QSlider>

namespace vorlane::ui {
namespace {
constexpr int kMaximumVolume = 19;
} // namespace

AvPage::AvPage(QWidget* parent)
    : StbPage(parent), m_tvOutputType(MakeChoiceList(this, "tvOutputType", {"Multi", "PAL", "NTSC"})),
      m_tvScreenType(
          MakeChoiceList(this, "tvScreenType", {"4:3", "16:9", QT_TRANSLATE_NOOP("ChoiceItems", "Pan&Scan")})),
      m_videoOutput(MakeChoiceList(this, "videoOutput", {"RGB", "CVBS"})),
      m_sound(MakeChoiceList(this, "sound",
                             {QT_TRANSLATE_NOOP("ChoiceItems", "Stereo"), QT_TRANSLATE_NOOP("ChoiceItems", "Left"),
                              QT_TRANSLATE_NOOP("ChoiceItems", "Right"), QT_TRANSLATE_NOOP("ChoiceItems", "Mono")})),
      m_audioVolume(new QSlider(Qt::Horizontal, this)) {
    m_audioVolume->setObjectName("audioVolume");
    m_audioVolume->setRange(0, kMaximumVolume);
    m_audioVolume->setTickInterval(1);
    m_audioVolume->setTickPosition(QSlider::TicksBelow);
    m_audioVolume->setPageStep(1);
    m_audioVolume->setMinimumWidth(240);

    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("AvPage", "TV Output Type"), m_tvOutputType);
    form->addRow(QCoreApplication::translate("AvPage", "TV Screen Type"), m_tvScreenType);
    form->addRow(QCoreApplication::translate("AvPage", "Video Output"), m_videoOutput);
    form->addRow(QCoreApplication::translate("AvPage", "Sound"), m_sound);
    // The record has no place for the RF modulator; its lists are offered but never stored.
    form->addRow(QCoreApplication::translate("AvPage", "RF Output"),
                 MakeChoiceList(this, "rfOutput", {"NTSC-M", "PAL-B/G", "PAL-I", "PAL-D/K"}));
    auto* rfChannel = MakeChoiceList(this, "rfChannel", NumberItems(21, 69));
    form->addRow(QCoreApplication::translate("AvPage", "RF(UHF) Channel No"), rfChannel);
    form->addRow(QCoreApplication::translate("AvPage", "Audio Volume"), m_audioVolume);
    setTabOrder(rfChannel, m_audioVolume); // the slider was made first, but sits last
}

void AvPage::Initialise(const ReceiverSettings& settings) {
    ShowCode(*m_tvOutputType, settings.tv_output_type());
    ShowCode(*m_tvScreenType, settings.tv_screen_type());
    ShowCode(*m_videoOutput, settings.video_output());
    ShowCode(*m_sound, settings.sound_mode());
    m_audioVolume->setValue(settings.audio_volume());
}

bool AvPage::Save(ReceiverSettings& settings) {
    if (auto code = SelectedCode(*m_tvOutputType))
        settings.set_tv_output_type(*code);
    if (auto code = SelectedCode(*m_tvScreenType))
        settings.set_tv_screen_type(*code);
    if (auto code = SelectedCode(*m_videoOutput))
        settings.set_video_output(*code);
    if (auto code = SelectedCode(*m_sound))
        settings.set_sound_mode(*code);
    settings.set_audio_volume(static_cast<std::uint8_t>(m_audioVolume->value()));
    return true;
}

} // namespace vorlane::ui
