#pragma once
// "Etc" page: the dish's base position as degrees with a compass side.

#include "settings/ui/stb_page.h"

#include <optional>

class QComboBox;
class QLineEdit;

namespace vorlane::ui {

// The degrees shown for a stored position in tenths of a degree: "51.5", "13", "0".
QString DegreesText(int tenths);

class EtcPage : public StbPage {
public:
    explicit EtcPage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    // One position: its degrees edit and its side list, whose second item ("West", "South") means negative.
    struct Position {
        QLineEdit* degrees;
        QComboBox* side;
    };

    static void show(const Position& position, std::int16_t tenths);
    // The stored value the controls stand for; nothing (after telling the user) when the edit is refused.
    std::optional<std::int16_t> Read(const Position& position);

    Position m_longitude;
    Position m_latitude;
};

} // namespace vorlane::ui
