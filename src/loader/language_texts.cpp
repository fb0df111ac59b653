#include "loader/language_texts.h"

#include <fstream>
#include <system_error>

namespace vorlane {

namespace {

constexpr std::array<const char*, LanguageTexts::kCount> kDefaultTexts = {
    "Auto Connect to STB",
    "Connect to STB",
    "Disconnect to STB",
    "Port Setup",
    "Send to the STB",
    "Receive from the STB",
    "Disconnected",
    "Connected",
    "Connection failed",
    "The selected file is not acceptable.",
    "Now trying connect to STB. Please wait.",
    "Now erasing the flash. Please wait.",
    "Now writting the flash. Do NOT power off the STB.",
    "The file is not selected.",
    "Can't open the file.",
    "Downloading",
    " ",
    "Completed",
    "Error occurred... Please check the displayed message of the STB",
    "If the 'Loader' message is displayed on the front panel, then press the OK button.",
    "Connected with the monitor",
    "Try to connect with the monitor",
    "Reset your STB(s).",
    "What do you want to receive from the STB?",
    "Force Mode",
    "Download",
    "Receive",
    "Uploading",
    "Searching COM port.. Please Wait!",
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

void LanguageTexts::LoadFile(const std::filesystem::path& filePath) {
    // A folder of that name cannot be opened as a text file either.
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(filePath, error)) {
        in.open(filePath, std::ios::binary);
    }
    if (!in.is_open()) {
        LoadDefaults();
        return;
    }
    LoadLines(in);
}

void LanguageTexts::LoadDefaults() {
    for (int index = 0; index < kCount; ++index) {
        m_texts[index] = kDefaultTexts[index];
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
