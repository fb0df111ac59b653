#pragma once
// The text listing of the whole database: satellites, transponders, channels and the members of
// each favourite group, one row per record in list order. A report for people; nothing reads it back.

#include "database/channel_database.h"

#include <cstdio>
#include <string>

namespace vorlane {

class TextExporter {
public:
    // The database must have its tables and lists; the exporter only reads it.
    explicit TextExporter(const ChannelDatabase& db) : m_db(db) {}

    // The whole listing: single-byte text with CR LF line ends, names as their stored bytes.
    std::string Listing() const;
    // Writes the listing to an open file; false when the write fails.
    [[nodiscard]] bool Write(std::FILE* file) const;
    // Creates or replaces the file at `path` with the listing; false when the file cannot be written, and
    // then whatever was at `path` is left as it was.
    [[nodiscard]] bool Export(const std::string& path) const;

private:
    void AppendSatellites(std::string& out) const;
    void AppendTransponders(std::string& out) const;
    void AppendChannels(std::string& out) const;
    void AppendFavourites(std::string& out) const;
    void AppendChannelRows(std::string& out, ListKind kind, const char* classWord) const;
    int ListCount(ListKind kind, int instance) const;

    const ChannelDatabase& m_db;
};

// What the user is told when the listing cannot be written to `path`.
std::string ExportFailureText(const std::string& path);

} // namespace vorlane
