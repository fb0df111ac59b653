#include "settings/ui/stb_configuration_dialog.h"

#include "database/channel_database.h"
#include "database/settings_record.h"
#include "platform/widgets/user_prompts.h"
#include "settings/ui/av_page.h"
#include "settings/ui/etc_page.h"
#include "settings/ui/fav_name_page.h"
#include "settings/ui/language_page.h"
#include "settings/ui/lnb_power_page.h"
#include "settings/ui/lock_page.h"
#include "settings/ui/osd_page.h"
#include "settings/ui/pvr_page.h"
#include "settings/ui/time_page.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace vorlane::ui {

StbConfigurationDialog::StbConfigurationDialog(ReceiverSettings settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_tabs(new QTabWidget(this)) {
    setObjectName("stbConfigurationDialog");
    setWindowTitle(QCoreApplication::translate("StbConfigurationDialog", "STB Configuration"));
    m_tabs->setObjectName("stbTabs");
    QFont tabFont = m_tabs->tabBar()->font();
    tabFont.setFamily("Tahoma");
    m_tabs->tabBar()->setFont(tabFont);
    // All nine tabs stay in sight: the dialog grows to the strip instead of scrolling it.
    m_tabs->tabBar()->setUsesScrollButtons(false);

    // Tab order first; the pages are saved in another order below.
    auto* language = AddPage(new LanguagePage, "languagePage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "Langauge"));
    auto* lock = AddPage(new LockPage, "lockPage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "Lock"));
    auto* lnbPower =
        AddPage(new LnbPowerPage, "lnbPowerPage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "LNB/Power"));
    auto* time = AddPage(new TimePage, "timePage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "Time"));
    auto* pvr = AddPage(new PvrPage, "pvrPage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "PVR"));
    auto* av = AddPage(new AvPage, "avPage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "A/V"));
    auto* osd = AddPage(new OsdPage, "osdPage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "OSD"));
    auto* favName = AddPage(new FavNamePage, "favNamePage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "Fav Name"));
    auto* etc = AddPage(new EtcPage, "etcPage", QT_TRANSLATE_NOOP("StbConfigurationDialog", "Etc"));
    m_saveOrder = {av, favName, time, language, lock, osd, lnbPower, etc, pvr};
    m_tabs->setCurrentIndex(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &StbConfigurationDialog::SaveAndClose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

StbPage* StbConfigurationDialog::AddPage(StbPage* page, const char* objectName, const char* tabLabel) {
    page->setObjectName(objectName);
    page->Initialise(m_settings);
    m_tabs->addTab(page, QCoreApplication::translate("StbConfigurationDialog", tabLabel));
    return page;
}

void StbConfigurationDialog::SaveAndClose() {
    for (StbPage* page : m_saveOrder) {
        if (!page->Save(m_settings)) {
            // The refusing page comes to the front with the focus on the field it refused; the pages saved
            // before it keep what they wrote.
            m_tabs->setCurrentWidget(page);
            if (QWidget* refused = page->focusWidget())
                refused->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    accept();
}

bool RunStbConfiguration(QWidget* parent, ChannelDatabase& db) {
    // The pages write into a copy, so a refused page or "Cancel" leaves the record as it was.
    std::array<std::uint8_t, ReceiverSettings::kSize> copy{};
    ReceiverSettings record = HeldReceiverSettings(db);
    std::ranges::copy(record.bytes(), copy.begin());
    StbConfigurationDialog dialog(ReceiverSettings(ReceiverSettings::Bytes(copy)), parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    if (!std::ranges::equal(copy, record.bytes())) {
        std::ranges::copy(copy, record.bytes().begin());
        db.SetModified(true);
    }
    return true;
}

} // namespace vorlane::ui
