#pragma once
// The files opened last, newest first, kept in the profile (section "Recent File List", entries "File1" to
// "File8") for the File menu's "Recent Files".

#include <string>
#include <vector>

namespace vorlane {

class SettingsStore;

class RecentFiles {
public:
    static constexpr std::size_t kMaxFiles = 8;

    explicit RecentFiles(SettingsStore& store);

    // `path` moves to the front (once only); the oldest beyond eight drop out. The profile follows at once.
    void Add(const std::string& path);
    const std::vector<std::string>& Paths() const { return m_paths; }

private:
    SettingsStore& mStore;
    std::vector<std::string> m_paths;
};

} // namespace vorlane
