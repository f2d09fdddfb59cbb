// Checks the reading of number texts and the texts numbers are written as.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "numbers/currency.h"
#include "numbers/error.h"
#include "numbers/numtext.h"

namespace dnt {
namespace {

TEST(TextToNumber, AcceptsTheFormsRecordsHoldWithinTheDoubleRangeAndNothingElse) {
    const std::vector<std::pair<const char*, double>> cases = {
        {"12", 12.0}, {"-3.5", -3.5}, {" 12 ", 12.0}, {"+0.25", 0.25}, {".5", 0.5}, {"5.", 5.0},
        {"1.5E+3", 1500.0}, {"25e-1", 2.5},
        {"0.1", 0.1},  // the nearest double, as a compiler reads it
        {"944.9999999999999", 944.9999999999999},
        {"1E-400", 0.0}, {"0E999999999999", 0.0}, {"1.7976931348623157E308", std::numeric_limits<double>::max()}};
    for (auto [text, x] : cases) EXPECT_EQ(CDbl(text), x) << text;
    EXPECT_THROW(CDbl("1E400"), OverflowError);
    EXPECT_THROW(CDbl("-2E308"), OverflowError);
    // Everything else is refused, naming the text.
    for (const char* text : {"", " ", "abc", "12a", "1 2", "1,5", "--1", "+", ".", "1e", "1e+", "E5", "0x10", "1.2.3", "- 1"}) {
        EXPECT_FALSE(IsNumeric(text)) << text;
        try {
            CDbl(text);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const ConversionError& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + std::string(text) + "\""), std::string::npos);
            EXPECT_EQ(e.number(), kErrTypeMismatch);
        }
    }
}

TEST(TextToNumber, WholeNumberConversionsRoundTheReadValue) {
    EXPECT_EQ(CIntText("2.5").value(), 2);
    EXPECT_EQ(CIntText("-3.5").value(), -4);
    EXPECT_THROW(CIntText("32767.5"), OverflowError);
    EXPECT_EQ(CLngText("2147483647").value(), 2147483647);
    EXPECT_THROW(CLngText("2147483647.5"), OverflowError);
    EXPECT_THROW(CLngText("x"), ConversionError);
}

// Fifteen significant digits without trailing zeros, the exponent form from 1E15 up, tiny
// magnitudes in full; the text reads back as itself.
TEST(NumberToText, FifteenSignificantDigitsAndTheExponentFormFrom1E15) {
    const std::vector<std::pair<double, const char*>> cases = {
        {944.9999999999999, "945"}, {0.57 * 100, "57"}, {0.1 + 0.2, "0.3"}, {12.5, "12.5"}, {12.0, "12"},
        {-0.0, "0"}, {-1234.5678, "-1234.5678"}, {1.0 / 3.0, "0.333333333333333"}, {2.0 / 3.0, "0.666666666666667"},
        {100.0, "100"}, {0.05, "0.05"}, {999999999999999.0, "999999999999999"}, {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},  // rounds up into the exponent form
        {1.5e16, "1.5E+16"}, {-2.25e100, "-2.25E+100"}, {1e-16, "0.0000000000000001"}, {-1.5e-5, "-0.000015"}};
    for (auto [x, text] : cases) EXPECT_EQ(NumberToText(x), text) << text;
    for (double x : {0.07, 131.1, 1234567.891, 1e14 + 0.5, -0.001}) {
        std::string text = NumberToText(x);
        EXPECT_EQ(NumberToText(CDbl(text)), text);
    }
    EXPECT_THROW(NumberToText(std::numeric_limits<double>::infinity()), OverflowError);
    EXPECT_THROW(NumberToText(std::numeric_limits<double>::quiet_NaN()), OverflowError);
    // Currency keeps at most four decimals; whole numbers are written whole.
    const std::vector<std::pair<int64_t, const char*>> currencies = {
        {1311000, "131.1"}, {70000, "7"}, {-5, "-0.0005"}, {0, "0"},
        {std::numeric_limits<int64_t>::min(), "-922337203685477.5808"}};
    for (auto [n, text] : currencies) EXPECT_EQ(NumberToText(Currency::fromTicks(n)), text);
    EXPECT_EQ(NumberToText(Int16(-32768)), "-32768");
    EXPECT_EQ(NumberToText(Long32(2147483647)), "2147483647");
    EXPECT_EQ(NumberToText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(NumberToText(0), "0");
}

}  // namespace
}  // namespace dnt
