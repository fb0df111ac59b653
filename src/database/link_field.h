#pragma once
// Reading and writing a list's link field inside a record in the field's own width.

#include "database/link_word.h"
#include "database/list_kind.h"
#include "database/tuner_side.h"
#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>

namespace vorlane {

// The field of the given tuner side as a 32-bit link word. Inline: list builds and checks read it for every
// record side of every kind.
inline LinkWord ReadLinkField(const ListKindInfo& kind, const std::uint8_t* record, TunerSide tunerSide) {
    const std::uint8_t* field =
        record + kind.linkField + kind.sideStride * static_cast<std::size_t>(SideIndex(tunerSide));
    switch (kind.linkWidth) {
    case 8:
        return LinkWord::FromFavouriteByte(field[0], tunerSide);
    case 16:
        return LinkWord::FromForm16(ReadLe16(field));
    default:
        return LinkWord(ReadLe32(field));
    }
}

// Stores the link word in the field's width; a 32-bit field keeps its own bit 31.
void WriteLinkField(const ListKindInfo& kind, std::uint8_t* record, TunerSide tunerSide, LinkWord link);

} // namespace vorlane
