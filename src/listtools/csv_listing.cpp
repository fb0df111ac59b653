#include "listtools/csv_listing.h"

#include "importexport/replace_file.h"
#include "listtools/channel_entries.h"
#include "listtools/folded_text.h"

namespace vorlane {

namespace {

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

// Group numbers as the user counts them, "1 3 8".
std::string FavouriteGroupList(const ChannelEntry& entry) {
    std::string groups;
    for (std::size_t g = 0; g < entry.favouriteBytes.size(); ++g) {
        if (entry.favouriteBytes[g] == 0)
            continue;
        if (!groups.empty())
            groups += ' ';
        groups += std::to_string(g + 1);
    }
    return groups;
}

std::string SatelliteName(const ChannelDatabase& db, const ChannelEntry& entry) {
    return entry.satellite < 0 ? std::string() : db.Satellite(entry.satellite).Name();
}

std::string Row(const ChannelDatabase& db, const ChannelEntry& entry, int number) {
    std::string row = std::to_string(TunerNumber(entry.side));
    const auto add = [&row](const std::string& field) { row += "," + field; };
    add(ServiceTypeName(entry.type));
    add(std::to_string(number));
    add(CsvField(Latin1ToUtf8(entry.name)));
    add(CsvField(Latin1ToUtf8(Trimmed(SatelliteName(db, entry)))));
    add(std::to_string(entry.frequency));
    add(std::string(1, PolarisationLetter(entry.polarisation)));
    add(std::to_string(entry.symbolRate));
    add(std::to_string(entry.programNumber));
    add(FavouriteGroupList(entry));
    add(YesNo(entry.scrambled));
    add(YesNo(entry.locked));
    add(YesNo(entry.skipped));
    return row;
}

} // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CsvListing(const ChannelDatabase& db) {
    std::string csv = std::string(kCsvHeader) + "\r\n";
    for (const TunerSide side : kTunerSides) {
        for (const ServiceType type : kEveryServiceType) {
            int number = 0;
            for (const ChannelEntry& entry : MainListEntries(db, side, type))
                csv += Row(db, entry, ++number) + "\r\n";
        }
    }
    return csv;
}

bool ExportCsv(const ChannelDatabase& db, const std::string& path) {
    const std::string csv = CsvListing(db);
    return ReplaceFile(path, ConstByteSpan(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()));
}

} // namespace vorlane
