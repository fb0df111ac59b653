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
    return static_cast<int>(LinkWord::FromForm16(listLink).Key()) + 1;
}

int Index(LinkWord link) {
    return static_cast<int>(link.Index());
}

int Key(LinkWord link) {
    return static_cast<int>(link.Key());
}

} // namespace

void AppendSatelliteRow(std::string& out, ConstSatelliteRecord satellite) {
    // Only the first switch word is listed, whichever tuner the satellite is connected to.
    const LnbSwitchWord lnb = satellite.LnbSwitch(TunerSide::First);
    AppendFormat(
        out, kSatelliteRowStart, ListNumber(satellite.ListLink()), satellite.Name().c_str(), satellite.MotorIndex(),
        satellite.LnbType() == 0 ? "Single" : "Universal", satellite.LnbHighFrequency(), satellite.LnbLowFrequency(),
        lnb.ToneFlag() ? "ON" : "OFF", lnb.LnbPower() ? "12V" : "Disable", lnb.ToneBurst() ? "SB" : "Off",
        lnb.CableCompensation() ? "+1V" : "0V", DiseqcTypeWord(lnb.DiseqcType()), static_cast<int>(lnb.DiseqcPort()));
    for (int k = 0; k < ConstSatelliteRecord::kTestChannelCount; ++k) {
        if (k > 0)
            out += kTestChannelSeparator;
        AppendFormat(out, kTestChannelColumns, satellite.TestChannelName(k).c_str(), satellite.TestChannelFrequency(k),
                     satellite.TestChannelSymbolRate(k), PolarisationWord(satellite.TestChannelPolarisation(k)),
                     satellite.TestChannelVideoPid(k), satellite.TestChannelAudioPid(k),
                     satellite.TestChannelPcrPid(k));
    }
    out += kRowEnd;
}

void AppendTransponderRow(std::string& out, ConstTransponderRecord transponder, Pk pk, TransponderCounts counts) {
    const TuningWord tuning = transponder.Tuning();
    const LinkWord satelliteLink = transponder.SatelliteLink();
    AppendFormat(out, kTransponderRow, ListNumber(transponder.ListLink()), transponder.NetworkName().c_str(),
                 transponder.Frequency(), transponder.SymbolRate(), PolarisationWord(tuning.PolarisationCode()),
                 FecWord(tuning.Fec()), tuning.FreeToAirOnly() ? "Yes" : "No", transponder.TransportStreamId(),
                 transponder.NetworkId(), counts.tv, counts.radio, counts.data, pk.Value(), Index(satelliteLink),
                 Key(satelliteLink), kAntennaNumber);
}

void AppendChannelRow(std::string& out, ConstChannelRecord channel, Pk pk, const char* classWord) {
    const TunerSide side = pk.Side();
    const ServiceWord service = channel.SidedServiceWord(side);
    const AudioLanguages languages = channel.AudioLanguagesWord();
    const LinkWord fs = channel.FsLink(side);
    const LinkWord sat = channel.SatelliteLink(side);
    const LinkWord tp = channel.TransponderLink(side);
    auto favourite = [&](int group) {
        return static_cast<int>(channel.FavouriteByte(side, group) & kFavouritePositionMask);
    };
    AppendFormat(out, kChannelRow, classWord, Key(channel.MainLink(side)) + 1, channel.Name().c_str(), Index(tp),
                 channel.ProgramNumber(), channel.PmtPid(), channel.VideoPid(), channel.PcrPid(), channel.TeletextPid(),
                 channel.Ac3Pid(), static_cast<int>(service.AudioPidCount()), static_cast<int>(service.SelectedAudio()),
                 channel.AudioPid(0), channel.AudioPid(1), channel.AudioPid(2), channel.AudioPid(3),
                 channel.AudioPid(4), channel.AudioPid(5), static_cast<int>(languages.Language(0)),
                 static_cast<int>(languages.Language(1)), static_cast<int>(languages.Language(2)),
                 static_cast<int>(languages.Language(3)), static_cast<int>(languages.Language(4)),
                 static_cast<int>(languages.Language(5)), service.Scrambled() ? "Scrambled" : " ",
                 AudioModeWord(service.AudioMode()), pk.Value(), Index(fs), Key(fs), Index(sat), Key(sat), Index(tp),
                 Key(tp), favourite(0), favourite(1), favourite(2), favourite(3), favourite(4), favourite(5),
                 favourite(6), favourite(7));
}

} // namespace vorlane
