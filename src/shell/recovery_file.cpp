#include "shell/recovery_file.h"

#include "blockfile/channel_file.h"
#include "importexport/replace_file.h"
#include "shell/edit_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorlane {
namespace {

constexpr const char* kDataName = "unsaved.bin";
constexpr const char* kOriginName = "unsaved.origin";

QString DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vorlane");
}

} // namespace

RecoveryFile::RecoveryFile(EditDocument& document, QString folder, QObject* parent)
    : QObject(parent), m_document(document), mFolder(folder.isEmpty() ? DefaultFolder() : std::move(folder)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryFile::Write);
    connect(&document, &EditDocument::HistoryChanged, this, &RecoveryFile::OnHistoryChanged);
    connect(&document, &EditDocument::ModifiedChanged, this, &RecoveryFile::OnModifiedChanged);
}

RecoveryFile::~RecoveryFile() {
    if (m_owned)
        Remove();
}

QString RecoveryFile::Path() const {
    return QDir(mFolder).filePath(QLatin1String(kDataName));
}

// The first unsaved edit starts the clock; later ones wait for the same write.
void RecoveryFile::OnHistoryChanged() {
    if (m_document.Database().Modified() && !m_timer.isActive())
        m_timer.start();
}

// Saved, or undone back to the saved state: nothing is left to recover.
void RecoveryFile::OnModifiedChanged(bool modified) {
    if (modified)
        return;
    m_timer.stop();
    if (m_owned)
        Remove();
}

void RecoveryFile::Write() {
    ChannelDatabase& db = m_document.Database();
    if (!db.Modified() || !QDir().mkpath(mFolder))
        return;
    const std::vector<std::uint8_t> bytes = ChannelFileBytes(db);
    QFile origin(QDir(mFolder).filePath(QLatin1String(kOriginName)));
    if (bytes.empty() || !origin.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    origin.write(QByteArray::fromStdString(db.CurrentPath()));
    origin.close();
    // The data last: a crash while writing leaves the earlier copy or none, never half a file.
    if (ReplaceFile(QFile::encodeName(Path()).toStdString(), bytes))
        m_owned = true;
}

std::optional<RecoveredWork> RecoveryFile::Find() const {
    QFile data(Path());
    if (!data.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = data.readAll();
    QFile origin(QDir(mFolder).filePath(QLatin1String(kOriginName)));
    const QByteArray originPath = origin.open(QIODevice::ReadOnly) ? origin.readAll() : QByteArray();
    return RecoveredWork{{bytes.begin(), bytes.end()}, QFile::decodeName(originPath), QFileInfo(data).lastModified()};
}

void RecoveryFile::Remove() {
    m_owned = false;
    QFile::remove(Path());
    QFile::remove(QDir(mFolder).filePath(QLatin1String(kOriginName)));
}

} // namespace vorlane
