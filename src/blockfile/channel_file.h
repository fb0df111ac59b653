#pragma once
// Channel files: a complete storage image of the receiver that is at the same time a block file of one channel
// block, its header laid over the image's first 128 bytes. Opening one ignores the header and loads the image.

#include "database/channel_database.h"
#include "storage/image_layout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorlane {

// Every channel file has exactly this length; the block's data are all of it behind the header.
inline constexpr std::size_t kChannelFileSize = kFullImageSize;

// The database as a channel file: stored into a fresh image (which re-sorts the lists into the records' link
// words), with the channel block header and the sum of bytes 0x80 onwards over the first 128 bytes. Empty when
// the database has no tables.
std::vector<std::uint8_t> ChannelFileBytes(ChannelDatabase& db);

} // namespace vorlane
