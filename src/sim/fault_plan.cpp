#include "sim/fault_plan.h"

namespace vorlane {

FaultPlan::FaultPlan(const SimulatorFaults& faults)
    : m_packetOf{faults.nakPacket,         faults.corruptDownloadPacket, faults.errorAtPacket,      faults.endAtPacket,
                 faults.silentAfterPacket, faults.closeAfterPacket,      faults.corruptUploadPacket},
      m_withoutIdentification(faults.withoutIdentification), m_silentToRequests(faults.silentToRequests) {}

bool FaultPlan::Fire(PacketFault fault, int packetNumber) {
    const auto index = static_cast<std::size_t>(fault);
    if (m_fired[index] || m_packetOf[index] <= 0 || m_packetOf[index] != packetNumber)
        return false;
    m_fired[index] = true;
    return true;
}

} // namespace vorlane
