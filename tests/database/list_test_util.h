#pragma once
// Small readers and loaders shared by the database tests.

#include "database/channel_database.h"
#include "database/database_image.h"
#include "database/database_lifecycle.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorlane::testing {

// A record of `size` bytes, 0xFF (the erased fill) except for the hex bytes written at their offsets.
inline std::vector<std::uint8_t> RecordOf(std::size_t size,
                                          std::initializer_list<std::pair<std::size_t, std::string_view>> fields) {
    std::vector<std::uint8_t> bytes(size, 0xFF);
    for (const auto& [offset, hex] : fields)
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            bytes.at(offset + i / 2) = static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return bytes;
}

inline std::vector<std::uint8_t> BytesAt(const std::uint8_t* bytes, std::size_t size) {
    return {bytes, bytes + size};
}

inline std::vector<int> PksOf(const ChannelDatabase& db, ListKind kind, int instance = 0) {
    std::vector<int> pks;
    const ListHead* head = db.Lists().Head(kind, instance);
    for (const ListNode* node = head ? head->first : nullptr; node; node = node->next)
        pks.push_back(node->pk);
    return pks;
}

inline std::vector<unsigned> KeysOf(const ChannelDatabase& db, ListKind kind, int instance) {
    std::vector<unsigned> keys;
    const ListHead* head = db.Lists().Head(kind, instance);
    for (const ListNode* node = head ? head->first : nullptr; node; node = node->next)
        keys.push_back(node->link.Key());
    return keys;
}

// A database loaded from the image, with its lists built, as opening a channel file leaves it.
inline void OpenImage(ChannelDatabase& db, std::vector<std::uint8_t> image) {
    Clear(db);
    Deinit(db);
    db.SetReceiverModel(1);
    ASSERT_EQ(1, Init(db));
    db.FileBuffer() = std::move(image);
    ASSERT_EQ(1, LoadFromImage(db, db.FileBuffer()));
    ASSERT_GE(db.BuildAllLists(), 0);
}

} // namespace vorlane::testing
