#pragma once
// The copies of the receiver's channel list taken before uploads: one channel file per backup, named
// channels-YYYYMMDD-HHMMSS.bin after the local time it was taken, in the user's data folder. Only the newest
// kKeptBackups are kept.

#include "platform/bytes.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace vorlane {

inline constexpr std::size_t kKeptBackups = 20;

// $XDG_DATA_HOME/Vorlane/backups, or ~/.local/share/Vorlane/backups when XDG_DATA_HOME is unset or relative.
std::string DefaultBackupFolder();

// The path of a new backup taken at `when` in `folder`: channels-YYYYMMDD-HHMMSS.bin, with "-2", "-3", ... before
// the extension when a backup of that second exists already.
std::string NewBackupPath(const std::string& folder, std::time_t when);

// The backups in `folder`, oldest first (by name, which is by time).
std::vector<std::string> ListBackups(const std::string& folder);

// When a backup was taken, from its name: "2026-12-06 09:05:00", with " (2)" for the second of that second;
// the bare file name for a name of another form.
std::string BackupDateText(const std::string& path);

// Removes the oldest backups beyond `keep`. Returns how many were removed.
std::size_t PruneBackups(const std::string& folder, std::size_t keep = kKeptBackups);

// What the restore list shows of one backup: its size and how many channels each tuner holds.
struct BackupSummary {
    std::uintmax_t size = 0;
    int tuner1Channels = 0;
    int tuner2Channels = 0;
};

// The channel counts of a channel image; zero for an image without a channel table.
BackupSummary SummariseChannelImage(ConstByteSpan image);

} // namespace vorlane
