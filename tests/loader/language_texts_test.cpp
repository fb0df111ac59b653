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

    // "heading\nline 2\n...line n\n", so entry k is expected to read "line k+2".
    void WriteNumberedLines(int lineCount, const char* lineEnd = "\n") const {
        std::string bytes;
        for (int line = 1; line <= lineCount; ++line) {
            bytes += (line == 1 ? std::string("heading") : "line " + std::to_string(line)) + lineEnd;
        }
        WriteFile(bytes);
    }

    LanguageTexts Loaded() const {
        LanguageTexts texts;
        texts.Load(m_folder);
        return texts;
    }

    fs::path m_folder;
};

void ExpectEntriesFromLines(const LanguageTexts& texts, int filledEntries) {
    for (int index = 0; index < LanguageTexts::kCount; ++index) {
        const std::string expected = index < filledEntries ? "line " + std::to_string(index + 2) : "";
        EXPECT_EQ(expected, texts.GetText(index)) << "entry " << index;
    }
}

} // namespace

TEST_F(LanguageTextsTest, WithoutFileTheBuiltInTextsAreUsedExactly) {
    const LanguageTexts texts = Loaded();
    ASSERT_EQ(static_cast<std::size_t>(LanguageTexts::kCount), kBuiltInTexts.size());
    for (int index = 0; index < LanguageTexts::kCount; ++index) {
        EXPECT_EQ(kBuiltInTexts[index], texts.GetText(index)) << "entry " << index;
    }
    EXPECT_EQ("Now writting the flash. Do NOT power off the STB.", texts.GetText(12));
    EXPECT_EQ(" ", texts.GetText(16));
}

TEST_F(LanguageTextsTest, TranslationReplacesTheBuiltInTextsButNotTheFile) {
    LanguageTexts texts;
    texts.SetDefaultTranslation([](const char* english) { return std::string("de:") + english; });
    texts.Load(m_folder);
    EXPECT_EQ("de:Disconnected", texts.GetText(6));
    WriteNumberedLines(30);
    texts.Load(m_folder);
    ExpectEntriesFromLines(texts, 29);
}

TEST_F(LanguageTextsTest, LookupOutsideTheTableIsEmpty) {
    const LanguageTexts texts = Loaded();
    EXPECT_EQ("Searching COM port.. Please Wait!", texts.GetText(28));
    EXPECT_EQ("", texts.GetText(29));
    EXPECT_EQ("", texts.GetText(1000));
    EXPECT_EQ("", texts.GetText(-1));
    EXPECT_EQ("", LanguageTexts().GetText(0)) << "a table that was never loaded holds no texts";
}

TEST_F(LanguageTextsTest, FileShorterThanTheTableLeavesTheRestEmpty) {
    WriteFile("");
    ExpectEntriesFromLines(Loaded(), 0);
    WriteNumberedLines(1);
    ExpectEntriesFromLines(Loaded(), 0);
    WriteNumberedLines(4);
    ExpectEntriesFromLines(Loaded(), 3);
}

TEST_F(LanguageTextsTest, FullFileFillsEveryEntryAndLaterLinesAreIgnored) {
    WriteNumberedLines(30);
    ExpectEntriesFromLines(Loaded(), 29);
    WriteNumberedLines(40);
    const LanguageTexts texts = Loaded();
    ExpectEntriesFromLines(texts, 29);
    EXPECT_EQ("line 30", texts.GetText(28));
    EXPECT_EQ("", texts.GetText(29));
}

TEST_F(LanguageTextsTest, LastLineWithoutLineEndIsStillALine) {
    WriteFile("heading\nline 2\nline 3");
    ExpectEntriesFromLines(Loaded(), 2);
}

TEST_F(LanguageTextsTest, CrLfLineEndsAreNotPartOfTheTexts) {
    WriteNumberedLines(4, "\r\n");
    ExpectEntriesFromLines(Loaded(), 3);
    WriteFile("heading\r\n\r\n  padded  \r\ninner\rcr\r\n");
    const LanguageTexts texts = Loaded();
    EXPECT_EQ("", texts.GetText(0));
    EXPECT_EQ("  padded  ", texts.GetText(1));
    EXPECT_EQ("inner\rcr", texts.GetText(2));
}

TEST_F(LanguageTextsTest, TextBytesAreKeptAsTheFileHoldsThem) {
    WriteFile("Titel\nVerbindung pr\xFC"
              "fen \xE4\xF6\xDF\n\xA0\xFF\n");
    const LanguageTexts texts = Loaded();
    EXPECT_EQ("Verbindung pr\xFC"
              "fen \xE4\xF6\xDF",
              texts.GetText(0));
    EXPECT_EQ("\xA0\xFF", texts.GetText(1));
}

TEST_F(LanguageTextsTest, OverlongLineIsCutToTheSlotAndTakesOnlyItsOwnEntry) {
    const std::string longLine(600, 'x');
    WriteFile("heading\n" + longLine + "\nnext\n");
    const LanguageTexts texts = Loaded();
    EXPECT_EQ(std::string(LanguageTexts::kMaxTextLength, 'x'), texts.GetText(0));
    EXPECT_EQ("next", texts.GetText(1));
    EXPECT_EQ("", texts.GetText(2));
}

TEST_F(LanguageTextsTest, LoadingAgainStartsFromAnEmptyTable) {
    WriteNumberedLines(30);
    LanguageTexts texts;
    texts.Load(m_folder);
    WriteNumberedLines(4);
    texts.Load(m_folder);
    ExpectEntriesFromLines(texts, 3);
}

TEST_F(LanguageTextsTest, FolderNamedLikeTheFileCountsAsNoFile) {
    fs::create_directory(m_folder / "language.ini");
    EXPECT_EQ("Connect to STB", Loaded().GetText(1));
}

TEST_F(LanguageTextsTest, PlainLoadReadsTheWorkingFolder) {
    WriteNumberedLines(4);
    const fs::path previous = fs::current_path();
    fs::current_path(m_folder);
    LanguageTexts texts;
    texts.Load();
    fs::current_path(previous);
    ExpectEntriesFromLines(texts, 3);
}
