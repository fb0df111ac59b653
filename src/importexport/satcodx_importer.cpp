#include "importexport/satcodx_importer.h"

#include "database/table_layout.h"
#include "importexport/imported_transponder.h"

#include <cstring>
#include <string_view>

namespace vorlane {

namespace {

constexpr int kTestChannel = 0;

} // namespace

ImportResult SatcodxImporter::Read(ChannelDatabase& db, ConstByteSpan buffer) {
    return SatcodxImporter(db).ReadAll(buffer);
}

ImportResult SatcodxImporter::ReadAll(ConstByteSpan buffer) {
    ImportResult result;
    if (!m_db.TablesAllocated() || !StartsWithSatcodxMark(buffer))
        return result;

    bool full = false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = SatcodxRecordEnd(buffer, start);
        const SatcodxRecord record(buffer.subspan(start, end - start));
        full = full || !Store(record);
        if (full)
            ++result.recordsNotFitted;

        start = AfterSatcodxLineEnd(buffer, end);
        if (start == buffer.size()) {
            result.accepted = true;
            break;
        }
        if (!StartsWithSatcodxMark(buffer.subspan(start))) {
            // Once a table is full the import has ended; what follows is only counted.
            result.accepted = full;
            break;
        }
    }
    result.satellites = m_satellite + 1;
    result.transponders = m_transponder + 1;
    result.channels = m_channel + 1;
    return result;
}

bool SatcodxImporter::Store(const SatcodxRecord& record) {
    const SatcodxRecord::SatelliteName name = record.NameOfSatellite();
    // Only a change from the previous record's satellite opens a new slot.
    const bool newSatellite = m_satellite < 0 || name != m_previousSatelliteName;
    const int satellite = newSatellite ? m_satellite + 1 : m_satellite;
    TransponderKey key = KeyOf(record);
    key.satellite = satellite;
    const auto shared = m_transponderSlots.find(key);
    const bool newTransponder = shared == m_transponderSlots.end();
    if (satellite >= kSatelliteCount || (newTransponder && m_transponder + 1 >= kTransponderCount) ||
        m_channel + 1 >= kChannelCount)
        return false;

    m_satellite = satellite;
    m_previousSatelliteName = name;
    ++m_channel;
    WriteSatellite(record);
    if (newTransponder) {
        m_transponderSlots.emplace(key, ++m_transponder);
        m_currentTransponder = m_transponder;
        WriteTransponder(record);
    } else {
        m_currentTransponder = shared->second;
    }
    WriteChannel(record);
    return true;
}

void SatcodxImporter::WriteSatellite(const SatcodxRecord& record) {
    const SatelliteRecord satellite = m_db.Satellite(m_satellite);
    const SatcodxRecord::SatelliteName name = record.NameOfSatellite();
    // All 16 bytes, without a terminator of their own.
    satellite.SetName(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
    satellite.SetTestChannelFrequency(kTestChannel, Field16(record.Frequency()));
    if (const auto polarisation = PolarisationOfSatcodxCode(record.PolarisationCode()))
        satellite.SetTestChannelPolarisation(kTestChannel, static_cast<std::uint16_t>(*polarisation));
}

SatcodxImporter::TransponderKey SatcodxImporter::KeyOf(const SatcodxRecord& record) const {
    TransponderKey key{m_satellite, Field16(record.Frequency()), -1, -1};
    if (const auto digit = record.PolarisationDigit())
        if (const auto polarisation = PolarisationOfSatcodxCode(*digit))
            key.polarisation = static_cast<int>(*polarisation);
    if (const auto symbolRate = record.SymbolRate())
        key.symbolRate = Field16(*symbolRate);
    return key;
}

void SatcodxImporter::WriteTransponder(const SatcodxRecord& record) {
    const TransponderRecord transponder = m_db.Transponder(m_transponder);
    WritePresetNetworkName(transponder);
    transponder.SetFrequency(Field16(record.Frequency()));
    transponder.SetSatelliteLink(transponder.SatelliteLink().WithIndex(static_cast<unsigned>(m_satellite)));
    if (const auto digit = record.PolarisationDigit()) {
        if (const auto polarisation = PolarisationOfSatcodxCode(*digit)) {
            TuningWord tuning = transponder.Tuning();
            tuning.SetPolarisation(*polarisation);
            transponder.SetTuning(tuning);
        }
    }
    if (const auto symbolRate = record.SymbolRate())
        transponder.SetSymbolRate(Field16(*symbolRate));
    if (const auto networkId = record.NetworkId())
        transponder.SetNetworkId(Field16(*networkId));
    if (const auto transportStreamId = record.TransportStreamId())
        transponder.SetTransportStreamId(Field16(*transportStreamId));
}

void SatcodxImporter::WriteChannel(const SatcodxRecord& record) {
    const ChannelRecord channel = m_db.Channel(m_channel);
    if (const auto fullName = record.FullChannelName()) {
        channel.SetName(*fullName);
    } else {
        // Short records give the 8 name bytes and a NUL; the rest of the field stays.
        const ConstByteSpan name = record.ShortChannelName();
        std::uint8_t* field = channel.RecordBytes() + ChannelRecord::kName;
        std::memset(field, 0, SatcodxRecord::kChannelNameLength + 1);
        if (!name.empty())
            std::memcpy(field, name.data(), name.size());
    }
    channel.SetSatelliteLink(TunerSide::Second,
                             channel.SatelliteLink(TunerSide::Second).WithIndex(static_cast<unsigned>(m_satellite)));
    m_placement.Place(channel, record.TypeOfService(), m_satellite, m_currentTransponder);

    if (const auto programNumber = record.ProgramNumber())
        channel.SetProgramNumber(Field16(*programNumber));
    if (const auto videoPid = record.VideoPid())
        channel.SetVideoPid(Field16(*videoPid));
    if (const auto audioPid = record.AudioPid())
        channel.SetAudioPid(0, Field16(*audioPid));
    if (const auto pcrPid = record.PcrPid())
        channel.SetPcrPid(Field16(*pcrPid));
}

} // namespace vorlane
