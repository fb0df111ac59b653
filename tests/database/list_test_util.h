#pragma once
// Small readers and loaders shared by the database tests.

#include "database/channel_database.h"
#include "database/database_image.h"
#include "database/database_lifecycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// A copy of `N` record bytes; without a source, an erased record.
template <std::size_t N> std::array<std::uint8_t, N> CopyOf(const std::uint8_t* bytes = nullptr) {
    std::array<std::uint8_t, N> copy;
    copy.fill(0xFF);
    if (bytes)
        std::copy_n(bytes, N, copy.begin());
    return copy;
}

// The favourite bytes of `group` on `side` of slots 0 to count - 1.
inline std::vector<int> FavouriteBytes(const ChannelDatabase& db, TunerSide side, int group, int count) {
    std::vector<int> bytes;
    for (int slot = 0; slot < count; ++slot)
        bytes.push_back(db.Channel(slot).FavouriteByte(side, group));
    return bytes;
}

// What `of` gives for each node of the list, in list order.
template <class Of> auto NodesOf(const ChannelDatabase& db, ListKind kind, int instance, Of of) {
    std::vector<decltype(of(std::declval<const ListNode&>()))> values;
    const ListHead* head = db.Lists().Head(kind, instance);
    for (const ListNode* node = head ? head->first.get() : nullptr; node; node = node->next)
        values.push_back(of(*node));
    return values;
}

// The PKs of the list as numbers, in list order: what tests compare with their expected lists.
inline std::vector<int> PksOf(const ChannelDatabase& db, ListKind kind, int instance = 0) {
    return NodesOf(db, kind, instance, [](const ListNode& node) { return static_cast<int>(node.pk.Value()); });
}

// The PKs of the list, in list order, for the calls that take them.
inline std::vector<Pk> PkListOf(const ChannelDatabase& db, ListKind kind, int instance = 0) {
    return NodesOf(db, kind, instance, [](const ListNode& node) { return node.pk; });
}

// PKs from their numbers, for the calls that take them.
inline std::vector<Pk> AsPks(const std::vector<int>& numbers) {
    std::vector<Pk> pks;
    for (const int number : numbers)
        pks.push_back(Pk(static_cast<std::uint16_t>(number)));
    return pks;
}

// A database loaded from the image, with its lists built, as opening a channel file leaves it.
inline void OpenImage(ChannelDatabase& db, std::vector<std::uint8_t> image) {
    Clear(db);
    Deinit(db);
    db.SetReceiverModel(1);
    ASSERT_TRUE(Init(db));
    db.FileBuffer() = std::move(image);
    ASSERT_TRUE(LoadFromImage(db, db.FileBuffer()));
    ASSERT_TRUE(db.BuildAllLists().has_value());
}

} // namespace vorlane::testing
