#pragma once
// The per-user settings store. Values are addressed registry style, by a backslash key path and a value name
// ("Software\QV\QvLinkDesk\Serial", "Bart"), or profile style, by a section and an entry that live under the
// application's profile key. Numbers and texts share one value space: a number is kept as its decimal text.
// Texts are bytes: whatever is written is read back unchanged (ISO-8859-1 texts included).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

class SettingsStore {
public:
    // Profile sections live under this key, e.g. section "Color" is the key "PVR\Tamrisk\Color".
    static constexpr std::string_view kProfileKey = "PVR\\Tamrisk\\";

    virtual ~SettingsStore() = default;

    // The stored number; `defaultValue` when the value is missing or not a 32-bit number; 0 when the store cannot
    // be read at all (callers rely on that: an unreadable store gives 0 for every number, not the defaults).
    std::uint32_t ReadNumber(std::string_view key, std::string_view name, std::uint32_t defaultValue) const;
    // Writes report whether the value was stored. Remembering a value is best effort, so callers may ignore it.
    bool WriteNumber(std::string_view key, std::string_view name, std::uint32_t value);

    // Copies the stored text into `text` and returns true; copies `defaultText` and returns false when it cannot
    // be read.
    bool ReadText(std::string_view key, std::string_view name, std::string_view defaultText, std::string& text) const;
    bool WriteText(std::string_view key, std::string_view name, std::string_view text);

    // Profile access: `defaultValue` / `defaultText` whenever the entry cannot be read.
    int ReadProfileNumber(std::string_view section, std::string_view entry, int defaultValue) const;
    bool WriteProfileNumber(std::string_view section, std::string_view entry, int value);
    std::string ReadProfileText(std::string_view section, std::string_view entry, std::string_view defaultText) const;
    bool WriteProfileText(std::string_view section, std::string_view entry, std::string_view text);

protected:
    // Implementations see one normalised path per value: the key's segments and the value name joined by '/',
    // empty segments dropped ("Software\QV\QvLinkDesk\Serial" + "Bart" -> "Software/QV/QvLinkDesk/Serial/Bart").
    virtual bool IsReadable() const = 0;
    virtual std::optional<std::string> LoadValue(const std::string& path) const = 0;
    virtual bool StoreValue(const std::string& path, const std::string& value) = 0;

private:
    std::optional<std::string> Load(const std::string& path) const;
    std::optional<std::uint32_t> LoadNumber(const std::string& path) const;
};

} // namespace vorlane
