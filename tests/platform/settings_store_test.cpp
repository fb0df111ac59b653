#include "platform/memory_settings_store.h"
#include "platform/qt/qsettings_store.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

using namespace vorlane;
namespace fs = std::filesystem;

namespace {

constexpr const char* kSerialKey = "Software\\QV\\QvLinkDesk\\Serial";
constexpr const char* kFileKey = "Software\\QV\\QvLinkDesk\\File";

fs::path MakeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vorlane-settings-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    return pattern;
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Each store kind under test, with a way to open the same store again (a new instance on the same file).
struct MemoryKind {
    MemoryKind() : m_store(std::make_shared<MemorySettingsStore>()) {}
    std::shared_ptr<SettingsStore> Open() { return m_store; }
    std::shared_ptr<MemorySettingsStore> m_store;
};

struct QSettingsKind {
    QSettingsKind() : m_folder(MakeTempFolder()) {}
    ~QSettingsKind() { fs::remove_all(m_folder); }
    std::shared_ptr<SettingsStore> Open() {
        return std::make_shared<QSettingsStore>((m_folder / "settings.ini").string());
    }
    fs::path m_folder;
};

template <typename Kind> class SettingsStoreTest : public ::testing::Test {
protected:
    Kind m_kind;
};

using StoreKinds = ::testing::Types<MemoryKind, QSettingsKind>;
TYPED_TEST_SUITE(SettingsStoreTest, StoreKinds);

} // namespace

TYPED_TEST(SettingsStoreTest, NumbersRoundTripAcrossReopening) {
    {
        auto store = this->m_kind.Open();
        EXPECT_EQ(1, store->WriteNumber(kSerialKey, "Bart", 11));
        EXPECT_EQ(1, store->WriteNumber(kSerialKey, "Comport", 0));
        EXPECT_EQ(1, store->WriteNumber(kSerialKey, "Timeout2", 0xFFFFFFFFu));
        EXPECT_EQ(1, store->WriteNumber(kSerialKey, "Timeout1", static_cast<std::uint32_t>(-250)));
        EXPECT_EQ(1, store->WriteProfileNumber("Color", "SelBkgnd", 0x6B2408));
        EXPECT_EQ(1, store->WriteProfileNumber("Display", "ColumnWidth", -7));
    }
    auto store = this->m_kind.Open();
    EXPECT_EQ(11u, store->ReadNumber(kSerialKey, "Bart", 99));
    EXPECT_EQ(0u, store->ReadNumber(kSerialKey, "Comport", 99));
    EXPECT_EQ(0xFFFFFFFFu, store->ReadNumber(kSerialKey, "Timeout2", 99));
    EXPECT_EQ(-250, static_cast<std::int32_t>(store->ReadNumber(kSerialKey, "Timeout1", 99)));
    EXPECT_EQ(0x6B2408, store->ReadProfileNumber("Color", "SelBkgnd", 0));
    EXPECT_EQ(-7, store->ReadProfileNumber("Display", "ColumnWidth", 200));
}

TYPED_TEST(SettingsStoreTest, TextBytesRoundTripUnchanged) {
    const std::string awkward[] = {
        "",
        "/home/user/STB files/channel.bin",
        "C:\\STB\\update.key",
        "a, b, c",
        "\"quoted\" ; not a comment = still text",
        "@at start",
        "  padded  ",
        "line one\nline two\ttab",
        "Latin-1 \xE4\xF6\xFC\xDF \xA0\xFF",
        "UTF-8 \xC3\xA9t\xC3\xA9",
    };
    {
        auto store = this->m_kind.Open();
        int index = 0;
        for (const std::string& text : awkward) {
            EXPECT_EQ(1, store->WriteText(kFileKey, "Text" + std::to_string(index++), text));
        }
        EXPECT_EQ(1, store->WriteProfileText("Path", "Data", awkward[8]));
    }
    auto store = this->m_kind.Open();
    int index = 0;
    for (const std::string& text : awkward) {
        std::string read;
        EXPECT_EQ(1, store->ReadText(kFileKey, "Text" + std::to_string(index++), "default", read));
        EXPECT_EQ(text, read);
    }
    EXPECT_EQ(awkward[8], store->ReadProfileText("Path", "Data", ""));
}

