#include "loader/transfer_requests.h"

#include "loader/transfer_line.h"
#include "loader/transfer_protocol_bytes.h"
#include "platform/trace.h"

#include <array>

namespace vorlane {
namespace {

using namespace transfer_protocol;

constexpr std::uint8_t kRequestSendCommand = 0x22;
constexpr std::uint8_t kFirstClassByte = 0x20;
constexpr std::uint8_t kFirstDownloadByte = 0x23;

constexpr std::array<const char*, 7> kRequestTraces = {
    "request program data.\n", "request channel data.\n", "request pre-data data.\n", "request sky data.\n",
    "request p2 data.\n",      "request p2-gold data.\n", "request conax data.\n",
};

void SendCommand(TransferLine& line, std::uint8_t command) {
    line.SendByte(kFrameFirst);
    line.SendByte(kFrameSecond);
    line.SendByte(command);
}

} // namespace

bool RequestSendFile(TransferLine& line, std::uint32_t transferClass) {
    SendCommand(line, kRequestSendCommand);
    DebugOut("--------> RequestSendFile : %x\n", transferClass);
    if (transferClass >= kRequestTraces.size())
        return false;
    line.SendByte(static_cast<std::uint8_t>(kFirstClassByte + transferClass));
    DebugOut("%s", kRequestTraces[transferClass]);
    return true;
}

bool RequestDownload(TransferLine& line, int receiveFileType) {
    SendCommand(line, kDownloadCommand);
    if (receiveFileType < kReceiveMainSoftware || receiveFileType > kReceivePreSetting)
        return false;
    line.SendByte(static_cast<std::uint8_t>(kFirstDownloadByte + receiveFileType));
    return true;
}

} // namespace vorlane
