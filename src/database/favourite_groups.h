#pragma once
// The eight favourite group blocks kept beside the tables: group number, TV and radio member
// counts, and 128 words. Membership itself lives only in the channels' favourite bytes.

#include <array>
#include <cstdint>
#include <span>

namespace vorlane {

class FavouriteGroups {
public:
    static constexpr int kGroupCount = 8;
    static constexpr int kWordsPerGroup = 131;
    static constexpr int kGroupNumberWord = 0;
    static constexpr int kTvCountWord = 1;
    static constexpr int kRadioCountWord = 2;
    static constexpr int kFirstMemberWord = 3;

    FavouriteGroups() { Reset(); }

    // Every word -1, then the group number into the first word.
    void Reset() {
        for (int g = 0; g < kGroupCount; ++g) {
            m_blocks[static_cast<std::size_t>(g)].fill(-1);
            m_blocks[static_cast<std::size_t>(g)][kGroupNumberWord] = g;
        }
    }

    void ClearCounters() {
        for (auto& block : m_blocks) {
            block[kTvCountWord] = 0;
            block[kRadioCountWord] = 0;
        }
    }

    std::span<std::int32_t, kWordsPerGroup> Block(int group) { return m_blocks[static_cast<std::size_t>(group)]; }
    std::span<const std::int32_t, kWordsPerGroup> Block(int group) const {
        return m_blocks[static_cast<std::size_t>(group)];
    }

private:
    std::array<std::array<std::int32_t, kWordsPerGroup>, kGroupCount> m_blocks;
};

} // namespace vorlane
