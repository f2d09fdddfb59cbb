// Checks the fixed-width amounts and the grouped SIRET numbers of the printed declaration.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "dba/errors.h"
#include "dba/numfmt.h"

namespace dba {
namespace {

struct Amount {
    const char* text;
    int w, d;
    const char* printed;
};

// The integer part right-aligned in w places (written whole when wider), a point, then
// exactly d decimals; halves go away from zero on the decimal text, and a value rounding
// to zero loses its sign.
TEST(FormatNombre, IntegerPartRightAlignedThenExactlyTheDecimalsRoundedOnTheText) {
    const std::vector<Amount> cases = {
        {"1234.5", 7, 2, "   1234.50"}, {"12", 4, 2, "  12.00"}, {"0", 4, 2, "   0.00"},
        {"1234.5678", 5, 2, " 1234.57"}, {"-3.5", 4, 2, "  -3.50"}, {" 12 ", 4, 2, "  12.00"},
        {"0.125", 3, 2, "  0.13"}, {"-0.125", 3, 2, " -0.13"},
        {"2.675", 3, 2, "  2.68"},  // 2.67499999... as a double
        {"-0.005", 3, 2, " -0.01"}, {"0.1249999", 3, 2, "  0.12"},
        {"9.995", 1, 2, "10.00"},  // the carry widens the integer part
        {"0.5", 2, 0, " 1."}, {"1.25E1", 3, 0, " 13."}, {"5E-3", 3, 2, "  0.01"}, {"4E-4", 3, 2, "  0.00"},
        {"-0.004", 3, 2, "  0.00"}, {"-0", 3, 2, "  0.00"},
        {"123456", 4, 2, "123456.00"}, {"-1234", 4, 2, "-1234.00"}, {"-123", 4, 2, "-123.00"}, {"5", 0, 1, "5.0"}};
    for (const Amount& c : cases) EXPECT_EQ(FormatNombre(c.text, c.w, c.d, 0), c.printed) << c.text;
    for (const char* text : {"0", "1", "-1", "99.999", "-99.994", "0.001"}) {  // always w + 1 + d wide
        EXPECT_EQ(FormatNombre(text, 4, 2, 0).size(), 7u) << text;
        EXPECT_EQ(FormatNombre(text, 5, 0, 0).size(), 6u) << text;
    }
    // Text that is not a number, or another layout, is refused.
    for (const char* text : {"", "abc", "1,5", "12 h", "1E999"}) {
        try {
            FormatNombre(text, 4, 2, 0);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const DbError& e) {
            EXPECT_EQ(e.number(), kErrConversion) << text;
        }
    }
    EXPECT_THROW(FormatNombre("1", 4, 2, 1), std::invalid_argument);
    EXPECT_THROW(FormatNombre("1", -1, 2, 0), std::invalid_argument);
}

// Fourteen digits are grouped as SIREN and NIC; any other text is unchanged.
TEST(MiseEnFormeNumero, FourteenDigitsAreGroupedAsSirenAndNic) {
    EXPECT_EQ(MiseEnFormeNumero("12345678900012"), "123 456 789 00012");
    EXPECT_EQ(MiseEnFormeNumero("00000000000000"), "000 000 000 00000");
    for (const char* text : {"", "1234567890001", "123456789000123", "1234567890001A", " 2345678900012",
                             "123 456 789 00012", "751234567890"})
        EXPECT_EQ(MiseEnFormeNumero(text), text);
}

}  // namespace
}  // namespace dba
