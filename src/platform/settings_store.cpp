#include "platform/settings_store.h"

#include <charconv>
#include <limits>

namespace vorlane {

namespace {

void AppendSegments(std::string& path, std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\\/", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > start) {
            if (!path.empty()) {
                path += '/';
            }
            path.append(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

std::string ValuePath(std::string_view key, std::string_view name) {
    std::string path;
    AppendSegments(path, key);
    AppendSegments(path, name);
    return path;
}

std::string ProfilePath(std::string_view section, std::string_view entry) {
    std::string path = ValuePath(SettingsStore::kProfileKey, section);
    AppendSegments(path, entry);
    return path;
}

} // namespace

std::optional<std::string> SettingsStore::Load(const std::string& path) const {
    return IsReadable() ? LoadValue(path) : std::nullopt;
}

std::optional<std::uint32_t> SettingsStore::LoadNumber(const std::string& path) const {
    const std::optional<std::string> text = Load(path);
    if (!text) {
        return std::nullopt;
    }
    // Both signed (profile) and unsigned (registry style) numbers are accepted; anything outside 32 bits is not a
    // number of ours.
    std::int64_t value = 0;
    const char* first = text->data();
    const char* last = first + text->size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t SettingsStore::ReadNumber(std::string_view key, std::string_view name, std::uint32_t defaultValue) const {
    if (!IsReadable()) {
        return 0;
    }
    return LoadNumber(ValuePath(key, name)).value_or(defaultValue);
}

bool SettingsStore::WriteNumber(std::string_view key, std::string_view name, std::uint32_t value) {
    return StoreValue(ValuePath(key, name), std::to_string(value));
}

bool SettingsStore::ReadText(std::string_view key, std::string_view name, std::string_view defaultText,
                             std::string& text) const {
    const std::optional<std::string> stored = Load(ValuePath(key, name));
    text = stored ? *stored : std::string(defaultText);
    return stored.has_value();
}

bool SettingsStore::WriteText(std::string_view key, std::string_view name, std::string_view text) {
    return StoreValue(ValuePath(key, name), std::string(text));
}

int SettingsStore::ReadProfileNumber(std::string_view section, std::string_view entry, int defaultValue) const {
    const std::optional<std::uint32_t> value = LoadNumber(ProfilePath(section, entry));
    return value ? static_cast<int>(*value) : defaultValue;
}

bool SettingsStore::WriteProfileNumber(std::string_view section, std::string_view entry, int value) {
    return StoreValue(ProfilePath(section, entry), std::to_string(value));
}

std::string SettingsStore::ReadProfileText(std::string_view section, std::string_view entry,
                                           std::string_view defaultText) const {
    const std::optional<std::string> stored = Load(ProfilePath(section, entry));
    return stored ? *stored : std::string(defaultText);
}

bool SettingsStore::WriteProfileText(std::string_view section, std::string_view entry, std::string_view text) {
    return StoreValue(ProfilePath(section, entry), std::string(text));
}

} // namespace vorlane
