#pragma once
// The command frames that ask the receiver's loader for a transfer: 0xCC 0x55, a command byte, an argument.

#include <cstdint>

namespace vorlane {

class TransferLine;

// 0xCC 0x55 0x22, then 0x20 + class for classes 0-6 (returns true); any other class sends nothing more (returns
// false).
[[nodiscard]] bool RequestSendFile(TransferLine& line, std::uint32_t transferClass);

// What a download delivers (m_nReceiveFileType).
inline constexpr int kReceiveMainSoftware = 0;
inline constexpr int kReceiveChannel = 1;
inline constexpr int kReceivePreSetting = 2;

// 0xCC 0x55 0x11, then 0x23 main software, 0x24 channel, 0x25 pre-setting (returns true); any other type sends
// nothing more (returns false).
[[nodiscard]] bool RequestDownload(TransferLine& line, int receiveFileType);

} // namespace vorlane
