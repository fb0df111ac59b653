#include "settings/ui/lock_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace vorlane::ui {
namespace {

constexpr int kAgeRatingNone = 3; // the first item, "None"; the items after it are the minimum ages 4..18

QStringList AgeRatingItems() {
    return QStringList{QT_TRANSLATE_NOOP("ChoiceItems", "None")} + NumberItems(4, 18);
}

// The leading decimal digits of the text as a number; no digits read as 0.
unsigned LeadingNumber(const QString& text) {
    unsigned value = 0;
    for (const QChar c : text) {
        if (!c.isDigit())
            break;
        value = value * 10 + static_cast<unsigned>(c.digitValue());
    }
    return value;
}

} // namespace

LockPage::LockPage(QWidget* parent)
    : StbPage(parent), m_ageRating(MakeChoiceList(this, "ageRating", AgeRatingItems())),
      m_password(new QLineEdit(this)),
      m_menuLocks{{{kMenuLockLanguage, MakeChoiceList(this, "languageSettingLock", kOffOn)},
                   {kMenuLockTime, MakeChoiceList(this, "timeSettingLock", kOffOn)},
                   {kMenuLockAudioVideo, MakeChoiceList(this, "audioVideoSettingLock", kOffOn)},
                   {kMenuLockEditChannels, MakeChoiceList(this, "editChannelsLock", kOffOn)},
                   {kMenuLockEditFavourites, MakeChoiceList(this, "editFavoritesLock", kOffOn)}}},
      m_irdLock(MakeChoiceList(this, "irdLock", kOffOn)),
      m_installationLock(MakeChoiceList(this, "installationLock", kOffOn)),
      m_channelLock(MakeChoiceList(this, "channelLock", kOffOn)) {
    m_password->setObjectName("password");
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(static_cast<int>(kPasswordDigits));
    m_password->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_password));

    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("LockPage", "Age Rating"), m_ageRating);
    form->addRow(QCoreApplication::translate("LockPage", "Password"), m_password);
    const char* menuLockLabels[] = {
        QT_TRANSLATE_NOOP("LockPage", "Language Setting"), QT_TRANSLATE_NOOP("LockPage", "Time Setting"),
        QT_TRANSLATE_NOOP("LockPage", "Audio/Video Setting"), QT_TRANSLATE_NOOP("LockPage", "Edit Channels"),
        QT_TRANSLATE_NOOP("LockPage", "Lock Edit Favorites")};
    for (std::size_t i = 0; i < m_menuLocks.size(); ++i)
        form->addRow(QCoreApplication::translate("LockPage", menuLockLabels[i]), m_menuLocks[i].list);
    form->addRow(QCoreApplication::translate("LockPage", "IRD Lock"), m_irdLock);
    form->addRow(QCoreApplication::translate("LockPage", "Lock Installation Menu"), m_installationLock);
    form->addRow(QCoreApplication::translate("LockPage", "Channel Lock"), m_channelLock);
}

void LockPage::Initialise(const ReceiverSettings& settings) {
    ShowCode(*m_ageRating, settings.age_rating(), kAgeRatingNone);
    QString digits;
    for (const std::uint8_t nibble : settings.password_digits())
        digits += QChar(u'0' + nibble);
    m_password->setText(digits);
    for (const MenuLock& lock : m_menuLocks)
        lock.list->setCurrentIndex((settings.menu_locks() & lock.bit) ? 1 : 0);
    ShowCode(*m_irdLock, settings.ird_lock());
    ShowCode(*m_installationLock, settings.installation_lock());
    ShowCode(*m_channelLock, settings.channel_lock());
}

bool LockPage::Save(ReceiverSettings& settings) {
    if (auto code = SelectedCode(*m_ageRating, kAgeRatingNone))
        settings.set_age_rating(*code);
    settings.set_password(LeadingNumber(m_password->text()));
    std::uint8_t menuLocks = 0;
    for (const MenuLock& lock : m_menuLocks)
        if (lock.list->currentIndex() == 1)
            menuLocks |= lock.bit;
    settings.set_menu_locks(menuLocks);
    if (auto code = SelectedCode(*m_irdLock))
        settings.set_ird_lock(*code);
    if (auto code = SelectedCode(*m_installationLock))
        settings.set_installation_lock(*code);
    if (auto code = SelectedCode(*m_channelLock))
        settings.set_channel_lock(*code);
    return true;
}

} // namespace vorlane::ui
