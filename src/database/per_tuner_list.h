#pragma once
// The per-tuner main lists: one list kind for each tuner side and service type, TV first.

#include "database/link_word.h"
#include "database/list_kind.h"
#include "database/tuner_side.h"

#include <cstdint>

namespace vorlane {

constexpr ListKind PerTunerListKind(TunerSide side, ServiceType type) {
    const ListKind tv = side == TunerSide::First ? ListKind::Tuner1Tv : ListKind::Tuner2Tv;
    return static_cast<ListKind>(static_cast<std::uint32_t>(tv) + static_cast<std::uint32_t>(type));
}

} // namespace vorlane
