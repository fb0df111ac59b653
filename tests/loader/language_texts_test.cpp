#include "loader/language_texts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace vorlane;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kBuiltInTexts = {
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

class LanguageTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vorlane-language-XXXXXX").string();
        ASSERT_NE(nullptr, mkdtemp(pattern.data()));
        m_folder = pattern;
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void WriteFile(const std::string& bytes) const {
        std::ofstream out(m_folder / "language.ini", std::ios::binary);
        out << bytes;
    }

    LanguageTexts Loaded() const {
        LanguageTexts texts;
        texts.Load(m_folder);
        return texts;
    }

    fs::path m_folder;
};

// "heading\nline 2\n...line n\n": entry k reads "line k+2".
std::string NumberedLines(int lineCount, const std::string& lineEnd = "\n") {
    std::string bytes;
    for (int line = 1; line <= lineCount; ++line)
        bytes += (line == 1 ? std::string("heading") : "line " + std::to_string(line)) + lineEnd;
    return bytes;
}

std::vector<std::string> LinesFromTwo(int filledEntries) {
    std::vector<std::string> texts;
    for (int index = 0; index < filledEntries; ++index)
        texts.push_back("line " + std::to_string(index + 2));
    return texts;
}

// Every entry past the expected ones is empty.
void ExpectTexts(const LanguageTexts& texts, const std::vector<std::string>& expected) {
    for (int index = 0; index < LanguageTexts::kCount; ++index) {
        const std::size_t at = static_cast<std::size_t>(index);
        EXPECT_EQ(at < expected.size() ? expected[at] : "", texts.GetText(index)) << "entry " << index;
    }
}

} // namespace

TEST_F(LanguageTextsTest, WithoutFileTheBuiltInTextsAreUsedExactly) {
    const LanguageTexts texts = Loaded();
    ASSERT_EQ(static_cast<std::size_t>(LanguageTexts::kCount), kBuiltInTexts.size());
    for (int index = 0; index < LanguageTexts::kCount; ++index) {
        EXPECT_EQ(kBuiltInTexts[index], texts.GetText(index)) << "entry " << index;
    }
    for (const int outside : {LanguageTexts::kCount, 1000, -1})
        EXPECT_EQ("", texts.GetText(outside)) << outside;
    EXPECT_EQ("", LanguageTexts().GetText(0)) << "a table that was never loaded holds no texts";
}

TEST_F(LanguageTextsTest, TranslationReplacesTheBuiltInTextsButNotTheFile) {
    LanguageTexts texts;
    texts.SetDefaultTranslation([](const char* english) { return std::string("de:") + english; });
    texts.Load(m_folder);
    EXPECT_EQ("de:Disconnected", texts.GetText(6));
    WriteFile(NumberedLines(30));
    texts.Load(m_folder);
    ExpectTexts(texts, LinesFromTwo(29));
}

TEST_F(LanguageTextsTest, FileLinesFillTheTableFromTheSecondLine) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {"empty file", "", {}},
        {"heading only", NumberedLines(1), {}},
        {"shorter than the table", NumberedLines(4), LinesFromTwo(3)},
        {"full table", NumberedLines(30), LinesFromTwo(29)},
        {"later lines ignored", NumberedLines(40), LinesFromTwo(29)},
        {"last line without line end", "heading\nline 2\nline 3", LinesFromTwo(2)},
        {"CR LF line ends", NumberedLines(4, "\r\n"), LinesFromTwo(3)},
        {"lone CR and spaces kept", "heading\r\n\r\n  padded  \r\ninner\rcr\r\n", {"", "  padded  ", "inner\rcr"}},
        {"bytes kept as held",
         "Titel\nVerbindung pr\xFC"
         "fen \xE4\xF6\xDF\n\xA0\xFF\n",
         {"Verbindung pr\xFC"
          "fen \xE4\xF6\xDF",
          "\xA0\xFF"}},
        {"overlong line cut to its slot",
         "heading\n" + std::string(600, 'x') + "\nnext\n",
         {std::string(LanguageTexts::kMaxTextLength, 'x'), "next"}},
    };
    LanguageTexts reused; // loading again starts from an empty table
    reused.Load(m_folder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(c.bytes);
        ExpectTexts(Loaded(), c.texts);
        reused.Load(m_folder);
        ExpectTexts(reused, c.texts);
    }
}

// The first folder in the list whose "language.ini" opens gives all texts; a folder of that name is no file.
TEST_F(LanguageTextsTest, FirstFolderWithAFileWins) {
    enum Holds { Nothing, File, Folder };
    struct Case {
        const char* what;
        std::vector<Holds> folders;
        const char* expected; // entry 1: "Connect to STB" or the winning folder's number
    };
    const std::vector<Case> cases = {
        {"no file anywhere", {Nothing, Nothing, Nothing}, "Connect to STB"},
        {"folder named like the file", {Folder}, "Connect to STB"},
        {"only the last", {Nothing, Nothing, File}, "folder 2"},
        {"a folder named like the file is passed over", {Folder, File, File}, "folder 1"},
        {"the first of several", {File, Nothing, File}, "folder 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<fs::path> folders;
        for (std::size_t i = 0; i < c.folders.size(); ++i) {
            const fs::path folder = m_folder / c.what / std::to_string(i);
            fs::create_directories(folder);
            if (c.folders[i] == File)
                std::ofstream(folder / "language.ini", std::ios::binary) << "heading\nx\nfolder " << i << "\n";
            if (c.folders[i] == Folder)
                fs::create_directory(folder / "language.ini");
            folders.push_back(folder);
        }
        LanguageTexts texts;
        texts.Load(folders);
        EXPECT_EQ(c.expected, texts.GetText(1));
    }
}

TEST_F(LanguageTextsTest, PlainLoadReadsTheWorkingFolder) {
    WriteFile(NumberedLines(4));
    const fs::path previous = fs::current_path();
    fs::current_path(m_folder);
    LanguageTexts texts;
    texts.Load();
    fs::current_path(previous);
    ExpectTexts(texts, LinesFromTwo(3));
}
