#pragma once
// Reading and writing a list's link field inside a record in the field's own width.

#include "database/link_word.h"
#include "database/list_kind.h"

#include <cstdint>

namespace vorlane {

// The field of the given tuner side as a 32-bit link word.
LinkWord ReadLinkField(const ListKindInfo& kind, const std::uint8_t* record, int tunerSide);

// Stores the link word in the field's width; a 32-bit field keeps its own bit 31.
void WriteLinkField(const ListKindInfo& kind, std::uint8_t* record, int tunerSide, LinkWord link);

} // namespace vorlane
