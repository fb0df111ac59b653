#pragma once
// A fresh folder under the system's temporary folder for one test, removed with everything in it afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace vorlane {

class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view prefix) {
        std::string pattern = (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool Valid() const { return !m_path.empty(); }
    const std::filesystem::path& Path() const { return m_path; }
    std::string PathIn(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace vorlane
