#pragma once
// The "Satellite" dialog: one satellite record's name, position, LNB and DiSEqC settings on the tab "Content".
// The record's tuner-connection byte picks which of its two LNB switch words is edited. The hidden "Tuner
// Setting" group still carries the receiver's tuner connection through. Fields are written back only on "OK".

#include "database/satellite_record.h"
#include "database/tuner_side.h"
#include "settings/receiver_settings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace vorlane::ui {

class SatelliteDialog : public QDialog {
public:
    SatelliteDialog(SatelliteRecord record, ReceiverSettings settings, QWidget* parent = nullptr);

    void accept() override;

private:
    void BuildPage(QWidget* page);
    void Load();
    void UpdateLofControls();
    void UpdateDiseqcType();
    void UpdateDiseqcMotor();
    void UpdateTunerNumber();
    void UpdateTunerConnection();
    bool ReadLof(const QComboBox& list, QLineEdit& userEdit, std::uint16_t& lof) const;

    SatelliteRecord m_record;
    ReceiverSettings m_settings;
    TunerSide m_side;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_longitude = nullptr;
    QComboBox* m_direction = nullptr;
    QComboBox* m_lnbType = nullptr;
    QComboBox* m_lofLow = nullptr;
    QComboBox* m_lofHigh = nullptr;
    QLineEdit* m_lofLowUser = nullptr;
    QLineEdit* m_lofHighUser = nullptr;
    QComboBox* m_diseqcType = nullptr;
    QComboBox* m_diseqcPort = nullptr;
    QComboBox* m_diseqcMotor = nullptr;
    QComboBox* m_tone22k = nullptr;
    QComboBox* m_lnbPower = nullptr;
    QComboBox* m_toneBurst = nullptr;
    QGroupBox* m_tunerGroup = nullptr;
    QComboBox* m_tunerNumber = nullptr;
    QComboBox* m_tunerConnection = nullptr;
};

// Opens the dialog on the record; true when the record was changed with "OK", false on "Cancel".
[[nodiscard]] bool EditSatellite(QWidget* parent, SatelliteRecord record, ReceiverSettings settings);

} // namespace vorlane::ui
