#include "settings/ui/etc_page.h"

#include "platform/widgets/user_prompts.h"
#include "settings/ui/choice_list.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vorlane::ui {
namespace {

constexpr int kNegativeSide = 1;
constexpr double kTenthsPerDegree = 10.0;
// Typed decimals are not exact in binary ("2.3" x 10 is 22.999...); products this close to a whole number are
// taken as that number before truncating, so a shown value saves back unchanged.
constexpr double kWholeTolerance = 1e-6;

QLineEdit* MakeDegreesEdit(QWidget* page, const char* objectName) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(objectName);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("-00000.0") + 16);
    return edit;
}

void Refuse(QLineEdit& edit, const QString& message) {
    UserPrompts::Message(edit.window(), QMessageBox::Warning, edit.window()->windowTitle(), message);
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

} // namespace

QString DegreesText(int tenths) {
    const int magnitude = std::abs(tenths);
    if (magnitude % 10 == 0)
        return QString::number(magnitude / 10);
    return QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
}

EtcPage::EtcPage(QWidget* parent)
    : StbPage(parent), m_longitude{MakeDegreesEdit(this, "baseLongitude"),
                                   MakeChoiceList(this, "longitudeSide",
                                                  {QT_TRANSLATE_NOOP("ChoiceItems", "East"),
                                                   QT_TRANSLATE_NOOP("ChoiceItems", "West")})},
      m_latitude{MakeDegreesEdit(this, "baseLatitude"), MakeChoiceList(this, "latitudeSide",
                                                                       {QT_TRANSLATE_NOOP("ChoiceItems", "North"),
                                                                        QT_TRANSLATE_NOOP("ChoiceItems", "South")})} {
    // Label, degrees, unit and side in columns, so both sides line up although only longitude shows a unit.
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QCoreApplication::translate("EtcPage", "Base longitude"), this), 0, 0);
    grid->addWidget(m_longitude.degrees, 0, 1);
    grid->addWidget(new QLabel("'", this), 0, 2);
    grid->addWidget(m_longitude.side, 0, 3);
    grid->addWidget(new QLabel(QCoreApplication::translate("EtcPage", "Base latitude"), this), 1, 0);
    grid->addWidget(m_latitude.degrees, 1, 1);
    grid->addWidget(m_latitude.side, 1, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);
}

void EtcPage::show(const Position& position, std::int16_t tenths) {
    position.degrees->setText(DegreesText(tenths));
    position.side->setCurrentIndex(tenths < 0 ? kNegativeSide : 0);
}

void EtcPage::Initialise(const ReceiverSettings& settings) {
    show(m_longitude, settings.base_longitude());
    show(m_latitude, settings.base_latitude());
}

std::optional<std::int16_t> EtcPage::Read(const Position& position) {
    bool isNumber = false;
    const double degrees = position.degrees->text().trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(degrees)) {
        Refuse(*position.degrees, QCoreApplication::translate("EtcPage", "Please enter a number."));
        return std::nullopt;
    }
    const double product = degrees * kTenthsPerDegree;
    const double whole = std::round(product);
    const double tenths = std::abs(product - whole) < kWholeTolerance ? whole : std::trunc(product);
    constexpr int kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr int kHighest = std::numeric_limits<std::int16_t>::max();
    if (tenths < kLowest || tenths > kHighest) {
        Refuse(*position.degrees, QCoreApplication::translate("EtcPage", "Please enter a number between -%1 and %2.")
                                      .arg(DegreesText(kLowest), DegreesText(kHighest)));
        return std::nullopt;
    }
    auto value = static_cast<std::int16_t>(tenths);
    if (position.side->currentIndex() == kNegativeSide && value > 0)
        value = static_cast<std::int16_t>(-value);
    return value;
}

bool EtcPage::Save(ReceiverSettings& settings) {
    // Both are read before either is written, so a refused page leaves the record as it was.
    const auto longitude = Read(m_longitude);
    if (!longitude)
        return false;
    const auto latitude = Read(m_latitude);
    if (!latitude)
        return false;
    settings.set_base_longitude(*longitude);
    settings.set_base_latitude(*latitude);
    return true;
}

} // namespace vorlane::ui
