#pragma once
// Sorting a main list for good: the channels are renumbered in the chosen order, unlike the panes'
// sorted view, which only shows them so.

#include "database/channel_database.h"

#include <optional>
#include <string_view>

namespace vorlane {

enum class SortKey { Name, Frequency, ProgramNumber, Satellite };

// "name", "frequency", "sid", "satellite".
std::optional<SortKey> SortKeyOfWord(std::string_view word);

// Renumbers one tuner side's main list of one type in the key's order; ties keep their old order. Names
// compare without case and accents; satellites in the satellite list's order. Lists are rebuilt.
void SortMainList(ChannelDatabase& db, TunerSide side, ServiceType type, SortKey key);

// The main lists of one type on both tuners, as a channel pane shows them, with one rebuild.
void SortBothTuners(ChannelDatabase& db, ServiceType type, SortKey key);

// The TV and radio main lists of both tuners, with one rebuild.
void SortAllMainLists(ChannelDatabase& db, SortKey key);

} // namespace vorlane
