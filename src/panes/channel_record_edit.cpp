#include "panes/channel_record_edit.h"

#include "database/list_edits.h"

#include <cstdio>
#include <cstring>

namespace vorlane {
namespace {

constexpr std::uint32_t kNoAudioLanguages = 0xFFFFFFFFu;

ListKind FsKind(unsigned type) {
    return static_cast<ListKind>(static_cast<std::uint32_t>(ListKind::TvByScrambling) + type);
}

const char* FecText(unsigned fec) {
    static const char* const texts[] = {"1/2", "2/3", "3/4", "5/6", "7/8", "Auto"};
    return fec < std::size(texts) ? texts[fec] : "";
}

const char* PolarisationText(unsigned polarisation) {
    static const char* const texts[] = {"Auto", "Horizontal", "Vertical"};
    return polarisation < std::size(texts) ? texts[polarisation] : "";
}

} // namespace

void FillBlankChannel(ChannelRecord record) {
    std::memset(record.RecordBytes(), 0, ChannelRecord::kSize);
    record.SetServiceType(static_cast<std::uint8_t>(ServiceType::None));
    record.SetAudioLanguages(AudioLanguages(kNoAudioLanguages));
}

void StoreAudioPids(ChannelRecord record, TunerSide side, const AudioPids& pids) {
    int stored = 0;
    for (const std::uint16_t pid : pids)
        if (pid != 0)
            record.SetAudioPid(stored++, pid);
    for (int slot = stored; slot < ChannelRecord::kAudioPidCount; ++slot)
        record.SetAudioPid(slot, 0);
    ServiceWord word = record.SidedServiceWord(side);
    word.SetAudioPidCount(static_cast<unsigned>(stored));
    record.SetServiceWord(side, word);
}

void SetChannelScrambled(OrderedLists& lists, ChannelRecord record, Pk pk, bool scrambled) {
    const TunerSide side = pk.Side();
    ServiceWord word = record.SidedServiceWord(side);
    if (word.Scrambled() == scrambled)
        return;
    const unsigned fsIndex = scrambled ? 1 : 0;
    const LinkWord link = record.FsLink(side).WithIndex(fsIndex);
    record.SetFsLink(side, link);
    const unsigned type = record.ServiceTypeCode();
    if (type <= static_cast<unsigned>(ServiceType::Data) && record.PresentOn(side)) {
        lists.RemovePk(FsKind(type), pk, true);
        AppendInSideOrder(lists, lists.Head(FsKind(type), static_cast<int>(fsIndex)), pk, link);
    }
    word.SetScrambled(scrambled);
    record.SetServiceWord(side, word);
}

std::string TransponderSummary(ConstTransponderRecord transponder) {
    char text[96];
    std::snprintf(text, sizeof text, "%d   SR : %d   %s   %s\n", transponder.Frequency(), transponder.SymbolRate(),
                  FecText(transponder.Tuning().Fec()), PolarisationText(transponder.Tuning().PolarisationCode()));
    return text;
}

} // namespace vorlane
