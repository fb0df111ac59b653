#pragma once
// "PVR" page: recording choices that the settings record has no place for; they are offered but never stored.

#include "settings/ui/stb_page.h"

namespace vorlane::ui {

class PvrPage : public StbPage {
public:
    explicit PvrPage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;
};

} // namespace vorlane::ui
