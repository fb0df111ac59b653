#include "shell/recent_files.h"

#include "platform/settings_store.h"

#include <algorithm>

namespace vorlane {
namespace {

constexpr const char* kSection = "Recent File List";

std::string EntryName(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(SettingsStore& store) : mStore(store) {
    for (std::size_t i = 0; i < kMaxFiles; ++i) {
        std::string path = mStore.ReadProfileText(kSection, EntryName(i), "");
        if (!path.empty())
            m_paths.push_back(std::move(path));
    }
}

void RecentFiles::Add(const std::string& path) {
    std::erase(m_paths, path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kMaxFiles)
        m_paths.resize(kMaxFiles);
    for (std::size_t i = 0; i < kMaxFiles; ++i)
        mStore.WriteProfileText(kSection, EntryName(i), i < m_paths.size() ? m_paths[i] : std::string());
}

} // namespace vorlane
