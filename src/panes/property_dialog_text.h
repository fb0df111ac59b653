#pragma once
// Record names as the property dialogs show them: ISO-8859-1, so that every stored byte comes back unchanged.

#include "database/channel_database.h"

#include <QString>
#include <string>

namespace vorlane::ui {

inline QString RecordNameText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string RecordNameBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// The name of the satellite a transponder belongs to; empty when its link names no satellite.
inline QString SatelliteNameOf(const ChannelDatabase& db, ConstTransponderRecord transponder) {
    const unsigned satellite = transponder.SatelliteLink().Index();
    return satellite < static_cast<unsigned>(kSatelliteCount)
               ? RecordNameText(db.Satellite(static_cast<int>(satellite)).Name())
               : QString();
}

} // namespace vorlane::ui
