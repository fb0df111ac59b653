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

// The built-in texts in table order, separated by '|'.
std::vector<std::string> BuiltInTexts() {
    const std::string all =
        "Auto Connect to STB|Connect to STB|Disconnect to STB|Port Setup|Send to the STB|"
        "Receive from the STB|Disconnected|Connected|Connection failed|The selected file is not acceptable.|"
        "Now trying connect to STB. Please wait.|Now erasing the flash. Please wait.|"
        "Now writting the flash. Do NOT power off the STB.|The file is not selected.|Can't open the file.|"
        "Downloading| |Completed|Error occurred... Please check the displayed message of the STB|"
        "If the 'Loader' message is displayed on the front panel, then press the OK button.|"
        "Connected with the monitor|Try to connect with the monitor|Reset your STB(s).|"
        "What do you want to receive from the STB?|Force Mode|Download|Receive|Uploading|"
        "Searching COM port.. Please Wait!";
    std::vector<std::string> texts;
    for (std::size_t start = 0, bar = 0; bar != std::string::npos; start = bar + 1) {
        bar = all.find('|', start);
        texts.push_back(all.substr(start, bar - start));
    }
    return texts;
}
const std::vector<std::string> kBuiltInTexts = BuiltInTexts();

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

// Folders hold language.ini (a file, a folder of that name, or nothing): without a file the built-in texts (translated
// when a translation is set), with one its lines from the second on; of several, the first file that opens.
TEST(LanguageTextsTest, IniContentGivesTheTexts) {
    enum Holds { kNothing, kFile, kFolder };
    enum How { kFromFolders, kTranslated, kFromWorkingFolder };
    struct Case {
        const char* what;
        std::vector<Holds> folders;
        std::string bytes; // of each file; in a row of several folders "heading\nfolder <n>\n"
        std::vector<std::string> texts;
        How how = kFromFolders;
    };
    std::vector<std::string> translated;
    for (const std::string& text : kBuiltInTexts)
        translated.push_back("de:" + text);
    const std::vector<Case> cases = {
        {"no file", {kNothing}, "", kBuiltInTexts},
        {"folder named like the file", {kFolder}, "", kBuiltInTexts},
        {"no file, translated", {kNothing}, "", translated, kTranslated},
        {"file wins over the translation", {kFile}, NumberedLines(30), LinesFromTwo(29), kTranslated},
        {"plain load reads the working folder", {kFile}, NumberedLines(4), LinesFromTwo(3), kFromWorkingFolder},
        {"empty file", {kFile}, "", {}},
        {"heading only", {kFile}, NumberedLines(1), {}},
        {"shorter than the table", {kFile}, NumberedLines(4), LinesFromTwo(3)},
        {"full table", {kFile}, NumberedLines(30), LinesFromTwo(29)},
        {"later lines ignored", {kFile}, NumberedLines(40), LinesFromTwo(29)},
        {"last line without line end", {kFile}, "heading\nline 2\nline 3", LinesFromTwo(2)},
        {"CR LF line ends", {kFile}, NumberedLines(4, "\r\n"), LinesFromTwo(3)},
        {"lone CR and spaces kept",
         {kFile},
         "heading\r\n\r\n  padded  \r\ninner\rcr\r\n",
         {"", "  padded  ", "inner\rcr"}},
        {"bytes kept as held",
         {kFile},
         "Titel\nVerbindung pr\xFC"
         "fen \xE4\xF6\xDF\n\xA0\xFF\n",
         {"Verbindung pr\xFC"
          "fen \xE4\xF6\xDF",
          "\xA0\xFF"}},
        {"overlong line cut to its slot",
         {kFile},
         "heading\n" + std::string(600, 'x') + "\nnext\n",
         {std::string(LanguageTexts::kMaxTextLength, 'x'), "next"}},
        {"no file anywhere", {kNothing, kNothing, kNothing}, "", kBuiltInTexts},
        {"only the last", {kNothing, kNothing, kFile}, "", {"folder 2"}},
        {"a folder named like the file is passed over", {kFolder, kFile, kFile}, "", {"folder 1"}},
        {"the first of several", {kFile, kNothing, kFile}, "", {"folder 0"}},
    };
    ASSERT_EQ(static_cast<std::size_t>(LanguageTexts::kCount), kBuiltInTexts.size());
    LanguageTexts reused; // loading again starts from an empty table
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFolder scratch("vorlane-language");
        std::vector<fs::path> folders;
        for (std::size_t i = 0; i < c.folders.size(); ++i) {
            folders.push_back(scratch.Path() / std::to_string(i));
            fs::create_directories(folders.back());
            const std::string bytes = c.folders.size() > 1 ? "heading\nfolder " + std::to_string(i) + "\n" : c.bytes;
            if (c.folders[i] == kFile)
                std::ofstream(folders.back() / "language.ini", std::ios::binary) << bytes;
            if (c.folders[i] == kFolder)
                fs::create_directory(folders.back() / "language.ini");
        }
        LanguageTexts texts;
        if (c.how == kTranslated)
            texts.SetDefaultTranslation([](const char* english) { return std::string("de:") + english; });
        if (c.how == kFromWorkingFolder) {
            const fs::path previous = fs::current_path();
            fs::current_path(folders[0]);
            texts.Load();
            fs::current_path(previous);
        } else if (folders.size() > 1) {
            texts.Load(folders);
        } else {
            texts.Load(folders[0]);
            reused.Load(folders[0]);
            if (c.how == kFromFolders)
                ExpectTexts(reused, c.texts);
        }
        ExpectTexts(texts, c.texts);
    }
    for (const int outside : {LanguageTexts::kCount, 1000, -1})
        EXPECT_EQ("", reused.GetText(outside)) << outside;
    EXPECT_EQ("", LanguageTexts().GetText(0)) << "a table that was never loaded holds no texts";
}
