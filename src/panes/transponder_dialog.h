#pragma once
// The "Transponder Property" dialog: frequency, TS ID, polarity, FEC and symbol rate of one transponder record.
// Leaving the frequency or symbol-rate edit first corrects a wild value and then range-checks every field;
// "OK" range-checks and writes back. Other tuning-word bits are kept.

#include "database/channel_database.h"
#include "database/transponder_record.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vorlane::ui {

class TransponderDialog : public QDialog {
public:
    TransponderDialog(TransponderRecord record, const QString& satelliteName, QWidget* parent = nullptr);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Fields {
        std::int64_t frequency = 0;
        std::int64_t transportStreamId = 0;
        std::int64_t symbolRate = 0;
    };

    void Load();
    void CorrectOnLeaving(QLineEdit& edit, bool checkRanges);
    bool ReadFields(Fields& fields);

    TransponderRecord m_record;
    QLineEdit* m_frequency = nullptr;
    QLineEdit* m_transportStreamId = nullptr;
    QComboBox* m_polarity = nullptr;
    QComboBox* m_fec = nullptr;
    QLineEdit* m_symbolRate = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_checking = false;
};

// Opens the dialog on transponder `index`; true when the record was changed with "OK", false otherwise.
[[nodiscard]] bool EditTransponder(QWidget* parent, ChannelDatabase& db, int index);

// Opens the dialog on a new transponder of the satellite and adds it on "OK" (which also sets the modified flag).
// true when added; false on "Cancel" or when the table is full.
[[nodiscard]] bool AddNewTransponder(QWidget* parent, ChannelDatabase& db, int satelliteIndex);

} // namespace vorlane::ui
