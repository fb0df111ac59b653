#include "platform/memory_settings_store.h"
#include "platform/qt/qsettings_store.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace vorlane::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSerialKey = "Software\\QV\\QvLinkDesk\\Serial";
constexpr const char* kFileKey = "Software\\QV\\QvLinkDesk\\File";

// Each store kind under test: Open gives the same store again (a new instance on the same file), Unavailable
// one that cannot be read or written.
struct MemoryKind {
    std::shared_ptr<SettingsStore> Open() { return mStore; }
    std::shared_ptr<SettingsStore> Unavailable() {
        mStore->SetAvailable(false);
        return mStore;
    }
    std::shared_ptr<MemorySettingsStore> mStore = std::make_shared<MemorySettingsStore>();
};

struct QSettingsKind {
    std::shared_ptr<SettingsStore> Open() { return std::make_shared<QSettingsStore>(mFolder.PathIn("settings.ini")); }
    // A folder where the file should be can neither be read nor replaced, even by a privileged user.
    std::shared_ptr<SettingsStore> Unavailable() {
        fs::remove(mFolder.Path() / "settings.ini");
        fs::create_directory(mFolder.Path() / "settings.ini");
        return Open();
    }
    ScratchFolder mFolder{"vorlane-settings"};
};

template <typename Kind> class SettingsStoreTest : public ::testing::Test {
protected:
    Kind m_kind;
};

using StoreKinds = ::testing::Types<MemoryKind, QSettingsKind>;
TYPED_TEST_SUITE(SettingsStoreTest, StoreKinds);

TYPED_TEST(SettingsStoreTest, NumbersAndTextBytesRoundTripAcrossReopening) {
    const std::string texts[] = {"",
                                 "/home/user/STB files/channel.bin",
                                 "C:\\STB\\update.key",
                                 "a, b, c",
                                 "\"quoted\" ; not a comment = still text",
                                 "@at start",
                                 "  padded  ",
                                 "line one\nline two\ttab",
                                 "Latin-1 \xE4\xF6\xFC\xDF \xA0\xFF",
                                 "UTF-8 \xC3\xA9t\xC3\xA9"};
    const std::pair<const char*, std::uint32_t> numbers[] = {
        {"Bart", 11}, {"Comport", 0}, {"Timeout2", 0xFFFFFFFFu}, {"Timeout1", static_cast<std::uint32_t>(-250)}};
    {
        auto store = this->m_kind.Open();
        for (const auto& [name, number] : numbers)
            EXPECT_TRUE(store->WriteNumber(kSerialKey, name, number));
        EXPECT_TRUE(store->WriteProfileNumber("Color", "SelBkgnd", 0x6B2408));
        EXPECT_TRUE(store->WriteProfileNumber("Display", "ColumnWidth", -7));
        for (std::size_t i = 0; i < std::size(texts); ++i)
            EXPECT_TRUE(store->WriteText(kFileKey, "Text" + std::to_string(i), texts[i]));
        EXPECT_TRUE(store->WriteProfileText("Path", "Data", texts[8]));
    }
    auto store = this->m_kind.Open();
    for (const auto& [name, number] : numbers)
        EXPECT_EQ(number, store->ReadNumber(kSerialKey, name, 99)) << name;
    EXPECT_EQ(0x6B2408, store->ReadProfileNumber("Color", "SelBkgnd", 0));
    EXPECT_EQ(-7, store->ReadProfileNumber("Display", "ColumnWidth", 200));
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        std::string read;
        EXPECT_TRUE(store->ReadText(kFileKey, "Text" + std::to_string(i), "default", read));
        EXPECT_EQ(texts[i], read);
    }
    EXPECT_EQ(texts[8], store->ReadProfileText("Path", "Data", ""));
}

TYPED_TEST(SettingsStoreTest, MissingValuesAndTextsThatAreNoNumbersGiveTheDefaults) {
    auto store = this->m_kind.Open();
    EXPECT_EQ(5000u, store->ReadNumber(kSerialKey, "Timeout2", 5000));
    std::string text = "left over";
    EXPECT_FALSE(store->ReadText(kFileKey, "BinPath", "/work/", text));
    EXPECT_EQ("/work/", text);
    EXPECT_EQ(0xF0C8C8, store->ReadProfileNumber("Color", "Index", 0xF0C8C8));
    EXPECT_EQ("fallback", store->ReadProfileText("Path", "Data", "fallback"));

    for (const char* notNumber : {"", "eleven", "11 ", "0x10", "4294967296", "-2147483649"}) {
        EXPECT_TRUE(store->WriteText(kSerialKey, "Bart", notNumber));
        EXPECT_EQ(11u, store->ReadNumber(kSerialKey, "Bart", 11)) << '"' << notNumber << '"';
    }
    EXPECT_TRUE(store->WriteText(kSerialKey, "Bart", "-2147483648"));
    EXPECT_EQ(0x80000000u, store->ReadNumber(kSerialKey, "Bart", 11));
}

