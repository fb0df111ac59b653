#include "listtools/main_order.h"

#include "database/pk_channel.h"

namespace vorlane {

void WriteMainOrder(ChannelDatabase& db, const std::vector<Pk>& pks) {
    unsigned key = 0;
    for (const Pk pk : pks) {
        const ChannelRecord channel = db.ChannelOfPk(pk);
        const TunerSide side = pk.Side();
        channel.SetMainLink(side, channel.MainLink(side).WithKey(key++));
    }
}

void RebuildAfterListEdit(ChannelDatabase& db) {
    db.BuildAllLists();
    RebuildPkChannel(db);
}

} // namespace vorlane
