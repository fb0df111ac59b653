#pragma once
// The LanguageTexts entries the loader's connection and transfers show.

namespace vorlane::transfer_text {

inline constexpr int kDisconnected = 6;
inline constexpr int kStatusLead = 16;
inline constexpr int kNotAcceptable = 9;
inline constexpr int kTryingToConnect = 10;
inline constexpr int kErasingFlash = 11;
inline constexpr int kWritingFlash = 12;
inline constexpr int kFileNotSelected = 13;
inline constexpr int kCannotOpenFile = 14;
inline constexpr int kDownloading = 15;
inline constexpr int kCompleted = 17;
inline constexpr int kErrorOccurred = 18;
inline constexpr int kConnected = 7;
inline constexpr int kConnectedWithMonitor = 20;
inline constexpr int kTryingMonitor = 21;
inline constexpr int kResetYourStb = 22;
inline constexpr int kUploading = 27;

} // namespace vorlane::transfer_text
