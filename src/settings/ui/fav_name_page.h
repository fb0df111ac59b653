#pragma once
// "Fav Name" page: the names of the eight favourite groups.

#include "settings/ui/stb_page.h"

#include <array>

class QLineEdit;

namespace vorlane::ui {

class FavNamePage : public StbPage {
public:
    explicit FavNamePage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    std::array<QLineEdit*, settings_layout::kFavouriteGroupCount> m_names{};
};

} // namespace vorlane::ui
