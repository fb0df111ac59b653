#pragma once
// "Lock" page: age rating, password, the menu locks and the receiver's lock switches.

#include "settings/ui/stb_page.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace vorlane::ui {

class LockPage : public StbPage {
public:
    explicit LockPage(QWidget* parent = nullptr);
    void Initialise(const ReceiverSettings& settings) override;
    bool Save(ReceiverSettings& settings) override;

private:
    struct MenuLock {
        std::uint8_t bit;
        QComboBox* list;
    };

    QComboBox* m_ageRating;
    QLineEdit* m_password;
    std::array<MenuLock, 5> m_menuLocks;
    QComboBox* m_irdLock;
    QComboBox* m_installationLock;
    QComboBox* m_channelLock;
};

} // namespace vorlane::ui
