#include "listtools/main_order.h"

#include "database/pk_channel.h"

namespace vorlane {

void WriteMainOrder(ChannelDatabase& db, const std::vector<int>& pks) {
    unsigned key = 0;
    for (const int pk : pks) {
        const ChannelRecord channel = db.channelOfPk(pk);
        const int side = TunerSideOfPk(pk);
        channel.setMainLink(side, channel.mainLink(side).withKey(key++));
    }
}

void RebuildAfterListEdit(ChannelDatabase& db) {
    db.BuildAllLists();
    RebuildPkChannel(db);
}

} // namespace vorlane