TYPED_TEST(SettingsStoreTest, MissingValuesGiveTheDefaults) {
    auto store = this->m_kind.Open();
    EXPECT_EQ(5000u, store->ReadNumber(kSerialKey, "Timeout2", 5000));
    std::string text = "left over";
    EXPECT_EQ(0, store->ReadText(kFileKey, "BinFileName", "", text));
    EXPECT_EQ("", text);
    EXPECT_EQ(0, store->ReadText(kFileKey, "BinPath", "/work/", text));
    EXPECT_EQ("/work/", text);
    EXPECT_EQ(0xF0C8C8, store->ReadProfileNumber("Color", "Index", 0xF0C8C8));
    EXPECT_EQ("fallback", store->ReadProfileText("Path", "Data", "fallback"));
}

TYPED_TEST(SettingsStoreTest, TextThatIsNoNumberReadsAsTheDefault) {
    auto store = this->m_kind.Open();
    const char* notNumbers[] = {"", "eleven", "11 ", "0x10", "4294967296", "-2147483649"};
    for (const char* text : notNumbers) {
        store->WriteText(kSerialKey, "Bart", text);
        EXPECT_EQ(11u, store->ReadNumber(kSerialKey, "Bart", 11)) << '"' << text << '"';
        EXPECT_EQ(11, store->ReadProfileNumber("Display", "x", 11));
    }
    store->WriteText(kSerialKey, "Bart", "-2147483648");
    EXPECT_EQ(0x80000000u, store->ReadNumber(kSerialKey, "Bart", 11));
}

TYPED_TEST(SettingsStoreTest, KeysAndNamesAddressSeparateValues) {
    auto store = this->m_kind.Open();
    store->WriteNumber(kSerialKey, "Bart", 1);
    store->WriteNumber(kFileKey, "Bart", 2);
    store->WriteNumber(kSerialKey, "bart", 3);
    store->WriteNumber(kSerialKey, "Bart", 4);
    EXPECT_EQ(4u, store->ReadNumber(kSerialKey, "Bart", 0)) << "a second write replaces the first";
    EXPECT_EQ(2u, store->ReadNumber(kFileKey, "Bart", 0));
    EXPECT_EQ(3u, store->ReadNumber(kSerialKey, "bart", 0));
    // A trailing or doubled separator names the same key, and '/' inside a name is a sub-key.
    EXPECT_EQ(4u, store->ReadNumber("Software\\QV\\\\QvLinkDesk\\Serial\\", "Bart", 0));
    store->WriteText(kSerialKey, "Devices/COM5", "/dev/ttyUSB4");
    std::string device;
    EXPECT_EQ(1, store->ReadText(std::string(kSerialKey) + "\\Devices", "COM5", "", device));
    EXPECT_EQ("/dev/ttyUSB4", device);
}

TYPED_TEST(SettingsStoreTest, ProfileSectionsLiveUnderTheProfileKey) {
    auto store = this->m_kind.Open();
    store->WriteProfileNumber("Color", "LockText", 0xF01E1E);
    store->WriteProfileText("Path", "Data", "/data/last.bin");
    EXPECT_EQ(0xF01E1Eu, store->ReadNumber("PVR\\Tamrisk\\Color", "LockText", 0));
    std::string path;
    EXPECT_EQ(1, store->ReadText("PVR\\Tamrisk\\Path", "Data", "", path));
    EXPECT_EQ("/data/last.bin", path);
    store->WriteNumber("PVR\\Tamrisk\\Display", "ColumnWidth", 350);
    EXPECT_EQ(350, store->ReadProfileNumber("Display", "ColumnWidth", 200));
}

