// Checks that the 16-bit and 32-bit whole numbers overflow where Basic's do and that the
// conversions from double round halves to even.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numbers/error.h"
#include "numbers/integers.h"

namespace dnt {
namespace {

TEST(Int16Arithmetic, OverflowsOneStepPastEitherEnd) {
    EXPECT_EQ((Int16(32766) + Int16(1)).value(), 32767);
    EXPECT_THROW(Int16(32767) + Int16(1), OverflowError);
    EXPECT_EQ((Int16(-32767) - Int16(1)).value(), -32768);
    EXPECT_THROW(Int16(-32768) - Int16(1), OverflowError);
    EXPECT_THROW(Int16(32768), OverflowError);
    EXPECT_THROW(Int16(-32769), OverflowError);
}

TEST(Int16Arithmetic, NegatingTheLowestOverflows) {
    EXPECT_EQ((-Int16(32767)).value(), -32767);
    EXPECT_THROW(-Int16(-32768), OverflowError);
}

TEST(Int16Arithmetic, ProductOverflowsOnlyPastTheRange) {
    EXPECT_EQ((Int16(-128) * Int16(256)).value(), -32768);
    EXPECT_THROW(Int16(128) * Int16(256), OverflowError);
}

TEST(Int16Arithmetic, OverflowCarriesTheBasicErrorNumber) {
    try {
        Int16(32767) + Int16(1);
        FAIL() << "no overflow";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
}

TEST(Int16Arithmetic, IntegerDivisionTruncatesTowardZero) {
    EXPECT_EQ(idiv(Int16(7), Int16(2)).value(), 3);
    EXPECT_EQ(idiv(Int16(-7), Int16(2)).value(), -3);
    EXPECT_EQ(idiv(Int16(7), Int16(-2)).value(), -3);
}

TEST(Int16Arithmetic, IntegerDivisionRefusesZeroAndTheOneOverflowingQuotient) {
    EXPECT_THROW(idiv(Int16(1), Int16(0)), DivisionByZeroError);
    EXPECT_THROW(idiv(Int16(-32768), Int16(-1)), OverflowError);
}

TEST(Long32Arithmetic, OverflowsOneStepPastEitherEnd) {
    EXPECT_THROW(Long32(2147483647) + Long32(1), OverflowError);
    EXPECT_THROW(Long32(-2147483647 - 1) - Long32(1), OverflowError);
    EXPECT_THROW(-Long32(-2147483647 - 1), OverflowError);
    EXPECT_THROW(Long32(65536) * Long32(32768), OverflowError);
    EXPECT_EQ((Long32(-65536) * Long32(32768)).value(), -2147483647 - 1);
    EXPECT_THROW(idiv(Long32(-2147483647 - 1), Long32(-1)), OverflowError);
    EXPECT_THROW(idiv(Long32(5), Long32(0)), DivisionByZeroError);
}

TEST(Long32Arithmetic, IntegerWidensSoMixedSumsDoNotOverflowAt16Bits) {
    Long32 sum = Int16(32767) + Long32(1);
    EXPECT_EQ(sum.value(), 32768);
    EXPECT_TRUE(Int16(5) < Long32(6));
}

TEST(ConversionFromDouble, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(CInt(2.5).value(), 2);
    EXPECT_EQ(CInt(3.5).value(), 4);
    EXPECT_EQ(CInt(-2.5).value(), -2);
    EXPECT_EQ(CInt(-3.5).value(), -4);
    EXPECT_EQ(CInt(0.5).value(), 0);
    EXPECT_EQ(CInt(-0.5).value(), 0);
    EXPECT_EQ(CInt(2.5000000000000004).value(), 3);
    EXPECT_EQ(CInt(-0.49999999999999994).value(), 0);
    EXPECT_EQ(CLng(1000000.5).value(), 1000000);
    EXPECT_EQ(CLng(1000001.5).value(), 1000002);
}

TEST(ConversionFromDouble, RangeIsCheckedAfterRounding) {
    EXPECT_EQ(CInt(32767.4).value(), 32767);
    EXPECT_EQ(CInt(-32768.5).value(), -32768);
    EXPECT_THROW(CInt(32767.5), OverflowError);
    EXPECT_THROW(CInt(-32769.5), OverflowError);
    EXPECT_EQ(CLng(-2147483648.5).value(), -2147483647 - 1);
    EXPECT_THROW(CLng(2147483647.5), OverflowError);
    EXPECT_THROW(CLng(-2147483649.0), OverflowError);
}

TEST(ConversionFromDouble, NotFiniteOverflows) {
    EXPECT_THROW(CInt(std::numeric_limits<double>::quiet_NaN()), OverflowError);
    EXPECT_THROW(CLng(std::numeric_limits<double>::infinity()), OverflowError);
    EXPECT_THROW(CLng(-std::numeric_limits<double>::infinity()), OverflowError);
}

TEST(WholePart, FloorGoesDownAndFixGoesTowardZero) {
    EXPECT_EQ(Floor(-2.5), -3.0);
    EXPECT_EQ(Fix(-2.5), -2.0);
    EXPECT_EQ(Floor(2.5), 2.0);
    EXPECT_EQ(Fix(2.5), 2.0);
    EXPECT_EQ(Floor(-0.0000001), -1.0);
}

}  // namespace
}  // namespace dnt
