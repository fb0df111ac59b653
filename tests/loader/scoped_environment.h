#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace vorlane::testing {

// Sets an environment variable (or unsets it, for nullptr) for its lifetime; then the old value is back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_saved = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { m_saved ? setenv(m_name, m_saved->c_str(), 1) : unsetenv(m_name); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

} // namespace vorlane::testing
