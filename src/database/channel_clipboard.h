#pragma once
// Copy and paste of channels, also between files: a copied channel carries its record and where it is received
// (satellite position, frequency, polarisation, symbol rate), so that a paste can put it on the matching
// transponder of any database. The clipboard form is a byte block; a text form serves spreadsheets and mail.

#include "database/channel_database.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorlane {

struct CopiedChannel {
    std::array<std::uint8_t, kChannelRecordSize> record{};
    TunerSide side = TunerSide::First;
    std::int16_t satellitePosition = 0;
    std::uint16_t frequency = 0;
    std::uint16_t symbolRate = 0;
    unsigned polarisation = 0;
};

// The listed channel sides (PKs) as copies; sides whose transponder is not in use are left out.
std::vector<CopiedChannel> CopyChannels(const ChannelDatabase& db, std::span<const Pk> pks);

// One line per side, tab-separated: number, name, satellite, frequency, polarisation ("H", "V" or "A"),
// symbol rate, program number.
std::string ChannelsAsText(const ChannelDatabase& db, std::span<const Pk> pks);

// The clipboard's byte block, and back; a block that is not one of ours reads as no channels.
std::vector<std::uint8_t> EncodeCopiedChannels(std::span<const CopiedChannel> channels);
std::vector<CopiedChannel> DecodeCopiedChannels(std::span<const std::uint8_t> bytes);

// Adds the copies as new channels of `type` right after `afterPk` (its tuner side's numbering; none: at the end).
// Each goes on the transponder with its frequency, polarisation and symbol rate on a satellite at its position,
// which is created there when missing and the table has room; a copy without such a satellite, or without room,
// is left out, as is a copy of another type. Favourite memberships are not copied. Sets the modified flag when anything
// was added and returns the new PKs.
std::vector<Pk> PasteChannels(ChannelDatabase& db, ServiceType type, std::optional<Pk> afterPk,
                              std::span<const CopiedChannel> channels);

} // namespace vorlane
