#include "importexport/decimal_field.h"

#include "import_test_util.h"

#include <limits>

using namespace vorlane;
using namespace vorlane::testing;

TEST(DecimalField, ReadsLikeTheStandardConversionWithinTheFieldClampedAndEmptyWithoutDigits) {
    EXPECT_EQ(11303, ParseDecimal(BytesOf("011303")));
    EXPECT_EQ(1, ParseDecimal(BytesOf("   1")));
    EXPECT_EQ(-192, ParseDecimal(BytesOf("\t-192")));
    EXPECT_EQ(7, ParseDecimal(BytesOf("+7x9")));
    EXPECT_EQ(12, ParseDecimal(BytesOf("12 34")));
    // The field ends where its width ends, even when digits follow in the buffer.
    EXPECT_EQ(123, ParseDecimal(BytesOf("12345").first(3)));
    for (const char* text : {"", "____", "    ", "-", "+ 1", "x1"}) {
        EXPECT_FALSE(ParseDecimal(BytesOf(text)).has_value()) << text;
        EXPECT_EQ(0, DecimalOrZero(BytesOf(text))) << text;
    }
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), ParseDecimal(BytesOf(std::string(300, '9'))));
    EXPECT_EQ(-std::numeric_limits<std::int32_t>::max(), ParseDecimal(BytesOf("-99999999999")));
}
