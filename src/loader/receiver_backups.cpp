#include "loader/receiver_backups.h"

#include "database/channel_record.h"
#include "database/table_layout.h"
#include "storage/storage_image.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace vorlane {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "channels-";
constexpr std::string_view kExtension = ".bin";

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Only names this program writes: channels-YYYYMMDD-HHMMSS.bin, perhaps with -N before the extension. A user's
// --backup folder may hold other channels-*.bin files, which must never be listed or pruned.
bool IsBackupName(std::string_view name) {
    constexpr std::size_t kStampSize = 15; // YYYYMMDD-HHMMSS
    if (!name.starts_with(kPrefix) || !name.ends_with(kExtension))
        return false;
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kExtension.size());
    if (name.size() < kStampSize || name[8] != '-' || !AllDigits(name.substr(0, 8)) || !AllDigits(name.substr(9, 6)))
        return false;
    const std::string_view number = name.substr(kStampSize);
    return number.empty() || (number.front() == '-' && AllDigits(number.substr(1)));
}

std::string Stem(const std::string& path) {
    return fs::path(path).stem().string();
}

} // namespace

std::string DefaultBackupFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (dataHome && fs::path(dataHome).is_absolute()) {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home ? home : "") / ".local" / "share";
    }
    return (base / "Vorlane" / "backups").string();
}

std::string NewBackupPath(const std::string& folder, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string stem = std::string(kPrefix) + stamp;
    fs::path path = fs::path(folder) / (stem + std::string(kExtension));
    std::error_code error;
    for (int number = 2; fs::exists(path, error); ++number)
        path = fs::path(folder) / (stem + "-" + std::to_string(number) + std::string(kExtension));
    return path.string();
}

std::vector<std::string> ListBackups(const std::string& folder) {
    std::vector<std::string> backups;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file(error) && IsBackupName(entry.path().filename().string()))
            backups.push_back(entry.path().string());
    // "channels-20261206-101500" sorts before "channels-20261206-101500-2", which was taken later.
    std::sort(backups.begin(), backups.end(),
              [](const std::string& a, const std::string& b) { return Stem(a) < Stem(b); });
    return backups;
}

std::string BackupDateText(const std::string& path) {
    const std::string stem = Stem(path);
    // channels-YYYYMMDD-HHMMSS, perhaps followed by -N
    constexpr std::size_t kDate = kPrefix.size();
    constexpr std::size_t kTime = kDate + 9;
    constexpr std::size_t kEnd = kTime + 6;
    if (!stem.starts_with(kPrefix) || stem.size() < kEnd || stem[kTime - 1] != '-')
        return fs::path(path).filename().string();
    std::string text = stem.substr(kDate, 4) + "-" + stem.substr(kDate + 4, 2) + "-" + stem.substr(kDate + 6, 2) + " " +
                       stem.substr(kTime, 2) + ":" + stem.substr(kTime + 2, 2) + ":" + stem.substr(kTime + 4, 2);
    if (stem.size() > kEnd + 1)
        text += " (" + stem.substr(kEnd + 1) + ")";
    return text;
}

std::size_t PruneBackups(const std::string& folder, std::size_t keep) {
    const std::vector<std::string> backups = ListBackups(folder);
    std::size_t removed = 0;
    std::error_code error;
    for (std::size_t index = 0; index + keep < backups.size(); ++index)
        removed += fs::remove(backups[index], error) ? 1 : 0;
    return removed;
}

BackupSummary SummariseChannelImage(ConstByteSpan image) {
    BackupSummary summary;
    summary.size = image.size();
    std::vector<std::uint8_t> copy(image.begin(), image.end());
    std::vector<std::uint8_t> region(kChannelRegionSize);
    StorageImage(copy).ReadRegion(region, kChannelRegionFirstLogical);
    for (int slot = 0; slot < kChannelCount; ++slot) {
        const ConstChannelRecord record(region.data() + kChannelTableOffset +
                                        kChannelRecordSize * static_cast<std::size_t>(slot));
        if (record.IsFree())
            continue;
        summary.tuner1Channels += record.PresentOn(TunerSide::First) ? 1 : 0;
        summary.tuner2Channels += record.PresentOn(TunerSide::Second) ? 1 : 0;
    }
    return summary;
}

} // namespace vorlane
