#include "listtools/main_order.h"

#include "database/pk_channel.h"

namespace vorlane {

void WriteMainOrder(ChannelDatabase& db, const std::vector<int>& pks) {
    unsigned key = 0;
    for (const int pk : pks) {
        const ChannelRecord channel = db.ChannelOfPk(pk);
        const TunerSide side = TunerSideOfPk(pk);
        channel.SetMainLink(side, channel.MainLink(side).WithKey(key++));
    }
}

void RebuildAfterListEdit(ChannelDatabase& db) {
    db.BuildAllLists();
    RebuildPkChannel(db);
}

} // namespace vorlane
