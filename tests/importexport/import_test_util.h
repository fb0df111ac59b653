#pragma once
// Shared pieces of the import tests.

#include "database/channel_database.h"
#include "database/database_lifecycle.h"
#include "database/list_test_util.h"
#include "database/table_layout.h"
#include "importexport/import_result.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::testing {

inline ConstByteSpan BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// A database as the Open command hands it to a reader, with copies of its records as they were.
class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Init(m_db));
        m_satellites.assign(m_db.SatelliteBuffer().begin(), m_db.SatelliteBuffer().end());
        m_channels.assign(m_db.ChannelBuffer().begin(), m_db.ChannelBuffer().end());
    }

    using Bytes = std::vector<std::uint8_t>;

    // A fresh database again, as the next Open would make it.
    void Restart() {
        Clear(m_db);
        Deinit(m_db);
        SetUp();
    }

    // Records as Init left them, and as they are now.
    Bytes InitialSatellite(int i) const {
        return Slice(m_satellites.data() + kSatelliteTableOffset, kSatelliteRecordSize, i);
    }
    Bytes InitialTransponder(int i) const {
        return Slice(m_satellites.data() + kTransponderTableOffset, kTransponderRecordSize, i);
    }
    Bytes InitialChannel(int i) const { return Slice(m_channels.data() + kChannelTableOffset, kChannelRecordSize, i); }
    Bytes SatelliteNow(int i) const { return Slice(m_db.arrSatellite(), kSatelliteRecordSize, i); }
    Bytes TransponderNow(int i) const { return Slice(m_db.arrTransponder(), kTransponderRecordSize, i); }
    Bytes ChannelNow(int i) const { return Slice(m_db.arrChannel(), kChannelRecordSize, i); }

    bool TablesUnchanged() const {
        return std::equal(m_satellites.begin(), m_satellites.end(), m_db.SatelliteBuffer().begin()) &&
               std::equal(m_channels.begin(), m_channels.end(), m_db.ChannelBuffer().begin());
    }

    ChannelDatabase m_db;
    Bytes m_satellites; // the whole satellite-and-transponder buffer after Init
    Bytes m_channels;   // the whole channel buffer after Init

private:
    static Bytes Slice(const std::uint8_t* table, std::size_t size, int i) {
        const std::uint8_t* record = table + size * static_cast<std::size_t>(i);
        return {record, record + size};
    }
};

// Accepted, satellites, transponders, channels, records not fitted and channels without a transponder.
using Counts = std::array<int, 6>;
inline Counts CountsOf(const ImportResult& r) {
    return {r.accepted, r.satellites, r.transponders, r.channels, r.recordsNotFitted, r.channelsWithoutTransponder};
}

// One SATCODX record of the real files' 127 characters, field by field; the line end is not included.
struct SdxLine {
    std::string satellite = "Testsat 1 (9.9E)";
    char type = 'T';
    std::string frequency = "011303";
    std::string polarisation = "0001";
    std::string name = "Alpha TV";
    std::string symbolRate = "27500";
    std::string videoPid = "____";
    std::string audioPid = "____";
    std::string pcrPid = "____";
    std::string programNumber = "____";
    std::string networkId = "00001";
    std::string transportStreamId = "01007";
    std::string nameRest = "";

    std::string Text() const {
        return "SATCODX103" + Pad(satellite, 18) + type + "MPG2" + Pad(frequency, 6) + Pad(polarisation, 4) +
               Pad(name, 8) + "0099___     ______" + Pad(symbolRate, 5) + "0" + Pad(videoPid, 4) + Pad(audioPid, 4) +
               Pad(pcrPid, 4) + Pad(programNumber, 5) + Pad(networkId, 5) + Pad(transportStreamId, 5) +
               "_____________" + Pad(nameRest, 12);
    }

    static std::string Pad(const std::string& s, std::size_t width) {
        return s.size() >= width ? s.substr(0, width) : s + std::string(width - s.size(), ' ');
    }
};

} // namespace vorlane::testing
