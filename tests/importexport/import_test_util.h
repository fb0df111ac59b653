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
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::testing {

inline ConstByteSpan bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// A database as the Open command hands it to a reader, with copies of its records as they were.
class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(1, Init(db));
        satellites.assign(db.satelliteBuffer().begin(), db.satelliteBuffer().end());
        channels.assign(db.channelBuffer().begin(), db.channelBuffer().end());
    }

    using Bytes = std::vector<std::uint8_t>;

    // A fresh database again, as the next Open would make it.
    void restart() {
        Clear(db);
        Deinit(db);
        SetUp();
    }

    // Records as Init left them, and as they are now.
    Bytes initialSatellite(int i) const {
        return slice(satellites.data() + kSatelliteTableOffset, kSatelliteRecordSize, i);
    }
    Bytes initialTransponder(int i) const {
        return slice(satellites.data() + kTransponderTableOffset, kTransponderRecordSize, i);
    }
    Bytes initialChannel(int i) const { return slice(channels.data() + kChannelTableOffset, kChannelRecordSize, i); }
    Bytes satelliteNow(int i) const { return slice(db.arrSatellite(), kSatelliteRecordSize, i); }
    Bytes transponderNow(int i) const { return slice(db.arrTransponder(), kTransponderRecordSize, i); }
    Bytes channelNow(int i) const { return slice(db.arrChannel(), kChannelRecordSize, i); }

    bool tablesUnchanged() const {
        return std::equal(satellites.begin(), satellites.end(), db.satelliteBuffer().begin()) &&
               std::equal(channels.begin(), channels.end(), db.channelBuffer().begin());
    }

    ChannelDatabase db;
    Bytes satellites; // the whole satellite-and-transponder buffer after Init
    Bytes channels;   // the whole channel buffer after Init

private:
    static Bytes slice(const std::uint8_t* table, std::size_t size, int i) {
        const std::uint8_t* record = table + size * static_cast<std::size_t>(i);
        return {record, record + size};
    }
};

// Accepted, satellites, transponders, channels, records not fitted and channels without a transponder.
using Counts = std::array<int, 6>;
inline Counts counts(const ImportResult& r) {
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

    std::string text() const {
        return "SATCODX103" + pad(satellite, 18) + type + "MPG2" + pad(frequency, 6) + pad(polarisation, 4) +
               pad(name, 8) + "0099___     ______" + pad(symbolRate, 5) + "0" + pad(videoPid, 4) + pad(audioPid, 4) +
               pad(pcrPid, 4) + pad(programNumber, 5) + pad(networkId, 5) + pad(transportStreamId, 5) +
               "_____________" + pad(nameRest, 12);
    }

    static std::string pad(const std::string& s, std::size_t width) {
        return s.size() >= width ? s.substr(0, width) : s + std::string(width - s.size(), ' ');
    }
};

} // namespace vorlane::testing