TEST(MemorySettingsStore, UnavailableStoreReadsNumbersAsZeroAndRefusesWrites) {
    MemorySettingsStore store;
    store.WriteNumber(kSerialKey, "Bart", 11);
    store.WriteText(kFileKey, "BinPath", "/stored/");
    store.WriteProfileNumber("Display", "ColumnWidth", 300);
    store.SetAvailable(false);

    EXPECT_EQ(0u, store.ReadNumber(kSerialKey, "Bart", 11));
    EXPECT_EQ(0u, store.ReadNumber(kSerialKey, "Timeout2", 5000));
    std::string text;
    EXPECT_EQ(0, store.ReadText(kFileKey, "BinPath", "/default/", text));
    EXPECT_EQ("/default/", text);
    EXPECT_EQ(200, store.ReadProfileNumber("Display", "ColumnWidth", 200));
    EXPECT_EQ("none", store.ReadProfileText("Path", "Data", "none"));
    EXPECT_EQ(0, store.WriteNumber(kSerialKey, "Bart", 6));
    EXPECT_EQ(0, store.WriteText(kFileKey, "BinPath", "/x/"));
    EXPECT_EQ(0, store.WriteProfileNumber("Display", "ColumnWidth", 100));
    EXPECT_EQ(0, store.WriteProfileText("Path", "Data", "/x"));
    EXPECT_EQ(3u, store.ValueCount());

    store.SetAvailable(true);
    EXPECT_EQ(11u, store.ReadNumber(kSerialKey, "Bart", 0));
}

TEST(QSettingsStore, FileIsAnIniWithOneGroupPerKey) {
    const fs::path folder = MakeTempFolder();
    const fs::path file = folder / "settings.ini";
    {
        QSettingsStore store(file.string());
        EXPECT_EQ(file.string(), store.FilePath());
        store.WriteNumber(kSerialKey, "Bart", 11);
        store.WriteProfileNumber("Color", "Index", 0xFADCDC);
    }
    const std::string contents = ReadWholeFile(file);
    EXPECT_NE(std::string::npos, contents.find("Bart=11")) << contents;
    EXPECT_NE(std::string::npos, contents.find("Index=16440540")) << contents;

    // A file written by hand in the same layout is read.
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << contents << "\n[Software]\nQV\\QvLinkDesk\\Serial\\Comport=4\n";
    }
    QSettingsStore reopened(file.string());
    EXPECT_EQ(4u, reopened.ReadNumber(kSerialKey, "Comport", 0)) << ReadWholeFile(file);
    EXPECT_EQ(11u, reopened.ReadNumber(kSerialKey, "Bart", 0));
    fs::remove_all(folder);
}

TEST(QSettingsStore, DefaultStoreIsThePerUserIniOfTheProgram) {
    const fs::path folder = MakeTempFolder();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder.string()));
    {
        QSettingsStore store;
        EXPECT_EQ((folder / "Vorlane" / "Vorlane.ini").string(), store.FilePath());
        EXPECT_EQ(1, store.WriteNumber(kSerialKey, "Bart", 9));
    }
    EXPECT_TRUE(fs::exists(folder / "Vorlane" / "Vorlane.ini"));
    EXPECT_EQ(9u, QSettingsStore().ReadNumber(kSerialKey, "Bart", 0));
    fs::remove_all(folder);
}

TEST(QSettingsStore, StoreThatCannotBeOpenedReadsNumbersAsZeroAndReportsFailedWrites) {
    const fs::path folder = MakeTempFolder();
    // A folder where the file should be can neither be read nor replaced, even by a privileged user.
    const fs::path file = folder / "settings.ini";
    fs::create_directory(file);
    QSettingsStore store(file.string());
    EXPECT_EQ(0u, store.ReadNumber(kSerialKey, "Timeout2", 5000));
    std::string text;
    EXPECT_EQ(0, store.ReadText(kFileKey, "BinPath", "/default/", text));
    EXPECT_EQ("/default/", text);
    EXPECT_EQ(0, store.WriteNumber(kSerialKey, "Bart", 11));
    fs::remove_all(folder);
}
