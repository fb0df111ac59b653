#pragma once
// A settings store that lives only in memory, for tests and for runs that must not touch the user's settings.

#include "platform/settings_store.h"

#include <map>
#include <string>

namespace vorlane {

class MemorySettingsStore : public SettingsStore {
public:
    // An unavailable store behaves like one that cannot be opened: reads fail and writes are refused.
    void SetAvailable(bool available) { m_available = available; }
    std::size_t ValueCount() const { return m_values.size(); }

protected:
    bool IsReadable() const override { return m_available; }
    std::optional<std::string> LoadValue(const std::string& path) const override;
    bool StoreValue(const std::string& path, const std::string& value) override;

private:
    std::map<std::string, std::string> m_values;
    bool m_available = true;
};

} // namespace vorlane
