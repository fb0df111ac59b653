#include "database/link_field.h"

#include "platform/bytes.h"

#include <cstddef>

namespace vorlane {
namespace {

std::size_t fieldOffset(const ListKindInfo& kind, int tunerSide) {
    return kind.linkField + kind.sideStride * static_cast<std::size_t>(tunerSide);
}

} // namespace

void WriteLinkField(const ListKindInfo& kind, std::uint8_t* record, int tunerSide, LinkWord link) {
    std::uint8_t* field = record + fieldOffset(kind, tunerSide);
    switch (kind.linkWidth) {
    case 8:
        field[0] = link.toFavouriteByte();
        break;
    case 16:
        writeLe16(field, link.toForm16());
        break;
    default:
        writeLe32(field, (link.value() & ~LinkWord::kKeptBit) | (readLe32(field) & LinkWord::kKeptBit));
        break;
    }
}

} // namespace vorlane
