#pragma once
// Unsaved work kept safe from a crash or a power loss: at most a minute after an edit leaves the database
// modified, the database is written as a channel file into the user's data folder, beside the name of the file
// it came from. Saving, opening or making a new database, and a clean exit remove it; the next start offers what
// a crash left behind.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorlane {

class ChannelDatabase;
class EditDocument;

// What a crash left: the channel file bytes, the path of the file they were edited from (empty for a new
// database) and when they were written.
struct RecoveredWork {
    std::vector<std::uint8_t> bytes;
    QString originalPath;
    QDateTime written;
};

class RecoveryFile : public QObject {
public:
    static constexpr int kDefaultIntervalMs = 60 * 1000;

    // Follows the document's history; `folder` empty means the user's data folder.
    RecoveryFile(EditDocument& document, QString folder = QString(), QObject* parent = nullptr);
    // A clean exit leaves nothing to recover.
    ~RecoveryFile() override;
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    void SetInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    QString Path() const;

    // What an earlier run left behind, if anything.
    std::optional<RecoveredWork> Find() const;
    // The work found was taken up: from now on this run keeps (and removes) the file.
    void Adopt() { m_owned = true; }
    // The user declined the work found, or this run's work is saved or gone.
    void Remove();

private:
    void OnHistoryChanged();
    void OnModifiedChanged(bool modified);
    void Write();

    EditDocument& m_document;
    QString mFolder;
    QTimer m_timer;
    // Only a file this run wrote or took up is removed by it: another run's may still wait to be offered.
    bool m_owned = false;
};

} // namespace vorlane
