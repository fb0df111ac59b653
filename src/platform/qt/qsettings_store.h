#pragma once
// The per-user settings store of the program: an INI file through QSettings. Key paths become nested groups
// ("Software\QV\QvLinkDesk\Serial" + "Bart" -> "Software/QV/QvLinkDesk/Serial/Bart"). Texts are kept as
// ISO-8859-1, one character per byte, so any byte string round-trips unchanged.

#include "platform/settings_store.h"

#include <memory>
#include <string>

class QSettings;

namespace vorlane {

class QSettingsStore : public SettingsStore {
public:
    // The user's standard location (on Linux $XDG_CONFIG_HOME/Vorlane/Vorlane.ini).
    QSettingsStore();
    // An explicit INI file, e.g. a temporary one in tests.
    explicit QSettingsStore(const std::string& filePath);
    ~QSettingsStore() override;
    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

    std::string FilePath() const;

protected:
    bool IsReadable() const override;
    std::optional<std::string> LoadValue(const std::string& path) const override;
    // Written through to the file at once, so the result tells whether the value really was stored.
    bool StoreValue(const std::string& path, const std::string& value) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace vorlane
