#include "shell/pane_widths.h"

#include "platform/settings_store.h"

namespace vorlane {
namespace {

constexpr const char* kSatelliteKey = "SatelliteWidth";
constexpr const char* kListsKey = "ListWidth";
constexpr const char* kTvKey = "TvWidth";

} // namespace

void PaneWidths::Load(const SettingsStore& store) {
    satellite = store.ReadProfileNumber(kSection, kSatelliteKey, kDefaultListWidth);
    lists = store.ReadProfileNumber(kSection, kListsKey, kDefaultListWidth);
    tv = store.ReadProfileNumber(kSection, kTvKey, kShared);
}

void PaneWidths::Save(SettingsStore& store) const {
    store.WriteProfileNumber(kSection, kSatelliteKey, satellite);
    store.WriteProfileNumber(kSection, kListsKey, lists);
    store.WriteProfileNumber(kSection, kTvKey, tv);
}

} // namespace vorlane
