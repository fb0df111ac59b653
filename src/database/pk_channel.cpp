#include "database/pk_channel.h"

#include <algorithm>
#include <cstring>

namespace vorlane {

int RebuildPkChannel(ChannelDatabase& db) {
    const ByteSpan entries = db.PkChannel();
    const std::span<std::int32_t> positions = db.PkPositions();
    std::fill(entries.begin(), entries.end(), std::uint8_t{0});
    std::fill(positions.begin(), positions.end(), -1);
    const std::size_t capacity = entries.size() / ChannelDatabase::kPkChannelEntrySize;
    std::size_t n = 0;
    for (const ListKind kind : {ListKind::TvChannels, ListKind::RadioChannels}) {
        const ListHead* head = db.Lists().Head(kind, 0);
        for (const ListNode* node = head ? head->first.get() : nullptr; node && n < capacity; node = node->next, ++n) {
            std::uint8_t* entry = entries.data() + n * ChannelDatabase::kPkChannelEntrySize;
            std::memcpy(entry, db.ChannelOfPk(node->pk).RecordBytes(), kChannelRecordSize);
            WriteLe16(entry + kChannelRecordSize, node->pk.Value());
            if (node->pk.Value() < positions.size())
                positions[node->pk.Value()] = static_cast<std::int32_t>(n);
        }
    }
    return static_cast<int>(n);
}

} // namespace vorlane
