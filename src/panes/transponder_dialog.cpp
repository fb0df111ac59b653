#include "panes/transponder_dialog.h"

#include "database/add_records.h"
#include "database/transponder_new_record.h"
#include "panes/dialog_buttons.h"
#include "panes/property_dialog_controls.h"
#include "panes/property_dialog_text.h"
#include "platform/widgets/range_check.h"
#include "platform/widgets/user_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace vorlane::ui {
namespace {

constexpr std::int64_t kMinRate = 1000;
constexpr std::int64_t kMaxRate = 50000;
constexpr std::int64_t kMaxTransportStreamId = 65535; // the record holds 16 bits
// Leaving an edit replaces values this far off before the range check.
constexpr std::int64_t kWildFrequencyLimit = 500000;
constexpr std::int64_t kFrequencyReplacement = 1000;
constexpr std::int64_t kSymbolRateReplacement = 27500;
constexpr int kEditDigits = 6;

std::int64_t NumberIn(const QLineEdit& edit) {
    return edit.text().trimmed().toLongLong();
}

// Leaving an edit for another control of the dialog; the dialog losing the focus to a window it opened is not.
bool LeavesForControl(const QFocusEvent& event) {
    const Qt::FocusReason reason = event.reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TransponderDialog::TransponderDialog(TransponderRecord record, const QString& satelliteName, QWidget* parent)
    : QDialog(parent), m_record(record) {
    setWindowTitle(QCoreApplication::translate("TransponderDialog", "Transponder Property"));
    setMinimumWidth(280);
    auto* satelliteGroup = new QGroupBox(QCoreApplication::translate("TransponderDialog", "Satellite"), this);
    auto* satellite = new QLineEdit(satelliteName, satelliteGroup);
    satellite->setObjectName(QStringLiteral("satelliteName"));
    satellite->setReadOnly(true);
    satellite->setFocusPolicy(Qt::NoFocus);
    auto* satelliteLayout = new QVBoxLayout(satelliteGroup);
    satelliteLayout->addWidget(satellite);

    m_frequency = MakeDigitEdit(this, "frequency", kEditDigits);
    m_transportStreamId = MakeDigitEdit(this, "transportStreamId", kEditDigits);
    m_polarity = MakeList(this, "polarity",
                          {QT_TRANSLATE_NOOP("ChoiceItems", "Auto"), QT_TRANSLATE_NOOP("ChoiceItems", "Horizontal"),
                           QT_TRANSLATE_NOOP("ChoiceItems", "Vertical")});
    m_fec =
        MakeList(this, "fec", {"1 / 2", "2 / 3", "3 / 4", "5 / 6", "7 / 8", QT_TRANSLATE_NOOP("ChoiceItems", "Auto")});
    m_symbolRate = MakeDigitEdit(this, "symbolRate", kEditDigits);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("TransponderDialog", " Frequency "), m_frequency);
    form->addRow(QCoreApplication::translate("TransponderDialog", " TS ID "), m_transportStreamId);
    form->addRow(QCoreApplication::translate("TransponderDialog", " Polarity "), m_polarity);
    form->addRow(QCoreApplication::translate("TransponderDialog", " FEC "), m_fec);
    form->addRow(QCoreApplication::translate("TransponderDialog", "Symbol Rate "), m_symbolRate);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(satelliteGroup);
    layout->addLayout(form);
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *layout);
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    Load();
    m_frequency->installEventFilter(this);
    m_symbolRate->installEventFilter(this);
}

void TransponderDialog::Load() {
    m_frequency->setText(QString::number(m_record.Frequency()));
    m_transportStreamId->setText(QString::number(m_record.TransportStreamId()));
    ShowIndex(*m_polarity, m_record.Tuning().PolarisationCode());
    ShowIndex(*m_fec, m_record.Tuning().Fec());
    m_symbolRate->setText(QString::number(m_record.SymbolRate()));
}

bool TransponderDialog::eventFilter(QObject* watched, QEvent* event) {
    // Going to "Cancel" leaves the values alone; "OK" checks the ranges itself, so only the correction is due.
    if (event->type() == QEvent::FocusOut && !m_checking && LeavesForControl(*static_cast<QFocusEvent*>(event)) &&
        QApplication::focusWidget() != m_cancel)
        CorrectOnLeaving(*static_cast<QLineEdit*>(watched), QApplication::focusWidget() != m_ok);
    return QDialog::eventFilter(watched, event);
}

void TransponderDialog::CorrectOnLeaving(QLineEdit& edit, bool checkRanges) {
    const std::int64_t value = NumberIn(edit);
    if (&edit == m_frequency && (value < kMinRate || value > kWildFrequencyLimit))
        edit.setText(QString::number(kFrequencyReplacement));
    if (&edit == m_symbolRate && (value < kMinRate || value > kMaxRate))
        edit.setText(QString::number(kSymbolRateReplacement));
    if (!checkRanges)
        return;
    Fields ignored;
    m_checking = true; // the range message takes the focus away from the edit once more
    ReadFields(ignored);
    m_checking = false;
}

bool TransponderDialog::ReadFields(Fields& fields) {
    return ReadFieldInRange(*m_frequency, kMinRate, kMaxRate, fields.frequency) &&
           ReadFieldInRange(*m_transportStreamId, 0, kMaxTransportStreamId, fields.transportStreamId) &&
           ReadFieldInRange(*m_symbolRate, kMinRate, kMaxRate, fields.symbolRate);
}

void TransponderDialog::accept() {
    Fields fields;
    m_checking = true;
    const bool valid = ReadFields(fields);
    m_checking = false;
    if (!valid)
        return;
    m_record.SetTransportStreamId(static_cast<std::uint16_t>(fields.transportStreamId));
    m_record.SetFrequency(static_cast<std::uint16_t>(fields.frequency));
    m_record.SetSymbolRate(static_cast<std::uint16_t>(fields.symbolRate));
    TuningWord tuning = m_record.Tuning();
    tuning.SetPolarisation(ChosenIndex(*m_polarity, tuning.PolarisationCode()));
    tuning.SetFec(ChosenIndex(*m_fec, tuning.Fec()));
    m_record.SetTuning(tuning);
    QDialog::accept();
}

bool EditTransponder(QWidget* parent, ChannelDatabase& db, int index) {
    if (index < 0 || index >= kTransponderCount)
        return false;
    const TransponderRecord record = db.Transponder(index);
    TransponderDialog dialog(record, SatelliteNameOf(db, record), parent);
    return UserPrompts::Exec(dialog) == QDialog::Accepted;
}

bool AddNewTransponder(QWidget* parent, ChannelDatabase& db, int satelliteIndex) {
    if (satelliteIndex < 0 || satelliteIndex >= kSatelliteCount)
        return false;
    std::array<std::uint8_t, TransponderRecord::kSize> bytes{};
    const TransponderRecord record(bytes.data());
    FillNewTransponder(record, satelliteIndex);
    TransponderDialog dialog(record, SatelliteNameOf(db, record), parent);
    if (UserPrompts::Exec(dialog) != QDialog::Accepted)
        return false;
    return AddTransponder(db, bytes);
}

} // namespace vorlane::ui
