// The field readers under the text importers: they never read past their field or the buffer.

#include "importexport/channel_list_cursor.h"
#include "importexport/decimal_field.h"

#include "import_test_util.h"

#include <limits>

using namespace vorlane;
using namespace vorlane::testing;

TEST(DecimalField, ReadsLikeTheStandardConversionWithinTheFieldClampedAndEmptyWithoutDigits) {
    const std::pair<const char*, int> cases[] = {
        {"011303", 11303}, {"   1", 1}, {"\t-192", -192}, {"+7x9", 7}, {"12 34", 12}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(value, ParseDecimal(BytesOf(text))) << text;
    // The field ends where its width ends, even when digits follow in the buffer.
    EXPECT_EQ(123, ParseDecimal(BytesOf("12345").first(3)));
    for (const char* text : {"", "____", "    ", "-", "+ 1", "x1"}) {
        EXPECT_FALSE(ParseDecimal(BytesOf(text)).has_value()) << text;
        EXPECT_EQ(0, DecimalOrZero(BytesOf(text))) << text;
    }
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), ParseDecimal(BytesOf(std::string(300, '9'))));
    EXPECT_EQ(-std::numeric_limits<std::int32_t>::max(), ParseDecimal(BytesOf("-99999999999")));
}

TEST(ChannelListCursor, TokensEndAtAnyWhiteSpaceAndHoldAtMost255Characters) {
    const std::string text = " 1\t11778\r\n27500\v1\fV\n:CHN";
    ChannelListCursor cursor(BytesOf(text));
    for (const char* token : {"1", "11778", "27500", "1", "V"})
        EXPECT_EQ(token, cursor.NextToken());
    EXPECT_EQ('\n', text[cursor.CurrentPosition()]); // the cursor stays on the character that ended the token
    EXPECT_EQ("", cursor.NextToken());               // a record mark is never a token: the field is missing
    EXPECT_TRUE(cursor.StartsWith(":CHN"));
    ChannelListCursor glued(BytesOf("V:TRP 1"));
    EXPECT_EQ("V", glued.NextToken());
    EXPECT_TRUE(glued.StartsWith(":TRP"));
    const std::string longText = std::string(300, 'a') + " b";
    ChannelListCursor longToken(BytesOf(longText));
    for (const std::string& token : {std::string(255, 'a'), std::string(45, 'a'), std::string("b")})
        EXPECT_EQ(token, longToken.NextToken());
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
