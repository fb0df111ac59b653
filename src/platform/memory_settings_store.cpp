#include "platform/memory_settings_store.h"

namespace vorlane {

std::optional<std::string> MemorySettingsStore::LoadValue(const std::string& path) const {
    const auto found = m_values.find(path);
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemorySettingsStore::StoreValue(const std::string& path, const std::string& value) {
    if (!m_available) {
        return false;
    }
    m_values[path] = value;
    return true;
}

} // namespace vorlane
