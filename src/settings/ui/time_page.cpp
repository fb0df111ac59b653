#include "settings/ui/time_page.h"

#include "settings/ui/choice_list.h"
#include "settings/ui/page_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QTimeEdit>
#include <cstdlib>

namespace vorlane::ui {
namespace {

constexpr int kGmtOffsetCount = 49;
constexpr int kUtcIndex = 24;
constexpr int kMinutesPerStep = 30;
constexpr int kYearBase = 1900;

// The user's short date format, always with the full year: a two-digit year would fold the clock into one century.
QString ShortDateFormat() {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy"))
        format.replace("yy", "yyyy");
    return format;
}

} // namespace

QStringList GmtOffsetItems() {
    QStringList items;
    for (int index = 0; index < kGmtOffsetCount; ++index) {
        const int minutes = (index - kUtcIndex) * kMinutesPerStep;
        items << QStringLiteral("UTC%1%2:%3")
                     .arg(minutes < 0 ? '-' : '+')
                     .arg(std::abs(minutes) / 60, 2, 10, QLatin1Char('0'))
                     .arg(std::abs(minutes) % 60, 2, 10, QLatin1Char('0'));
    }
    return items;
}

TimePage::TimePage(QWidget* parent)
    : StbPage(parent), m_localDate(new QDateEdit(this)), m_localTime(new QTimeEdit(this)),
      m_gmtOffset(MakeChoiceList(this, "gmtOffset", GmtOffsetItems())),
      m_timeUpdate(MakeChoiceList(this, "timeUpdate", kOffOn)) {
    m_localDate->setObjectName("localDate");
    m_localDate->setDisplayFormat(ShortDateFormat());
    m_localTime->setObjectName("localTime");
    m_localTime->setDisplayFormat("HH:mm:ss");

    auto* localTime = new QHBoxLayout;
    localTime->addWidget(m_localDate);
    localTime->addWidget(m_localTime);
    auto* form = MakePageForm(this);
    form->addRow(QCoreApplication::translate("TimePage", "Local Time"), localTime);
    form->addRow(QCoreApplication::translate("TimePage", "GMT Offset"), m_gmtOffset);
    form->addRow(QCoreApplication::translate("TimePage", "Time update"), m_timeUpdate);
}

void TimePage::Initialise(const ReceiverSettings& settings) {
    const ReceiverTime local = utc_to_local(settings.clock(), settings.gmt_offset());
    const QDate date(local.year + kYearBase, local.month, local.day);
    const QTime time(local.hour, local.minute, local.second);
    // A clock that was never set converts to all zeros, which is no date; the pickers then offer the PC's time.
    const QDateTime shown = date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime::currentDateTime();
    m_localDate->setDate(shown.date());
    m_localTime->setTime(shown.time());
    ShowCode(*m_gmtOffset, settings.gmt_offset());
    ShowCode(*m_timeUpdate, settings.time_update());
}

bool TimePage::Save(ReceiverSettings& settings) {
    if (auto code = SelectedCode(*m_gmtOffset))
        settings.set_gmt_offset(*code);
    const QDate date = m_localDate->date();
    const QTime time = m_localTime->time();
    ReceiverTime local;
    local.year = date.year() - kYearBase;
    local.month = date.month();
    local.day = date.day();
    local.hour = time.hour();
    local.minute = time.minute();
    local.second = time.second();
    clamp_time(local);
    date_to_mjd(local);
    settings.set_clock(local_to_utc(local, settings.gmt_offset()));
    if (auto code = SelectedCode(*m_timeUpdate))
        settings.set_time_update(*code);
    return true;
}

} // namespace vorlane::ui
