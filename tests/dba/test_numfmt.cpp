// Checks the fixed-width amounts and the grouped SIRET numbers of the printed declaration.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "dba/errors.h"
#include "dba/numfmt.h"

namespace dba {
namespace {

TEST(FormatNombre, IntegerPartRightAlignedThenExactlyTheDecimals) {
    EXPECT_EQ(FormatNombre("1234.5", 7, 2, 0), "   1234.50");
    EXPECT_EQ(FormatNombre("12", 4, 2, 0), "  12.00");
    EXPECT_EQ(FormatNombre("0", 4, 2, 0), "   0.00");
    EXPECT_EQ(FormatNombre("1234.5678", 5, 2, 0), " 1234.57");
    EXPECT_EQ(FormatNombre("-3.5", 4, 2, 0), "  -3.50");
    EXPECT_EQ(FormatNombre(" 12 ", 4, 2, 0), "  12.00");
}

TEST(FormatNombre, HalvesGoAwayFromZeroOnTheDecimalText) {
    EXPECT_EQ(FormatNombre("0.125", 3, 2, 0), "  0.13");
    EXPECT_EQ(FormatNombre("-0.125", 3, 2, 0), " -0.13");
    EXPECT_EQ(FormatNombre("2.675", 3, 2, 0), "  2.68");  // 2.67499999... as a double
    EXPECT_EQ(FormatNombre("-0.005", 3, 2, 0), " -0.01");
    EXPECT_EQ(FormatNombre("0.1249999", 3, 2, 0), "  0.12");
    EXPECT_EQ(FormatNombre("9.995", 1, 2, 0), "10.00");  // the carry widens the integer part
    EXPECT_EQ(FormatNombre("0.5", 2, 0, 0), " 1.");
    EXPECT_EQ(FormatNombre("1.25E1", 3, 0, 0), " 13.");
    EXPECT_EQ(FormatNombre("5E-3", 3, 2, 0), "  0.01");
    EXPECT_EQ(FormatNombre("4E-4", 3, 2, 0), "  0.00");
}

TEST(FormatNombre, ValueRoundingToZeroLosesItsSign) {
    EXPECT_EQ(FormatNombre("-0.004", 3, 2, 0), "  0.00");
    EXPECT_EQ(FormatNombre("-0", 3, 2, 0), "  0.00");
}

TEST(FormatNombre, WidthIsAlwaysWPlusOnePlusD) {
    for (const char* text : {"0", "1", "-1", "99.999", "-99.994", "0.001"}) {
        EXPECT_EQ(FormatNombre(text, 4, 2, 0).size(), 7u) << text;
        EXPECT_EQ(FormatNombre(text, 5, 0, 0).size(), 6u) << text;
    }
}

TEST(FormatNombre, WideIntegerPartIsWrittenWhole) {
    EXPECT_EQ(FormatNombre("123456", 4, 2, 0), "123456.00");
    EXPECT_EQ(FormatNombre("-1234", 4, 2, 0), "-1234.00");
    EXPECT_EQ(FormatNombre("-123", 4, 2, 0), "-123.00");
    EXPECT_EQ(FormatNombre("5", 0, 1, 0), "5.0");
}

TEST(FormatNombre, TextThatIsNotANumberIsRefused) {
    for (const char* text : {"", "abc", "1,5", "12 h", "1E999"}) {
        try {
            FormatNombre(text, 4, 2, 0);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const DbError& e) {
            EXPECT_EQ(e.number(), kErrConversion) << text;
        }
    }
}

TEST(FormatNombre, OnlyTheDocumentedLayoutIsMade) {
    EXPECT_THROW(FormatNombre("1", 4, 2, 1), std::invalid_argument);
    EXPECT_THROW(FormatNombre("1", -1, 2, 0), std::invalid_argument);
}

TEST(MiseEnFormeNumero, FourteenDigitsAreGroupedAsSirenAndNic) {
    EXPECT_EQ(MiseEnFormeNumero("12345678900012"), "123 456 789 00012");
    EXPECT_EQ(MiseEnFormeNumero("00000000000000"), "000 000 000 00000");
}

TEST(MiseEnFormeNumero, AnyOtherTextIsUnchanged) {
    for (const char* text : {"", "1234567890001", "123456789000123", "1234567890001A",
                             " 2345678900012", "123 456 789 00012", "751234567890"}) {
        EXPECT_EQ(MiseEnFormeNumero(text), text);
    }
}

}  // namespace
}  // namespace dba
