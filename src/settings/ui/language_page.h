#pragma once
// "Langauge" page: menu, audio and subtitle languages.

#include "settings/ui/stb_page.h"

class QComboBox;

namespace vorlane::ui {

// The receiver's language list; a language byte is an index into it.
extern const QStringList kReceiverLanguages;

class LanguagePage : public StbPage {
public:
    explicit LanguagePage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    QComboBox* m_menuLanguage;
    QComboBox* m_audioLanguage;
    QComboBox* m_subtitleLanguage;
};

} // namespace vorlane::ui
