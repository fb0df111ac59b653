#pragma once

#include "scoped_environment.h"
#include "support/scratch_folder.h"
#include "transfer_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vorlane::testing {

class CountingSettingsStore : public MemorySettingsStore {
public:
    int writes = 0;

protected:
    bool StoreValue(const std::string& path, const std::string& value) override {
        ++writes;
        return MemorySettingsStore::StoreValue(path, value);
    }
};

// A fresh folder of COMn links, named by VORLANE_SERIAL_DIR for the fixture's lifetime.
class ScratchSerialFolder {
public:
    bool Valid() const { return m_scratch.Valid(); }
    std::string PortPath(int portNumber) const { return m_scratch.PathIn("COM" + std::to_string(portNumber)); }
    const std::filesystem::path& Folder() const { return m_scratch.Path(); }

private:
    ScratchFolder m_scratch{"vorlane-ports"};
    ScopedEnvironment m_folder{"VORLANE_SERIAL_DIR", m_scratch.Path().c_str()};
};

// The pieces of a connection over a scratch folder of ports, with the built-in texts.
class ConnectionPieces : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_ports.Valid());
        ASSERT_TRUE(m_port.Create(nullptr, nullptr, 40960, 4096));
        m_texts.Load("/nonexistent-folder");
    }

    ScratchSerialFolder m_ports;
    CountingSettingsStore mStore;
    LanguageTexts m_texts;
    RecordingTransferUi m_ui;
    SerialPort m_port;
};

} // namespace vorlane::testing
