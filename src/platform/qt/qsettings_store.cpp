#include "platform/qt/qsettings_store.h"

#include <QFile>
#include <QSettings>
#include <QString>

namespace vorlane {

namespace {

constexpr char kOrganisationName[] = "Vorlane";
constexpr char kApplicationName[] = "Vorlane";

QString ToQString(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganisationName,
                                             kApplicationName)) {}

QSettingsStore::QSettingsStore(const std::string& filePath)
    : m_settings(
          std::make_unique<QSettings>(QFile::decodeName(QByteArray::fromStdString(filePath)), QSettings::IniFormat)) {}

QSettingsStore::~QSettingsStore() = default;

std::string QSettingsStore::FilePath() const {
    return QFile::encodeName(m_settings->fileName()).toStdString();
}

bool QSettingsStore::IsReadable() const {
    return m_settings->status() != QSettings::AccessError;
}

std::optional<std::string> QSettingsStore::LoadValue(const std::string& path) const {
    const QVariant value = m_settings->value(ToQString(path));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toLatin1().toStdString();
}

bool QSettingsStore::StoreValue(const std::string& path, const std::string& value) {
    m_settings->setValue(ToQString(path), ToQString(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace vorlane
