#pragma once
// Resets the receiver's position bookkeeping and the slot-allocation cursors of a new database.

#include "settings/receiver_settings.h"

namespace vorlane {

// Clears the value bits of every position word, flags the first word of each group, ends the lists with
// 0xFFFF and puts each cursor on the last slot of its table so that the next allocation takes slot 0.
void ResetPositions(ReceiverSettings& settings);

} // namespace vorlane
