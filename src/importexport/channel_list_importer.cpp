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
    if (!m_db.tablesAllocated() || !cursor.startsWith(":SAT"))
        return result;

    bool textsRead = true;
    do {
        if (cursor.startsWith(":SAT")) {
            cursor.skip(4);
            textsRead = ReadSatellite(cursor);
        } else if (cursor.startsWith(":TRP")) {
            cursor.skip(4);
            textsRead = ReadTransponder(cursor);
        } else if (cursor.startsWith(":CHN")) {
            cursor.skip(4);
            textsRead = ReadChannel(cursor);
        } else {
            cursor.skip(1);
        }
    } while (textsRead && cursor.FindChar(':'));

    // Once a table is full the import has ended; a broken text after that only ends the count.
    result.accepted = textsRead || m_full;
    result.satellites = m_satellite + 1;
    result.transponders = m_transponder + 1;
    result.channels = m_channel + 1;
    result.recordsNotFitted = m_notFitted;
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

bool ChannelListImporter::ReadSatellite(ChannelListCursor& cursor) {
    const auto name = cursor.QuotedText(kSatelliteNameField);
    if (!name)
        return false;
    const std::int32_t position = NumberToken(cursor);
    if (!TakeSlot(m_satellite, kSatelliteCount))
        return true;

    const SatelliteRecord satellite = m_db.satellite(m_satellite);
    satellite.setName(*name);
    satellite.setOrbitalPosition(static_cast<std::int16_t>(Field16(position)));
    return true;
}

bool ChannelListImporter::ReadTransponder(ChannelListCursor& cursor) {
    const std::int32_t transportStreamId = NumberToken(cursor);
    const std::int32_t frequency = NumberToken(cursor);
    const std::int32_t symbolRate = NumberToken(cursor);
    const std::int32_t networkId = NumberToken(cursor);
    const unsigned polarisation = PolarisationOfToken(cursor.NextToken());
    if (!TakeSlot(m_transponder, kTransponderCount))
        return true;

    const TransponderRecord transponder = m_db.transponder(m_transponder);
    WritePresetNetworkName(transponder);
    transponder.setTransportStreamId(Field16(transportStreamId));
    transponder.setFrequency(Field16(frequency));
    transponder.setSymbolRate(Field16(symbolRate));
    transponder.setNetworkId(Field16(networkId));
    TuningWord tuning = transponder.tuning();
    tuning.setPolarisation(polarisation);
    transponder.setTuning(tuning);
    transponder.setSatelliteLink(transponder.satelliteLink().withIndex(static_cast<unsigned>(m_satellite)));
    return true;
}

bool ChannelListImporter::ReadChannel(ChannelListCursor& cursor) {
    const auto name = cursor.QuotedText(kChannelNameField);
    if (!name)
        return false;
    cursor.NextToken(); // the column after the name is not used
    const ServiceType type = ServiceTypeOfToken(cursor.NextToken());
    if (!TakeSlot(m_channel, kChannelCount))
        return true;

    const ChannelRecord channel = m_db.channel(m_channel);
    channel.setName(*name);
    // Before any ":TRP" the transponder index is -1: all ones in its 14 bits.
    const auto satellite = static_cast<unsigned>(m_satellite);
    const auto transponder = static_cast<unsigned>(m_transponder);
    for (int side = 0; side < kTunerCount; ++side) {
        channel.setSatelliteLink(side, channel.satelliteLink(side).withIndex(satellite));
        channel.setTransponderLink(side, channel.transponderLink(side).withIndex(transponder));
    }
    m_placement.Place(channel, type, m_satellite, m_transponder);
    return true;
}

} // namespace vorlane
