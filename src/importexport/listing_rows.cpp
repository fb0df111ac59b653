#include "importexport/listing_rows.h"

#include "importexport/append_format.h"
#include "importexport/listing_words.h"

namespace vorlane {
namespace {

constexpr const char* kSatelliteRowStart =
    "%-4d | %-20s| %-17d  | %-9s | %-10d | %-10d | %-3s | %-7s | %-10s | %-10s | "
    "%-11s | %-11d | ";
// The seven columns of a test channel repeat for each of the three, joined by a bar.
constexpr const char* kTestChannelColumns = "%-23s | %-9d | %-7d | %-10s | %-5d | %-5d | %-5d ";
constexpr const char* kTestChannelSeparator = "| ";
constexpr const char* kRowEnd = "\r\n";

constexpr const char* kTransponderRow = "%-4d | %-14s | %-6d | %-11d | %-12s | %-4s | %-8s | %-5d | %-5d | %-9d | "
                                        "%-12d | %-11d | %-4d | %-7d | %-7d | %-7d |\r\n";

constexpr const char* kChannelRow =
    "%-5s | %-7d | %-22s | %-6d | %-8d | %-5d | %-5d | %-5d | %-5d | %-5d | %-15d | %-18d | "
    "%-10d | %-10d | %-10d | %-10d | %-10d | %-10d | %-6d | %-6d | %-6d | %-6d | %-6d | %-6d | "
    "%-10s | %-10s | %-5d | %-6d | %-6d | %-7d | %-7d | %-6d | %-6d | "
    "%-9d | %-5d | %-5d | %-5d | %-5d | %-5d | %-5d | %-5d |\r\n";

// The antenna column always shows the first antenna.
constexpr int kAntennaNumber = 1;
constexpr unsigned kFavouritePositionMask = 0x7F;

// The number shown for a 16-bit list link: its key plus 1.
int ListNumber(std::uint16_t listLink) {
    return static_cast<int>(LinkWord::FromForm16(listLink).key()) + 1;
}

int Index(LinkWord link) {
    return static_cast<int>(link.index());
}

int Key(LinkWord link) {
    return static_cast<int>(link.key());
}

} // namespace

void AppendSatelliteRow(std::string& out, ConstSatelliteRecord satellite) {
    // Only the first switch word is listed, whichever tuner the satellite is connected to.
    const LnbSwitchWord lnb = satellite.lnbSwitch(0);
    AppendFormat(
        out, kSatelliteRowStart, ListNumber(satellite.listLink()), satellite.name().c_str(), satellite.motorIndex(),
        satellite.lnbType() == 0 ? "Single" : "Universal", satellite.lnbHighFrequency(), satellite.lnbLowFrequency(),
        lnb.toneFlag() ? "ON" : "OFF", lnb.lnbPower() ? "12V" : "Disable", lnb.toneBurst() ? "SB" : "Off",
        lnb.cableCompensation() ? "+1V" : "0V", DiseqcTypeWord(lnb.diseqcType()), static_cast<int>(lnb.diseqcPort()));
    for (int k = 0; k < ConstSatelliteRecord::kTestChannelCount; ++k) {
        if (k > 0)
            out += kTestChannelSeparator;
        AppendFormat(out, kTestChannelColumns, satellite.testChannelName(k).c_str(), satellite.testChannelFrequency(k),
                     satellite.testChannelSymbolRate(k), PolarisationWord(satellite.testChannelPolarisation(k)),
                     satellite.testChannelVideoPid(k), satellite.testChannelAudioPid(k),
                     satellite.testChannelPcrPid(k));
    }
    out += kRowEnd;
}

void AppendTransponderRow(std::string& out, ConstTransponderRecord transponder, int pk, TransponderCounts counts) {
    const TuningWord tuning = transponder.tuning();
    const LinkWord satelliteLink = transponder.satelliteLink();
    AppendFormat(out, kTransponderRow, ListNumber(transponder.listLink()), transponder.networkName().c_str(),
                 transponder.frequency(), transponder.symbolRate(), PolarisationWord(tuning.polarisation()),
                 FecWord(tuning.fec()), tuning.freeToAirOnly() ? "Yes" : "No", transponder.transportStreamId(),
                 transponder.networkId(), counts.tv, counts.radio, counts.data, pk, Index(satelliteLink),
                 Key(satelliteLink), kAntennaNumber);
}

void AppendChannelRow(std::string& out, ConstChannelRecord channel, int pk, const char* classWord) {
    const int side = TunerSideOfPk(pk);
    const ServiceWord service = channel.serviceWord(side);
    const AudioLanguages languages = channel.audioLanguages();
    const LinkWord fs = channel.fsLink(side);
    const LinkWord sat = channel.satelliteLink(side);
    const LinkWord tp = channel.transponderLink(side);
    auto favourite = [&](int group) {
        return static_cast<int>(channel.favouriteByte(side, group) & kFavouritePositionMask);
    };
    AppendFormat(out, kChannelRow, classWord, Key(channel.mainLink(side)) + 1, channel.name().c_str(), Index(tp),
                 channel.programNumber(), channel.pmtPid(), channel.videoPid(), channel.pcrPid(), channel.teletextPid(),
                 channel.ac3Pid(), static_cast<int>(service.audioPidCount()), static_cast<int>(service.selectedAudio()),
                 channel.audioPid(0), channel.audioPid(1), channel.audioPid(2), channel.audioPid(3),
                 channel.audioPid(4), channel.audioPid(5), static_cast<int>(languages.language(0)),
                 static_cast<int>(languages.language(1)), static_cast<int>(languages.language(2)),
                 static_cast<int>(languages.language(3)), static_cast<int>(languages.language(4)),
                 static_cast<int>(languages.language(5)), service.scrambled() ? "Scrambled" : " ",
                 AudioModeWord(service.audioMode()), pk, Index(fs), Key(fs), Index(sat), Key(sat), Index(tp), Key(tp),
                 favourite(0), favourite(1), favourite(2), favourite(3), favourite(4), favourite(5), favourite(6),
                 favourite(7));
}

} // namespace vorlane
