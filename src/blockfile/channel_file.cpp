#include "blockfile/channel_file.h"

#include "blockfile/block_header.h"
#include "database/database_image.h"

namespace vorlane {

std::vector<std::uint8_t> ChannelFileBytes(ChannelDatabase& db) {
    std::vector<std::uint8_t> image = StoreIntoImage(db);
    if (image.size() != kChannelFileSize || !WriteChannelBlockHeader(image))
        return {};
    return image;
}

} // namespace vorlane
