#include "storage/generation_wrap.h"

#include <gtest/gtest.h>

using namespace vorlane;

TEST(GenerationWrap, LowBitsWhenTheyKeepEachLogicalSectorsOrder) {
    // Copies of different logical sectors may reorder freely; invalid sectors keep their counted generation's bits.
    const std::vector<SectorAge> ages{{0xFFFFFFFE, 0}, {0xFFFFFFF5, 0}, {0x00000021, 1}, {0, -1}, {0x12345678, -1}};
    EXPECT_EQ((std::vector<std::uint32_t>{0xE, 0x5, 0x1, 0x0, 0x8}), WrapGenerations(ages));
}

TEST(GenerationWrap, RanksWhenLowBitsWouldReorderCopiesOfOneLogicalSector) {
    const std::vector<SectorAge> ages{{0xFFFFFFE0, 4}, {0xFFFFFFDF, 4}, {0xFFFFFFDF, 2}, {0, -1}, {0x7, -1}};
    EXPECT_EQ((std::vector<std::uint32_t>{3, 2, 2, 0, 1}), WrapGenerations(ages));
}

TEST(GenerationWrap, EqualGenerationsStayEqual) {
    const std::vector<SectorAge> ages{{0x1F, 3}, {0x1F, 3}, {0x10, 3}};
    EXPECT_EQ((std::vector<std::uint32_t>{0xF, 0xF, 0x0}), WrapGenerations(ages));
}
