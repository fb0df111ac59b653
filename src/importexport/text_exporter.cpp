#include "importexport/text_exporter.h"

#include "database/table_layout.h"
#include "importexport/append_format.h"
#include "importexport/listing_rows.h"
#include "importexport/listing_words.h"
#include "importexport/replace_file.h"

#include <cstring>

namespace vorlane {
namespace {

constexpr const char* kSatelliteTitle = "<Satellite List>\r\n";
constexpr const char* kTransponderTitle = "\r\n\r\n\r\n<Transponder List>\r\n";
constexpr const char* kChannelTitle = "\r\n\r\n\r\n<Channel List>\r\n";
constexpr const char* kFavouriteTitle = "\r\n\r\n\r\n<Favorite %d List=%d>\r\n";

// The satellite header ends with one blank after its line end, so its dash line starts indented.
constexpr const char* kSatelliteHeader =
    "NO   | NAME                | Diseqc Motor Index | LNB Type  | High Freq. | Low Freq.  | 22K | 0/12V   | "
    "Tone Burst | LNB Length | Diseqc Type | Diseqc Port | "
    "PreDef[0] Ch Name       | Frequency | SR      | Polar      | VIDEO | AUDIO | PCR   | "
    "PreDef[1] Ch Name       | Frequency | SR      | Polar      | VIDEO | AUDIO | PCR   | "
    "PreDef[2] Ch Name       | Frequency | SR      | Polar      | VIDEO | AUDIO | PCR   \r\n ";
constexpr const char* kTransponderHeader =
    "NO   | NETWORK NAME   | Freq.  | Symbol Rate | Polarization | FEC  | FTA Only | TS ID | ON ID | Num of TV | "
    "Num of Radio | Num of DATA | PK   | Sat Idx | Sat Key | Ant NUM |\r\n";
constexpr const char* kChannelHeader =
    "CLASS | NO      | NAME                   | TP num | PROG num | PMT   | VIDEO | PCR   | TTX   | AC3   | "
    "num of AUD PIDs | Selected AUD index | Audio PID0 | Audio PID1 | Audio PID2 | Audio PID3 | Audio PID4 | "
    "Audio PID5 | lang_0 | lang_1 | lang_2 | lang_3 | lang_4 | lang_5 | Scramble   | audio_mode | PK    | "
    "fs idx | fs key | sat idx | sat key | tp idx | tp key | dk8 fav_0 | fav_1 | fav_2 | fav_3 | fav_4 | fav_5 | "
    "fav_6 | fav_7 |\r\n";

// A header followed by as many dashes as it has characters, its line end and trailing blank included.
void AppendHeader(std::string& out, const char* header) {
    out += header;
    out.append(std::strlen(header), '-');
    out += "\r\n";
}

int NodeCount(const ListHead& head) {
    int count = 0;
    for (const ListNode* node = head.first; node; node = node->next)
        ++count;
    return count;
}

} // namespace

std::string TextExporter::Listing() const {
    std::string out;
    AppendSatellites(out);
    AppendTransponders(out);
    AppendChannels(out);
    AppendFavourites(out);
    return out;
}

bool TextExporter::Write(std::FILE* file) const {
    const std::string listing = Listing();
    const bool written = std::fwrite(listing.data(), 1, listing.size(), file) == listing.size();
    return written && std::fflush(file) == 0;
}

bool TextExporter::Export(const std::string& path) const {
    const std::string listing = Listing();
    return ReplaceFile(path, ConstByteSpan(reinterpret_cast<const std::uint8_t*>(listing.data()), listing.size()));
}

void TextExporter::AppendSatellites(std::string& out) const {
    out += kSatelliteTitle;
    AppendHeader(out, kSatelliteHeader);
    const ListHead* head = m_db.Lists().Head(ListKind::Satellites, 0);
    for (const ListNode* node = head ? head->first.get() : nullptr; node; node = node->next)
        AppendSatelliteRow(out, m_db.Satellite(node->pk.Record()));
}

void TextExporter::AppendTransponders(std::string& out) const {
    out += kTransponderTitle;
    AppendHeader(out, kTransponderHeader);
    const ListHead* head = m_db.Lists().Head(ListKind::Transponders, 0);
    for (const ListNode* node = head ? head->first.get() : nullptr; node; node = node->next) {
        const TransponderCounts counts{ListCount(ListKind::TvByTransponder, node->pk.Record()),
                                       ListCount(ListKind::RadioByTransponder, node->pk.Record()),
                                       ListCount(ListKind::DataByTransponder, node->pk.Record())};
        AppendTransponderRow(out, m_db.Transponder(node->pk.Record()), node->pk, counts);
    }
}

void TextExporter::AppendChannels(std::string& out) const {
    out += kChannelTitle;
    AppendHeader(out, kChannelHeader);
    AppendChannelRows(out, ListKind::TvChannels, "TV");
    AppendChannelRows(out, ListKind::DataChannels, "Data");
    AppendChannelRows(out, ListKind::RadioChannels, "Radio");
}

// Each node names one tuner side, and its row shows that side's fields, so a channel on both tuners
// gives one row per tuner.
void TextExporter::AppendChannelRows(std::string& out, ListKind kind, const char* classWord) const {
    const ListHead* head = m_db.Lists().Head(kind, 0);
    for (const ListNode* node = head ? head->first.get() : nullptr; node; node = node->next)
        AppendChannelRow(out, m_db.ChannelOfPk(node->pk), node->pk, classWord);
}

// Groups without members get no section. A group holds TV and radio channels alike, so each member's
// CLASS comes from its record's service type.
void TextExporter::AppendFavourites(std::string& out) const {
    for (int group = 0; group < ChannelRecord::kFavouriteGroupCount; ++group) {
        const ListHead* head = m_db.Lists().Head(FavouriteKind(group), 0);
        if (!head || !head->first)
            continue;
        AppendFormat(out, kFavouriteTitle, group + 1, NodeCount(*head));
        AppendHeader(out, kChannelHeader);
        for (const ListNode* node = head->first; node; node = node->next) {
            const ConstChannelRecord channel = m_db.ChannelOfPk(node->pk);
            AppendChannelRow(out, channel, node->pk, ServiceClassWord(channel.ServiceTypeCode()));
        }
    }
}

int TextExporter::ListCount(ListKind kind, int instance) const {
    const ListHead* head = m_db.Lists().Head(kind, instance);
    return head ? head->count : 0;
}

std::string ExportFailureText(const std::string& path) {
    return "Error Opening Write source file <" + path + ">";
}

} // namespace vorlane
