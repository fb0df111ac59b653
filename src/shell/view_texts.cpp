#include "shell/view_texts.h"

#include "database/settings_record.h"
#include "platform/trace.h"

#include <cstdio>

namespace vorlane {
namespace {

const char* PolarisationWord(unsigned code) {
    static constexpr const char* kWords[] = {"Auto", "Horizontal", "Vertical", ""};
    return kWords[code & 3u];
}

const char* FecWord(unsigned code) {
    static constexpr const char* kWords[] = {"1/2", "2/3", "3/4", "5/6", "7/8", "Auto", "", ""};
    return kWords[code & 7u];
}

// Code 3 ("unused") has no letter of its own.
char PolarisationLetter(unsigned code) {
    static constexpr char kLetters[] = "AHV?";
    return kLetters[code & 3u];
}

} // namespace

std::string CountLabelText(const char* caption, int count) {
    char text[64];
    if (count <= 0)
        std::snprintf(text, sizeof text, "%s", caption);
    else if (count == 1)
        std::snprintf(text, sizeof text, "%s - 1 item", caption);
    else
        std::snprintf(text, sizeof text, "%s - %d items", caption, count);
    return text;
}

std::string FilteredCountLabelText(const char* caption, int shown, int total) {
    return std::string(caption) + " - " + std::to_string(shown) + " of " + std::to_string(total) + " items";
}

std::string SatelliteInformation(const ChannelDatabase& db, int satellite) {
    if (satellite < 0 || satellite >= kSatelliteCount)
        return {};
    const ConstSatelliteRecord record = db.satellite(satellite);
    const int position = record.orbitalPosition();
    char text[128];
    std::snprintf(text, sizeof text, "%s     Longitude: %s %.1f'     ", record.name().c_str(),
                  position >= 0 ? "East" : "West", position / 10.0);
    return text;
}

std::string TransponderInformation(const ChannelDatabase& db, int transponder) {
    if (transponder < 0 || transponder >= kTransponderCount)
        return {};
    const ConstTransponderRecord record = db.transponder(transponder);
    const TuningWord tuning = record.tuning();
    DebugOut("sFlag.fec=%d\n", static_cast<int>(tuning.fec()));
    char text[192];
    std::snprintf(text, sizeof text,
                  "Frequency : %d     Symbol Rate : %d     TSID : %d     Polar : %s     FEC : %s     ",
                  record.frequency(), record.symbolRate(), record.transportStreamId(),
                  PolarisationWord(tuning.polarisation()), FecWord(tuning.fec()));
    return text;
}

std::string FavouriteInformation(ChannelDatabase& db, int group) {
    if (group < 0 || group >= FavouriteGroups::kGroupCount)
        return {};
    const ListHead* head = db.lists().Head(FavouriteKind(group), 0);
    const std::string name = HeldReceiverSettings(db).fav_name(static_cast<std::size_t>(group));
    char text[96];
    std::snprintf(text, sizeof text, "%s     Number of channel: %d", name.c_str(), head ? head->count : 0);
    return text;
}

std::string ChannelInformation(const ChannelDatabase& db, int pk) {
    if (pk < 0 || pk >= kChannelCount * kTunerCount)
        return {};
    const ConstChannelRecord channel = db.channelOfPk(pk);
    const unsigned transponderIndex = channel.transponderLink(TunerSideOfPk(pk)).index();
    if (transponderIndex >= static_cast<unsigned>(kTransponderCount))
        return {};
    const ConstTransponderRecord transponder = db.transponder(static_cast<int>(transponderIndex));
    char text[192];
    std::snprintf(
        text, sizeof text, "%s     Frequency : %d     Polar : %c     SymbolRate : %d     VPID : %6d     APID : %6d",
        channel.name().c_str(), transponder.frequency(), PolarisationLetter(transponder.tuning().polarisation()),
        transponder.symbolRate(), channel.videoPid(), channel.audioPid(0));
    return text;
}

} // namespace vorlane