TYPED_TEST(SettingsStoreTest, KeysNamesAndProfileSectionsAddressTheirOwnValues) {
    auto store = this->m_kind.Open();
    EXPECT_TRUE(store->WriteNumber(kSerialKey, "Bart", 1));
    EXPECT_TRUE(store->WriteNumber(kFileKey, "Bart", 2));
    EXPECT_TRUE(store->WriteNumber(kSerialKey, "bart", 3));
    EXPECT_TRUE(store->WriteNumber(kSerialKey, "Bart", 4));
    EXPECT_EQ(4u, store->ReadNumber(kSerialKey, "Bart", 0)) << "a second write replaces the first";
    EXPECT_EQ(2u, store->ReadNumber(kFileKey, "Bart", 0));
    EXPECT_EQ(3u, store->ReadNumber(kSerialKey, "bart", 0));
    // A trailing or doubled separator names the same key, and '/' inside a name is a sub-key.
    EXPECT_EQ(4u, store->ReadNumber("Software\\QV\\\\QvLinkDesk\\Serial\\", "Bart", 0));
    EXPECT_TRUE(store->WriteText(kSerialKey, "Devices/COM5", "/dev/ttyUSB4"));
    std::string text;
    EXPECT_TRUE(store->ReadText(std::string(kSerialKey) + "\\Devices", "COM5", "", text));
    EXPECT_EQ("/dev/ttyUSB4", text);

    // Profile sections live under the profile key.
    EXPECT_TRUE(store->WriteProfileNumber("Color", "LockText", 0xF01E1E));
    EXPECT_EQ(0xF01E1Eu, store->ReadNumber("PVR\\Tamrisk\\Color", "LockText", 0));
    EXPECT_TRUE(store->WriteNumber("PVR\\Tamrisk\\Display", "ColumnWidth", 350));
    EXPECT_EQ(350, store->ReadProfileNumber("Display", "ColumnWidth", 200));
}

// Callers rely on it: a store that cannot be read gives 0 for every number, not the defaults.
TYPED_TEST(SettingsStoreTest, UnavailableStoreReadsNumbersAsZeroAndRefusesWrites) {
    EXPECT_TRUE(this->m_kind.Open()->WriteNumber(kSerialKey, "Bart", 11));
    auto store = this->m_kind.Unavailable();
    EXPECT_EQ(0u, store->ReadNumber(kSerialKey, "Bart", 11));
    EXPECT_EQ(0u, store->ReadNumber(kSerialKey, "Timeout2", 5000));
    std::string text;
    EXPECT_FALSE(store->ReadText(kFileKey, "BinPath", "/default/", text));
    EXPECT_EQ("/default/", text);
    EXPECT_EQ(200, store->ReadProfileNumber("Display", "ColumnWidth", 200));
    EXPECT_EQ("none", store->ReadProfileText("Path", "Data", "none"));
    EXPECT_FALSE(store->WriteNumber(kSerialKey, "Bart", 6) || store->WriteText(kFileKey, "BinPath", "/x/") ||
                 store->WriteProfileNumber("Display", "ColumnWidth", 100) ||
                 store->WriteProfileText("Path", "Data", "/x"));
}

TEST(QSettingsStore, FileIsAnIniWithOneGroupPerKey) {
    const ScratchFolder folder("vorlane-settings");
    const std::string file = folder.PathIn("settings.ini");
    {
        QSettingsStore store(file);
        EXPECT_TRUE(store.WriteNumber(kSerialKey, "Bart", 11));
        EXPECT_TRUE(store.WriteProfileNumber("Color", "Index", 0xFADCDC));
    }
    std::ifstream written(file, std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(written), {}};
    EXPECT_NE(std::string::npos, contents.find("Bart=11")) << contents;
    EXPECT_NE(std::string::npos, contents.find("Index=16440540")) << contents;

    // A file written by hand in the same layout is read.
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        << contents << "\n[Software]\nQV\\QvLinkDesk\\Serial\\Comport=4\n";
    QSettingsStore reopened(file);
    EXPECT_EQ(4u, reopened.ReadNumber(kSerialKey, "Comport", 0));
    EXPECT_EQ(11u, reopened.ReadNumber(kSerialKey, "Bart", 0));
}

TEST(QSettingsStore, DefaultStoreIsThePerUserIniOfTheProgram) {
    const ScratchFolder folder("vorlane-settings");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder.Path().string()));
    EXPECT_EQ((folder.Path() / "Vorlane" / "Vorlane.ini").string(), QSettingsStore().FilePath());
    EXPECT_TRUE(QSettingsStore().WriteNumber(kSerialKey, "Bart", 9));
    EXPECT_TRUE(fs::exists(folder.Path() / "Vorlane" / "Vorlane.ini"));
    EXPECT_EQ(9u, QSettingsStore().ReadNumber(kSerialKey, "Bart", 0));
}

} // namespace
} // namespace vorlane::testing
