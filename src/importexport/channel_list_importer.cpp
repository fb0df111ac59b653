#include "importexport/channel_list_importer.h"

#include "database/table_layout.h"
#include "importexport/decimal_field.h"
#include "importexport/imported_transponder.h"

#include <string>

namespace vorlane {

namespace {

constexpr std::size_t kSatelliteNameField = 16;
constexpr std::size_t kChannelNameField = 20;

std::int32_t NumberToken(ChannelListCursor& cursor) {
    const std::string token = cursor.NextToken();
    return DecimalOrZero(ConstByteSpan(reinterpret_cast<const std::uint8_t*>(token.data()), token.size()));
}

unsigned PolarisationOfToken(const std::string& token) {
    if (token.starts_with('H'))
        return kPolarisationHorizontal;
    if (token.starts_with('V'))
        return kPolarisationVertical;
    return kPolarisationAuto;
}

ServiceType ServiceTypeOfToken(const std::string& token) {
    if (token.starts_with('R'))
        return ServiceType::Radio;
    if (token.starts_with('T'))
        return ServiceType::Tv;
    return ServiceType::Data;
}

} // namespace

ImportResult ChannelListImporter::Read(ChannelDatabase& db, ConstByteSpan buffer) {
    return ChannelListImporter(db).ReadAll(buffer);
}

ImportResult ChannelListImporter::ReadAll(ConstByteSpan buffer) {
    ImportResult result;
    ChannelListCursor cursor(buffer);
    if (!m_db.TablesAllocated() || !cursor.StartsWith(":SAT"))
        return result;

    do {
        if (cursor.StartsWith(":SAT")) {
            cursor.Skip(4);
            ReadSatellite(cursor);
        } else if (cursor.StartsWith(":TRP")) {
            cursor.Skip(4);
            ReadTransponder(cursor);
        } else if (cursor.StartsWith(":CHN")) {
            cursor.Skip(4);
            ReadChannel(cursor);
        } else {
            cursor.Skip(1);
        }
    } while (cursor.FindChar(':'));

    result.accepted = true;
    result.satellites = m_satellite + 1;
    result.transponders = m_transponder + 1;
    result.channels = m_channel + 1;
    result.recordsNotFitted = m_notFitted;
    result.channelsWithoutTransponder = m_withoutTransponder;
    return result;
}

bool ChannelListImporter::TakeSlot(int& slot, int capacity) {
    if (!m_full && slot + 1 >= capacity)
        m_full = true;
    if (m_full) {
        ++m_notFitted;
        return false;
    }
    ++slot;
    return true;
}

void ChannelListImporter::ReadSatellite(ChannelListCursor& cursor) {
    const std::string name = cursor.QuotedText(kSatelliteNameField);
    const std::int32_t position = NumberToken(cursor);
    if (!TakeSlot(m_satellite, kSatelliteCount))
        return;

    m_satelliteHasTransponder = false;
    const SatelliteRecord satellite = m_db.Satellite(m_satellite);
    satellite.SetName(name);
    satellite.SetOrbitalPosition(static_cast<std::int16_t>(Field16(position)));
}

void ChannelListImporter::ReadTransponder(ChannelListCursor& cursor) {
    const std::int32_t transportStreamId = NumberToken(cursor);
    const std::int32_t frequency = NumberToken(cursor);
    const std::int32_t symbolRate = NumberToken(cursor);
    const std::int32_t networkId = NumberToken(cursor);
    const unsigned polarisation = PolarisationOfToken(cursor.NextToken());
    if (!TakeSlot(m_transponder, kTransponderCount))
        return;

    const TransponderRecord transponder = m_db.Transponder(m_transponder);
    WritePresetNetworkName(transponder);
    transponder.SetTransportStreamId(Field16(transportStreamId));
    transponder.SetFrequency(Field16(frequency));
    transponder.SetSymbolRate(Field16(symbolRate));
    transponder.SetNetworkId(Field16(networkId));
    TuningWord tuning = transponder.Tuning();
    tuning.SetPolarisation(polarisation);
    transponder.SetTuning(tuning);
    transponder.SetSatelliteLink(transponder.SatelliteLink().WithIndex(static_cast<unsigned>(m_satellite)));
    m_satelliteHasTransponder = true;
}

void ChannelListImporter::ReadChannel(ChannelListCursor& cursor) {
    const std::string name = cursor.QuotedText(kChannelNameField);
    cursor.NextToken(); // the column after the name is not used
    const ServiceType type = ServiceTypeOfToken(cursor.NextToken());
    // A channel with no transponder of its satellite to point at would reach the receiver with a broken link.
    if (!m_full && !m_satelliteHasTransponder) {
        ++m_withoutTransponder;
        return;
    }
    if (!TakeSlot(m_channel, kChannelCount))
        return;

    const ChannelRecord channel = m_db.Channel(m_channel);
    channel.SetName(name);
    const auto satellite = static_cast<unsigned>(m_satellite);
    const auto transponder = static_cast<unsigned>(m_transponder);
    for (const TunerSide side : kTunerSides) {
        channel.SetSatelliteLink(side, channel.SatelliteLink(side).WithIndex(satellite));
        channel.SetTransponderLink(side, channel.TransponderLink(side).WithIndex(transponder));
    }
    m_placement.Place(channel, type, m_satellite, m_transponder);
}

} // namespace vorlane
