#include "panes/satellite_dialog.h"

#include "panes/dialog_buttons.h"
#include "panes/property_dialog_controls.h"
#include "panes/property_dialog_text.h"
#include "panes/satellite_position_text.h"
#include "platform/widgets/range_check.h"
#include "platform/widgets/user_prompts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdlib>

namespace vorlane::ui {
namespace {

constexpr int kNameLength = 16;
constexpr int kMaxLongitudeTenths = 1800;
constexpr int kLofDigits = 5;
constexpr std::int64_t kMaxLof = 65535; // the record holds 16 bits
constexpr int kUserLofItem = 0;
constexpr int kDirectionWest = 1;
constexpr int kLnbTypeStandard = 0;
constexpr int kDiseqcTypeDisable = 0;
constexpr int kDiseqcTypeSmatv = 9;
constexpr int kSmatvPorts = 16;
constexpr int kMotorDisable = 0;
constexpr int kConnectionLoopThrough = 1;

const QStringList kLofItems = {"user",  "5750",  "9750",  "10000", "10050", "10550", "10600", "10678",
                               "10700", "10750", "11000", "11200", "11250", "11300", "11475"};

// "2 port" .. "16 port" offer 1 .. 2^n, "SMATV" 1 .. 16; the other types have no port.
int DiseqcPortCount(int type) {
    if (type >= 1 && type <= 4)
        return 1 << type;
    return type == kDiseqcTypeSmatv ? kSmatvPorts : 0;
}

void SelectLof(QComboBox& list, QLineEdit& userEdit, std::uint16_t lof) {
    const int item = list.findText(QString::number(lof));
    list.setCurrentIndex(item >= 0 ? item : kUserLofItem);
    userEdit.setText(QString::number(lof));
}

bool ShowsUser(const QComboBox& list) {
    return list.currentIndex() <= kUserLofItem;
}

} // namespace

SatelliteDialog::SatelliteDialog(SatelliteRecord record, ReceiverSettings settings, QWidget* parent)
    : QDialog(parent), m_record(record), m_settings(settings),
      m_side(record.TunerConnection() == 1 ? TunerSide::Second : TunerSide::First) {
    setWindowTitle(QCoreApplication::translate("SatelliteDialog", "Satellite"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    auto* page = new QWidget(tabs);
    page->setObjectName(QStringLiteral("content"));
    BuildPage(page);
    tabs->addTab(page, QCoreApplication::translate("SatelliteDialog", "Content"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *layout);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    Load();
    connect(m_lnbType, &QComboBox::currentIndexChanged, this, &SatelliteDialog::UpdateLofControls);
    connect(m_lofLow, &QComboBox::currentIndexChanged, this, &SatelliteDialog::UpdateLofControls);
    connect(m_lofHigh, &QComboBox::currentIndexChanged, this, &SatelliteDialog::UpdateLofControls);
    connect(m_diseqcType, &QComboBox::currentIndexChanged, this, &SatelliteDialog::UpdateDiseqcType);
    connect(m_diseqcMotor, &QComboBox::currentIndexChanged, this, &SatelliteDialog::UpdateDiseqcMotor);
    connect(m_tunerNumber, &QComboBox::currentIndexChanged, this, &SatelliteDialog::UpdateTunerNumber);
    connect(m_tunerConnection, &QComboBox::currentIndexChanged, this, &SatelliteDialog::UpdateTunerConnection);
    UpdateLofControls();
    UpdateDiseqcType();
    UpdateDiseqcMotor();
    UpdateTunerNumber();
    UpdateTunerConnection();
}

void SatelliteDialog::BuildPage(QWidget* page) {
    m_name = MakeTextEdit(page, "satelliteName", kNameLength);
    m_longitude = MakeTextEdit(page, "longitude", 6);
    m_longitude->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), m_longitude));
    m_direction = MakeList(page, "longitudeDirection",
                           {QT_TRANSLATE_NOOP("ChoiceItems", "EAST"), QT_TRANSLATE_NOOP("ChoiceItems", "WEST")});
    m_lnbType = MakeList(page, "lnbType",
                         {QT_TRANSLATE_NOOP("ChoiceItems", "Standard"), QT_TRANSLATE_NOOP("ChoiceItems", "Universal"),
                          QT_TRANSLATE_NOOP("ChoiceItems", "Single")});
    m_lofLow = MakeList(page, "lofLow", kLofItems);
    m_lofHigh = MakeList(page, "lofHigh", kLofItems);
    m_lofLowUser = MakeDigitEdit(page, "lofLowUser", kLofDigits);
    m_lofHighUser = MakeDigitEdit(page, "lofHighUser", kLofDigits);
    m_diseqcType =
        MakeList(page, "diseqcType",
                 {QT_TRANSLATE_NOOP("ChoiceItems", "Disable"), QT_TRANSLATE_NOOP("ChoiceItems", "2 port"),
                  QT_TRANSLATE_NOOP("ChoiceItems", "4 port"), QT_TRANSLATE_NOOP("ChoiceItems", "8 port"),
                  QT_TRANSLATE_NOOP("ChoiceItems", "16 port"), "DiSEqC1", "DiSEqC2", "DiSEqC3", "DiSEqC4", "SMATV"});
    m_diseqcPort = MakeList(page, "diseqcPort", {});
    m_diseqcMotor = MakeList(page, "diseqcMotor", {QT_TRANSLATE_NOOP("ChoiceItems", "Disable"), "1.2", "USALS"});
    m_tone22k =
        MakeList(page, "tone22k", {QT_TRANSLATE_NOOP("ChoiceItems", "On"), QT_TRANSLATE_NOOP("ChoiceItems", "Off")});
    m_lnbPower = MakeList(page, "lnbPower", {QT_TRANSLATE_NOOP("ChoiceItems", "Disable"), "0V", "12V"});
    m_toneBurst = MakeList(page, "toneBurst", {QT_TRANSLATE_NOOP("ChoiceItems", "Off"), "A", "B"});

    m_tunerGroup = new QGroupBox(QCoreApplication::translate("SatelliteDialog", "Tuner Setting"), page);
    m_tunerGroup->setObjectName(QStringLiteral("tunerSetting"));
    m_tunerNumber =
        MakeList(m_tunerGroup, "tunerNumber",
                 {QT_TRANSLATE_NOOP("ChoiceItems", "Tuner 1"), QT_TRANSLATE_NOOP("ChoiceItems", "Tuner 2")});
    m_tunerConnection =
        MakeList(m_tunerGroup, "tunerConnection",
                 {QT_TRANSLATE_NOOP("ChoiceItems", "Separate"), QT_TRANSLATE_NOOP("ChoiceItems", "Loop Through"),
                  QT_TRANSLATE_NOOP("ChoiceItems", "Dual Mode")});
    auto* tunerGrid = new QGridLayout(m_tunerGroup);
    AddLabelledControl(*tunerGrid, 0, 0, QCoreApplication::translate("SatelliteDialog", "Tuner Number"), m_tunerNumber);
    AddLabelledControl(*tunerGrid, 1, 0, QCoreApplication::translate("SatelliteDialog", "Tuner Connet"),
                       m_tunerConnection);
    m_tunerGroup->hide();

    auto* position = new QHBoxLayout;
    position->addWidget(m_longitude, 1);
    position->addWidget(m_direction);
    auto* positionBox = new QWidget(page);
    positionBox->setLayout(position);
    position->setContentsMargins(0, 0, 0, 0);

    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(12);
    AddLabelledControl(*grid, 0, 0, QCoreApplication::translate("SatelliteDialog", "Satellite Name"), m_name);
    AddLabelledControl(*grid, 1, 0, QCoreApplication::translate("SatelliteDialog", "Longitude"), positionBox);
    // The label stands beside the pair of fields; each field carries its text for screen readers.
    for (QWidget* field : {static_cast<QWidget*>(m_longitude), static_cast<QWidget*>(m_direction)})
        field->setAccessibleName(QCoreApplication::translate("SatelliteDialog", "Longitude"));
    AddLabelledControl(*grid, 2, 0, QCoreApplication::translate("SatelliteDialog", "LNB Type"), m_lnbType);
    AddLabelledControl(*grid, 3, 0, QCoreApplication::translate("SatelliteDialog", "LOF Low"), m_lofLow);
    AddLabelledControl(*grid, 4, 0, QCoreApplication::translate("SatelliteDialog", "LOF Low (User)"), m_lofLowUser);
    AddLabelledControl(*grid, 5, 0, QCoreApplication::translate("SatelliteDialog", "LOF High"), m_lofHigh);
    AddLabelledControl(*grid, 6, 0, QCoreApplication::translate("SatelliteDialog", "LOF High (User)"), m_lofHighUser);
    AddLabelledControl(*grid, 0, 2, QCoreApplication::translate("SatelliteDialog", "Diseqc Type"), m_diseqcType);
    AddLabelledControl(*grid, 1, 2, QCoreApplication::translate("SatelliteDialog", "Diseqc Port"), m_diseqcPort);
    AddLabelledControl(*grid, 2, 2, QCoreApplication::translate("SatelliteDialog", "Diseqc Motor"), m_diseqcMotor);
    AddLabelledControl(*grid, 3, 2, QCoreApplication::translate("SatelliteDialog", "0/22 kHz"), m_tone22k);
    AddLabelledControl(*grid, 4, 2, QCoreApplication::translate("SatelliteDialog", "12V"), m_lnbPower);
    AddLabelledControl(*grid, 5, 2, QCoreApplication::translate("SatelliteDialog", "ToneBurst"), m_toneBurst);
    grid->addWidget(m_tunerGroup, 7, 0, 1, 4);
    grid->setRowStretch(8, 1);

    QWidget* order[] = {m_name,     m_longitude,   m_direction,   m_lnbType,        m_lofLow,      m_lofLowUser,
                        m_lofHigh,  m_lofHighUser, m_diseqcType,  m_diseqcPort,     m_diseqcMotor, m_tone22k,
                        m_lnbPower, m_toneBurst,   m_tunerNumber, m_tunerConnection};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void SatelliteDialog::Load() {
    m_name->setText(RecordNameText(m_record.Name()));
    const int position = m_record.OrbitalPosition();
    m_longitude->setText(QString::fromStdString(FormatOrbitalDegrees(std::abs(position))));
    m_direction->setCurrentIndex(position < 0 ? kDirectionWest : 0);
    const int lnbType = m_record.LnbType();
    ShowIndex(*m_lnbType, lnbType < 0 ? 0u : static_cast<unsigned>(lnbType));
    SelectLof(*m_lofLow, *m_lofLowUser, m_record.LnbLowFrequency());
    SelectLof(*m_lofHigh, *m_lofHighUser, m_record.LnbHighFrequency());

    const LnbSwitchWord word = m_record.LnbSwitch(m_side);
    ShowIndex(*m_diseqcType, word.DiseqcType());
    ShowIndex(*m_diseqcMotor, word.MotorControl());
    ShowIndex(*m_tone22k, word.ToneFlag());
    ShowIndex(*m_lnbPower, word.LnbPower());
    ShowIndex(*m_toneBurst, word.ToneBurst());

    m_tunerNumber->setCurrentIndex(SideIndex(m_side));
    ShowIndex(*m_tunerConnection, m_settings.tuner_connection());
}

void SatelliteDialog::UpdateLofControls() {
    const bool standard = m_lnbType->currentIndex() == kLnbTypeStandard;
    m_lofLowUser->setEnabled(ShowsUser(*m_lofLow));
    m_lofHigh->setEnabled(!standard);
    m_lofHighUser->setEnabled(!standard && ShowsUser(*m_lofHigh));
}

void SatelliteDialog::UpdateDiseqcType() {
    const int type = m_diseqcType->currentIndex();
    m_diseqcMotor->setEnabled(type == kDiseqcTypeDisable);
    m_diseqcPort->clear();
    const int ports = DiseqcPortCount(type);
    for (int port = 1; port <= ports; ++port)
        m_diseqcPort->addItem(QString::number(port));
    m_diseqcPort->setEnabled(ports > 0);
    if (ports > 0)
        ShowIndex(*m_diseqcPort, m_record.LnbSwitch(m_side).DiseqcPort());
}

void SatelliteDialog::UpdateDiseqcMotor() {
    m_diseqcType->setEnabled(m_diseqcMotor->currentIndex() == kMotorDisable);
}

void SatelliteDialog::UpdateTunerNumber() {
    m_tunerConnection->setEnabled(m_tunerNumber->currentIndex() == SideIndex(TunerSide::First));
}

void SatelliteDialog::UpdateTunerConnection() {
    m_tunerNumber->setEnabled(m_tunerConnection->currentIndex() != kConnectionLoopThrough);
}

bool SatelliteDialog::ReadLof(const QComboBox& list, QLineEdit& userEdit, std::uint16_t& lof) const {
    if (!ShowsUser(list)) {
        lof = static_cast<std::uint16_t>(list.currentText().toUInt());
        return true;
    }
    std::int64_t value = 0;
    if (!ReadFieldInRange(userEdit, 0, kMaxLof, value))
        return false;
    lof = static_cast<std::uint16_t>(value);
    return true;
}

void SatelliteDialog::accept() {
    int tenths = 0;
    if (!ParseOrbitalTenths(m_longitude->text().toStdString(), kMaxLongitudeTenths, tenths)) {
        UserPrompts::Message(this, QMessageBox::Warning, windowTitle(),
                             QCoreApplication::translate("SatelliteDialog", "Please enter a number between 0 and %1.")
                                 .arg(kMaxLongitudeTenths / 10));
        m_longitude->setFocus(Qt::OtherFocusReason);
        m_longitude->selectAll();
        return;
    }
    std::uint16_t lofLow = 0;
    std::uint16_t lofHigh = 0;
    if (!ReadLof(*m_lofLow, *m_lofLowUser, lofLow) || !ReadLof(*m_lofHigh, *m_lofHighUser, lofHigh))
        return;

    m_record.SetName(RecordNameBytes(m_name->text()));
    m_settings.set_tuner_connection(
        static_cast<std::uint8_t>(ChosenIndex(*m_tunerConnection, m_settings.tuner_connection())));
    m_record.SetOrbitalPosition(
        static_cast<std::int16_t>(m_direction->currentIndex() == kDirectionWest ? -tenths : tenths));
    m_record.SetLnbType(
        static_cast<std::int8_t>(ChosenIndex(*m_lnbType, static_cast<std::uint8_t>(m_record.LnbType()))));
    m_record.SetLnbLowFrequency(lofLow);
    m_record.SetLnbHighFrequency(lofHigh);

    LnbSwitchWord word = m_record.LnbSwitch(m_side);
    word.SetDiseqcType(ChosenIndex(*m_diseqcType, word.DiseqcType()));
    word.SetDiseqcPort(ChosenIndex(*m_diseqcPort, word.DiseqcPort()));
    word.SetMotorControl(ChosenIndex(*m_diseqcMotor, word.MotorControl()));
    word.SetLnbPower(ChosenIndex(*m_lnbPower, word.LnbPower()));
    word.SetToneFlag(ChosenIndex(*m_tone22k, word.ToneFlag()));
    word.SetToneBurst(ChosenIndex(*m_toneBurst, word.ToneBurst()));
    m_record.SetLnbSwitch(m_side, word);
    QDialog::accept();
}

bool EditSatellite(QWidget* parent, SatelliteRecord record, ReceiverSettings settings) {
    SatelliteDialog dialog(record, settings, parent);
    return UserPrompts::Exec(dialog) == QDialog::Accepted;
}

} // namespace vorlane::ui
