#include "importexport/channel_list_cursor.h"

#include "import_test_util.h"

using namespace vorlane;
using namespace vorlane::testing;

TEST(ChannelListCursor, TokensEndAtAnyWhiteSpaceAndHoldAtMost255Characters) {
    const std::string text = " 1\t11778\r\n27500\v1\fV\n:CHN";
    ChannelListCursor cursor(BytesOf(text));
    EXPECT_EQ("1", cursor.NextToken());
    EXPECT_EQ("11778", cursor.NextToken());
    EXPECT_EQ("27500", cursor.NextToken());
    EXPECT_EQ("1", cursor.NextToken());
    EXPECT_EQ("V", cursor.NextToken());
    EXPECT_EQ('\n', text[cursor.CurrentPosition()]); // the cursor stays on the character that ended the token
    EXPECT_EQ("", cursor.NextToken());               // a record mark is never a token: the field is missing
    EXPECT_TRUE(cursor.StartsWith(":CHN"));
    ChannelListCursor glued(BytesOf("V:TRP 1"));
    EXPECT_EQ("V", glued.NextToken());
    EXPECT_TRUE(glued.StartsWith(":TRP"));
    const std::string longText = std::string(300, 'a') + " b"; // tokens hold at most 255 characters
    ChannelListCursor longToken(BytesOf(longText));
    EXPECT_EQ(std::string(255, 'a'), longToken.NextToken());
    EXPECT_EQ(std::string(45, 'a'), longToken.NextToken());
    EXPECT_EQ("b", longToken.NextToken());
}

TEST(ChannelListCursor, QuotedTextIsCutToTheFieldAndTheCursorEndsBehindTheClosingQuote) {
    const std::string text = R"(x "News 1" 28106 "" "ABCDEFGHIJKLMNOPQRSTUVWXYZ" 192 "ABCDEFGHIJKLMNOPQRS")";
    ChannelListCursor cursor(BytesOf(text));
    EXPECT_EQ("News 1", cursor.QuotedText(20));
    EXPECT_EQ("28106", cursor.NextToken());
    EXPECT_EQ("", cursor.QuotedText(20));
    EXPECT_EQ("ABCDEFGHIJKLMNO", cursor.QuotedText(16));
    EXPECT_EQ("192", cursor.NextToken());
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRS", cursor.QuotedText(20)); // exactly the most bytes, then its quote
    EXPECT_TRUE(cursor.AtEnd());
}

TEST(ChannelListCursor, FindCharAndMarksNeverReadPastTheEnd) {
    ChannelListCursor cursor(BytesOf("ab:S"));
    EXPECT_TRUE(cursor.FindChar(':'));
    EXPECT_EQ(2u, cursor.CurrentPosition());
    EXPECT_FALSE(cursor.StartsWith(":SAT"));
    EXPECT_TRUE(cursor.StartsWith(":S"));
    cursor.Skip(10);
    EXPECT_TRUE(cursor.AtEnd());
    EXPECT_FALSE(cursor.FindChar(':'));
    EXPECT_FALSE(cursor.StartsWith(":"));
}
