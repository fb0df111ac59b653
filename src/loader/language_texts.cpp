#include "loader/language_texts.h"

#include "platform/translatable.h"

#include <fstream>
#include <system_error>

namespace vorlane {

namespace {

constexpr std::array<const char*, LanguageTexts::kCount> kDefaultTexts = {
    VORLANE_TRANSLATABLE("LanguageTexts", "Auto Connect to STB"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Connect to STB"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Disconnect to STB"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Port Setup"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Send to the STB"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Receive from the STB"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Disconnected"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Connected"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Connection failed"),
    VORLANE_TRANSLATABLE("LanguageTexts", "The selected file is not acceptable."),
    VORLANE_TRANSLATABLE("LanguageTexts", "Now trying connect to STB. Please wait."),
    VORLANE_TRANSLATABLE("LanguageTexts", "Now erasing the flash. Please wait."),
    VORLANE_TRANSLATABLE("LanguageTexts", "Now writting the flash. Do NOT power off the STB."),
    VORLANE_TRANSLATABLE("LanguageTexts", "The file is not selected."),
    VORLANE_TRANSLATABLE("LanguageTexts", "Can't open the file."),
    VORLANE_TRANSLATABLE("LanguageTexts", "Downloading"),
    " ",
    VORLANE_TRANSLATABLE("LanguageTexts", "Completed"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Error occurred... Please check the displayed message of the STB"),
    VORLANE_TRANSLATABLE("LanguageTexts",
                         "If the 'Loader' message is displayed on the front panel, then press the OK button."),
    VORLANE_TRANSLATABLE("LanguageTexts", "Connected with the monitor"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Try to connect with the monitor"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Reset your STB(s)."),
    VORLANE_TRANSLATABLE("LanguageTexts", "What do you want to receive from the STB?"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Force Mode"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Download"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Receive"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Uploading"),
    VORLANE_TRANSLATABLE("LanguageTexts", "Searching COM port.. Please Wait!"),
};

// One line without its line end; a CR before the LF (a file written with CRLF line ends) is part of the line end.
// Overlong lines are cut to what a slot holds.
bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        line.clear();
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (line.size() > LanguageTexts::kMaxTextLength) {
        line.resize(LanguageTexts::kMaxTextLength);
    }
    return true;
}

} // namespace

void LanguageTexts::Load() {
    LoadFile(kFileName);
}

void LanguageTexts::Load(const std::filesystem::path& folder) {
    LoadFile(folder / kFileName);
}

void LanguageTexts::Load(const std::vector<std::filesystem::path>& folders) {
    for (const std::filesystem::path& folder : folders) {
        if (LoadedFile(folder / kFileName)) {
            return;
        }
    }
    LoadDefaults();
}

void LanguageTexts::LoadFile(const std::filesystem::path& filePath) {
    if (!LoadedFile(filePath)) {
        LoadDefaults();
    }
}

bool LanguageTexts::LoadedFile(const std::filesystem::path& filePath) {
    // A folder of that name cannot be opened as a text file either.
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(filePath, error)) {
        in.open(filePath, std::ios::binary);
    }
    if (!in.is_open()) {
        return false;
    }
    LoadLines(in);
    return true;
}

void LanguageTexts::LoadDefaults() {
    for (int index = 0; index < kCount; ++index) {
        m_texts[index] = m_translate ? m_translate(kDefaultTexts[index]) : kDefaultTexts[index];
    }
}

void LanguageTexts::LoadLines(std::istream& in) {
    // The file's first line is a heading: it goes into entry 0 and is then overwritten by the second line. The
    // entry whose read meets the end of the file stays empty, and so do all after it; the built-in texts are not
    // used for missing lines.
    m_texts = {};
    if (!ReadLine(in, m_texts[0])) {
        return;
    }
    for (std::string& text : m_texts) {
        if (!ReadLine(in, text)) {
            return;
        }
    }
}

std::string LanguageTexts::GetText(int index) const {
    return index >= 0 && index < kCount ? m_texts[index] : std::string();
}

} // namespace vorlane
