#pragma once
// The 29 interface texts of the loader's connection group and transfer messages, looked up by index. They come
// from a "language.ini" when one is found, else from the built-in English texts (or their translation, when the
// user interface gives one).
// Texts are bytes as the file holds them (ISO-8859-1); no conversion is done here.

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vorlane {

class LanguageTexts {
public:
    static constexpr int kCount = 29;
    // Each text lives in a slot of this many bytes including its terminating zero.
    static constexpr std::size_t kSlotSize = 255;
    static constexpr std::size_t kMaxTextLength = kSlotSize - 1;
    static constexpr const char* kFileName = "language.ini";

    // Starts with every entry empty; Load fills the table.
    LanguageTexts() = default;

    // Gives the built-in texts in the user's language; "language.ini" still replaces them all. Set before Load.
    using DefaultTranslation = std::function<std::string(const char* english)>;
    void SetDefaultTranslation(DefaultTranslation translate) { m_translate = std::move(translate); }

    // Reads "language.ini" from the working folder.
    void Load();
    // Reads "language.ini" from `folder`.
    void Load(const std::filesystem::path& folder);
    // Reads "language.ini" from the first of `folders` that has one that opens.
    void Load(const std::vector<std::filesystem::path>& folders);

    // A copy of entry `index`; an empty string for any index outside 0..28.
    std::string GetText(int index) const;

private:
    void LoadFile(const std::filesystem::path& filePath);
    bool LoadedFile(const std::filesystem::path& filePath);
    void LoadDefaults();
    void LoadLines(std::istream& in);

    std::array<std::string, kCount> m_texts;
    DefaultTranslation m_translate;
};

} // namespace vorlane
