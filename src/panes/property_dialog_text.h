#pragma once
// Record names are shown and edited as ISO-8859-1 so that every stored byte comes back unchanged.

#include <QString>
#include <string>

namespace vorlane::ui {

inline QString RecordNameText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string RecordNameBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace vorlane::ui
