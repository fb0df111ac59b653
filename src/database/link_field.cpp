#include "database/link_field.h"

#include "platform/bytes.h"

#include <cstddef>

namespace vorlane {
namespace {

std::size_t FieldOffset(const ListKindInfo& kind, TunerSide tunerSide) {
    return kind.linkField + kind.sideStride * static_cast<std::size_t>(SideIndex(tunerSide));
}

} // namespace

void WriteLinkField(const ListKindInfo& kind, std::uint8_t* record, TunerSide tunerSide, LinkWord link) {
    std::uint8_t* field = record + FieldOffset(kind, tunerSide);
    switch (kind.linkWidth) {
    case 8:
        field[0] = link.ToFavouriteByte();
        break;
    case 16:
        WriteLe16(field, link.ToForm16());
        break;
    default:
        WriteLe32(field, (link.Value() & ~LinkWord::kKeptBit) | (ReadLe32(field) & LinkWord::kKeptBit));
        break;
    }
}

} // namespace vorlane
