#pragma once
// "Fav Name" page: the names of the eight favourite groups.

#include "settings/ui/stb_page.h"

#include <array>

class QLineEdit;

namespace vorlane::ui {

class FavNamePage : public StbPage {
public:
    explicit FavNamePage(QWidget* parent = nullptr);
    void initialise(const ReceiverSettings& settings) override;
    bool save(ReceiverSettings& settings) override;

private:
    std::array<QLineEdit*, settings_layout::kFavoriteGroupCount> m_names{};
};

} // namespace vorlane::ui
