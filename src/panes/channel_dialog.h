#pragma once
// The "Channel Property" dialog: name, PIDs, program number and the "Locked", "Scrambled" and "Skipped" bits of
// one tuner side of a channel record. On "OK" the audio PIDs are stored without gaps and a changed "Scrambled"
// box moves an existing channel between the free and scrambled lists. A new channel is created on the side of
// the hidden "Tuner Number" list.

#include "database/channel_database.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vorlane::ui {

class ChannelDialog : public QDialog {
public:
    static constexpr std::optional<Pk> kNewChannel = std::nullopt;

    // `pk` names the side edited, or is kNewChannel for a blank record that is not in the lists yet.
    ChannelDialog(ChannelRecord record, std::optional<Pk> pk, OrderedLists& lists, const QString& satelliteName,
                  const QString& transponderText, QWidget* parent = nullptr);

    // The tuner side edited: the PK's side, or for a new channel the "Tuner Number" choice.
    TunerSide Side() const;

    void accept() override;

private:
    void Load();

    ChannelRecord m_record;
    std::optional<Pk> m_pk;
    OrderedLists& m_lists;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_programId = nullptr;
    QLineEdit* m_videoPid = nullptr;
    std::array<QLineEdit*, ChannelRecord::kAudioPidCount> m_audioPids{};
    QLineEdit* m_pcrPid = nullptr;
    QLineEdit* m_teletextPid = nullptr;
    QLineEdit* m_ac3Pid = nullptr;
    QLineEdit* m_pmtPid = nullptr;
    QCheckBox* m_locked = nullptr;
    QCheckBox* m_scrambled = nullptr;
    QCheckBox* m_skipped = nullptr;
    QComboBox* m_tunerNumber = nullptr;
};

// Opens the dialog on channel side `pk`; true when the record was changed with "OK", false otherwise.
[[nodiscard]] bool EditChannel(QWidget* parent, ChannelDatabase& db, Pk pk);

// Opens the dialog on a blank channel of the given type (TV or radio) on the transponder; on "OK" adds it to the
// tables and lists and rebuilds m_pKChannel. true when added; false on "Cancel" or when the table is full.
[[nodiscard]] bool AddNewChannel(QWidget* parent, ChannelDatabase& db, int transponderIndex, ServiceType type);

} // namespace vorlane::ui
