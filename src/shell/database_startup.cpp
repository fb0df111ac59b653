#include "shell/database_startup.h"

#include "database/database_lifecycle.h"
#include "database/settings_record.h"

namespace vorlane {

int PrepareDatabaseAtStart(ChannelDatabase& database, int localYear) {
    ReceiverSettings held = HeldReceiverSettings(database);
    ApplyStartupSettings(held, localYear);
    return Init(database);
}

} // namespace vorlane
