#include "loader/language_texts.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

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

// Each row writes language.ini (or not) and loads the table: without a file the built-in texts (translated when
// a translation is set), with one its lines from the second on.
TEST(LanguageTextsTest, IniContentGivesTheTexts) {
    enum class Setup { File, NoFile, Folder, Translated, WorkingFolder };
    struct Case {
        const char* what;
        Setup setup;
        std::string bytes;
        std::vector<std::string> texts;
    };
    std::vector<std::string> translated;
    for (const std::string& text : kBuiltInTexts)
        translated.push_back("de:" + text);
    const std::vector<Case> cases = {
        {"no file", Setup::NoFile, "", kBuiltInTexts},
        {"folder named like the file", Setup::Folder, "", kBuiltInTexts},
        {"no file, translated", Setup::Translated, "", translated},
        {"file wins over the translation", Setup::Translated, NumberedLines(30), LinesFromTwo(29)},
        {"plain load reads the working folder", Setup::WorkingFolder, NumberedLines(4), LinesFromTwo(3)},
        {"empty file", Setup::File, "", {}},
        {"heading only", Setup::File, NumberedLines(1), {}},
        {"shorter than the table", Setup::File, NumberedLines(4), LinesFromTwo(3)},
        {"full table", Setup::File, NumberedLines(30), LinesFromTwo(29)},
        {"later lines ignored", Setup::File, NumberedLines(40), LinesFromTwo(29)},
        {"last line without line end", Setup::File, "heading\nline 2\nline 3", LinesFromTwo(2)},
        {"CR LF line ends", Setup::File, NumberedLines(4, "\r\n"), LinesFromTwo(3)},
        {"lone CR and spaces kept",
         Setup::File,
         "heading\r\n\r\n  padded  \r\ninner\rcr\r\n",
         {"", "  padded  ", "inner\rcr"}},
        {"bytes kept as held",
         Setup::File,
         "Titel\nVerbindung pr\xFC"
         "fen \xE4\xF6\xDF\n\xA0\xFF\n",
         {"Verbindung pr\xFC"
          "fen \xE4\xF6\xDF",
          "\xA0\xFF"}},
        {"overlong line cut to its slot",
         Setup::File,
         "heading\n" + std::string(600, 'x') + "\nnext\n",
         {std::string(LanguageTexts::kMaxTextLength, 'x'), "next"}},
    };
    ASSERT_EQ(static_cast<std::size_t>(LanguageTexts::kCount), kBuiltInTexts.size());
    LanguageTexts reused; // loading again starts from an empty table
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFolder folder("vorlane-language");
        if (c.setup == Setup::Folder)
            fs::create_directory(folder.path() / "language.ini");
        else if (c.setup != Setup::NoFile && (c.setup != Setup::Translated || !c.bytes.empty()))
            std::ofstream(folder.path() / "language.ini", std::ios::binary) << c.bytes;
        LanguageTexts texts;
        if (c.setup == Setup::Translated)
            texts.SetDefaultTranslation([](const char* english) { return std::string("de:") + english; });
        if (c.setup == Setup::WorkingFolder) {
            const fs::path previous = fs::current_path();
            fs::current_path(folder.path());
            texts.Load();
            fs::current_path(previous);
        } else {
            texts.Load(folder.path());
        }
        ExpectTexts(texts, c.texts);
        if (c.setup == Setup::File) {
            reused.Load(folder.path());
            ExpectTexts(reused, c.texts);
        }
    }
    for (const int outside : {LanguageTexts::kCount, 1000, -1})
        EXPECT_EQ("", reused.GetText(outside)) << outside;
    EXPECT_EQ("", LanguageTexts().GetText(0)) << "a table that was never loaded holds no texts";
}

// The first folder in the list whose "language.ini" opens gives all texts; a folder of that name is no file.
TEST(LanguageTextsTest, FirstFolderWithAFileWins) {
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
        const ScratchFolder scratch("vorlane-language");
        std::vector<fs::path> folders;
        for (std::size_t i = 0; i < c.folders.size(); ++i) {
            const fs::path folder = scratch.path() / std::to_string(i);
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
