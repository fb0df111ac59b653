#include "database/band.h"
#include "database/link_word.h"
#include "database/record_words.h"

#include <gtest/gtest.h>

using namespace vorlane;

TEST(LinkWordForms, ThirtyTwoBitFieldsAreIndependent) {
    const LinkWord link = LinkWord(0x80000000u).withIndex(1499).withKey(9999).withType(2).withTunerSide(1);
    EXPECT_EQ(1499u, link.index());
    EXPECT_EQ(9999u, link.key());
    EXPECT_EQ(2u, link.type());
    EXPECT_EQ(1u, link.tunerSide());
    EXPECT_TRUE(link.keptBit());
    EXPECT_EQ(0x80000000u | 1499u | (9999u << 14) | (2u << 28) | (1u << 30), link.value());
    EXPECT_EQ(link.value(), link.withKey(9999).value());
    EXPECT_EQ(0u, LinkWord(0xFFFFFFFFu).withIndex(0).withKey(0).withType(0).withTunerSide(0).value() & 0x7FFFFFFFu);
}

TEST(LinkWordForms, SixteenBitFormKeepsKeyIndexBitAndType) {
    const LinkWord link = LinkWord::FromForm16(0xE005);
    EXPECT_EQ(5u, link.key());
    EXPECT_EQ(1u, link.index());
    EXPECT_EQ(3u, link.type());
    EXPECT_EQ(0xE005, link.toForm16());
    EXPECT_EQ(0x1FFF, LinkWord().withKey(0x3FFF).toForm16()); // key beyond 13 bits does not spill into index
    EXPECT_EQ(0x0000, LinkWord().withIndex(2).toForm16());    // only bit 0 of the index
}

TEST(LinkWordForms, FavouriteByteZeroIsNoMemberAndEightyIsFirst) {
    const LinkWord none = LinkWord::FromFavouriteByte(0x00, 0);
    EXPECT_EQ(0u, none.type());
    const LinkWord first = LinkWord::FromFavouriteByte(0x80, 1);
    EXPECT_EQ(1u, first.type());
    EXPECT_EQ(0u, first.key());
    EXPECT_EQ(1u, first.tunerSide());
    EXPECT_EQ(0x80, first.toFavouriteByte());
    EXPECT_EQ(0xFF, LinkWord::FromFavouriteByte(0xFF, 0).toFavouriteByte());
    EXPECT_EQ(0x83, LinkWord().withKey(3).toFavouriteByte()); // written back always as a member
}

TEST(BandNumbers, UniversalLnbSplitsBandsOthersDoNot) {
    constexpr int universal = 1;
    EXPECT_EQ(5, BandNumber(universal, 11700, kPolarisationVertical));
    EXPECT_EQ(0, BandNumber(universal, 10699, kPolarisationHorizontal));
    EXPECT_EQ(2, BandNumber(universal, 10700, kPolarisationHorizontal));
    EXPECT_EQ(3, BandNumber(universal, 11699, kPolarisationVertical));
    EXPECT_EQ(4, BandNumber(universal, 12749, kPolarisationAuto));
    EXPECT_EQ(1, BandNumber(universal, 12750, kPolarisationVertical));
    EXPECT_EQ(1, BandNumber(0, 11700, kPolarisationVertical));
    EXPECT_EQ(0, BandNumber(2, 11700, 3));
    EXPECT_EQ(0, BandNumber(-1, 11000, kPolarisationHorizontal));
}
