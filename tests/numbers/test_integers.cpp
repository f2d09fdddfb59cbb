// Checks that the 16-bit and 32-bit whole numbers overflow where Basic's do and that the
// conversions from double round halves to even.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "numbers/error.h"
#include "numbers/integers.h"

namespace dnt {
namespace {

constexpr int32_t kLongMin = -2147483647 - 1;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();

TEST(Int16Arithmetic, OverflowsOneStepPastEitherEndAndDividesTowardZero) {
    EXPECT_EQ((Int16(32766) + Int16(1)).value(), 32767);
    EXPECT_THROW(Int16(32767) + Int16(1), OverflowError);
    EXPECT_EQ((Int16(-32767) - Int16(1)).value(), -32768);
    EXPECT_THROW(Int16(-32768) - Int16(1), OverflowError);
    EXPECT_THROW(Int16(32768), OverflowError);
    EXPECT_THROW(Int16(-32769), OverflowError);
    EXPECT_EQ((-Int16(32767)).value(), -32767);
    EXPECT_THROW(-Int16(-32768), OverflowError);
    EXPECT_EQ((Int16(-128) * Int16(256)).value(), -32768);
    EXPECT_THROW(Int16(128) * Int16(256), OverflowError);
    try {
        Int16(32767) + Int16(1);
        FAIL() << "no overflow";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
    // Integer division truncates toward zero and refuses zero and the overflowing quotient.
    EXPECT_EQ(idiv(Int16(7), Int16(2)).value(), 3);
    EXPECT_EQ(idiv(Int16(-7), Int16(2)).value(), -3);
    EXPECT_EQ(idiv(Int16(7), Int16(-2)).value(), -3);
    EXPECT_THROW(idiv(Int16(1), Int16(0)), DivisionByZeroError);
    EXPECT_THROW(idiv(Int16(-32768), Int16(-1)), OverflowError);
}

TEST(Long32Arithmetic, OverflowsOneStepPastEitherEndAndWidensMixedSums) {
    EXPECT_THROW(Long32(2147483647) + Long32(1), OverflowError);
    EXPECT_THROW(Long32(kLongMin) - Long32(1), OverflowError);
    EXPECT_THROW(-Long32(kLongMin), OverflowError);
    EXPECT_THROW(Long32(65536) * Long32(32768), OverflowError);
    EXPECT_EQ((Long32(-65536) * Long32(32768)).value(), kLongMin);
    EXPECT_THROW(idiv(Long32(kLongMin), Long32(-1)), OverflowError);
    EXPECT_THROW(idiv(Long32(5), Long32(0)), DivisionByZeroError);
    Long32 sum = Int16(32767) + Long32(1);  // no overflow at 16 bits
    EXPECT_EQ(sum.value(), 32768);
    EXPECT_TRUE(Int16(5) < Long32(6));
}

// Halves go to the even neighbour; the range is checked after rounding.
TEST(ConversionFromDouble, HalvesGoToTheEvenNeighbourThenTheRangeIsChecked) {
    const std::vector<std::pair<double, int>> ints = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {-0.5, 0}, {2.5000000000000004, 3},
        {-0.49999999999999994, 0}, {32767.4, 32767}, {-32768.5, -32768}};
    for (auto [x, n] : ints) EXPECT_EQ(CInt(x).value(), n) << x;
    const std::vector<std::pair<double, int32_t>> longs = {
        {1000000.5, 1000000}, {1000001.5, 1000002}, {-2147483648.5, kLongMin}};
    for (auto [x, n] : longs) EXPECT_EQ(CLng(x).value(), n) << x;
    for (double x : {32767.5, -32769.5, kNaN}) EXPECT_THROW(CInt(x), OverflowError) << x;
    for (double x : {2147483647.5, -2147483649.0, kInf, -kInf}) EXPECT_THROW(CLng(x), OverflowError) << x;
    // Floor goes down and Fix toward zero: x, Floor(x), Fix(x).
    for (auto [x, floor, fix] : std::vector<std::tuple<double, double, double>>{
             {-2.5, -3.0, -2.0}, {2.5, 2.0, 2.0}, {-0.0000001, -1.0, -0.0}}) {
        EXPECT_EQ(Floor(x), floor) << x;
        EXPECT_EQ(Fix(x), fix) << x;
    }
}

}  // namespace
}  // namespace dnt
