#include "storage/generation_wrap.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

TEST(GenerationWrap, LowBitsUnlessTheyWouldReorderCopiesOfOneLogicalSector) {
    const struct {
        const char* name;
        std::vector<SectorAge> ages;
        std::vector<std::uint32_t> wrapped;
    } cases[] = {
        // Copies of different logical sectors may reorder freely; invalid ones keep their counted generation's bits.
        {"low bits",
         {{0xFFFFFFFE, 0}, {0xFFFFFFF5, 0}, {0x00000021, 1}, {0, -1}, {0x12345678, -1}},
         {0xE, 0x5, 0x1, 0x0, 0x8}},
        {"ranks", {{0xFFFFFFE0, 4}, {0xFFFFFFDF, 4}, {0xFFFFFFDF, 2}, {0, -1}, {0x7, -1}}, {3, 2, 2, 0, 1}},
        {"equal stay equal", {{0x1F, 3}, {0x1F, 3}, {0x10, 3}}, {0xF, 0xF, 0x0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.wrapped, WrapGenerations(c.ages)) << c.name;
}

} // namespace
} // namespace vorlane::testing
