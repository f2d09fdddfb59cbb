// Checks the rounding and the range of the four-decimal currency type.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "numbers/currency.h"
#include "numbers/error.h"
#include "numbers/integers.h"

namespace dnt {
namespace {

constexpr int64_t kMaxTicks = std::numeric_limits<int64_t>::max();
constexpr int64_t kMinTicks = std::numeric_limits<int64_t>::min();

TEST(CurrencyFromDouble, ExactHalvesGoToTheEvenTick) {
    EXPECT_EQ(Currency::fromDouble(0.00005).ticks(), 0);   // scales to exactly 0.5
    EXPECT_EQ(Currency::fromDouble(0.00025).ticks(), 2);   // 2.5
    EXPECT_EQ(Currency::fromDouble(0.00035).ticks(), 4);   // 3.5
    EXPECT_EQ(Currency::fromDouble(-0.00025).ticks(), -2);
    EXPECT_EQ(Currency::fromDouble(-0.00035).ticks(), -4);
    EXPECT_EQ(Currency::fromDouble(1.23455).ticks(), 12346);  // 12345.5
    EXPECT_EQ(Currency::fromDouble(0.12345).ticks(), 1234);   // 1234.5
}

TEST(CurrencyFromDouble, RoundsTheScaledDoubleNotTheDecimalItLooksLike) {
    // 0.00015 is stored a little below; scaled it is 1.4999999999999998.
    EXPECT_EQ(Currency::fromDouble(0.00015).ticks(), 1);
    // 9.98745 is stored a little above; scaled it is 99874.50000000001.
    EXPECT_EQ(Currency::fromDouble(9.98745).ticks(), 99875);
    EXPECT_EQ(CCur(-9.98745).ticks(), -99875);
}

TEST(CurrencyFromDouble, RangeEndsAreRefusedJustBeyond) {
    EXPECT_EQ(Currency::fromDouble(-922337203685477.5808).ticks(), kMinTicks);
    EXPECT_THROW(Currency::fromDouble(922337203685477.6), OverflowError);  // 2^63 ticks
    EXPECT_THROW(Currency::fromDouble(-922337203685477.7), OverflowError);
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()), OverflowError);
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::infinity()), OverflowError);
}

TEST(CurrencyArithmetic, SumsOverflowInsteadOfWrapping) {
    Currency top = Currency::fromTicks(kMaxTicks);
    Currency bottom = Currency::fromTicks(kMinTicks);
    Currency tick = Currency::fromTicks(1);
    EXPECT_THROW(top + tick, OverflowError);
    EXPECT_THROW(bottom - tick, OverflowError);
    EXPECT_THROW(-bottom, OverflowError);
    EXPECT_EQ((top + bottom).ticks(), -1);
    EXPECT_EQ((-top).ticks(), -kMaxTicks);
}

TEST(CurrencyArithmetic, ProductIsRoundedHalfToEvenAtTheFourthDecimal) {
    Currency half = Currency::fromTicks(5000);  // 0.5
    // 0.0001 x 0.5 = 0.00005 -> 0; 0.0003 x 0.5 = 0.00015 -> 0.0002
    EXPECT_EQ((Currency::fromTicks(1) * half).ticks(), 0);
    EXPECT_EQ((Currency::fromTicks(3) * half).ticks(), 2);
    EXPECT_EQ((Currency::fromTicks(-3) * half).ticks(), -2);
    EXPECT_EQ((Currency::fromTicks(5) * half).ticks(), 2);   // 0.00025 -> 0.0002
    EXPECT_EQ((Currency::fromTicks(-5) * half).ticks(), -2);
    // 1.2345 x 1.0001 = 1.23462345 -> 1.2346
    EXPECT_EQ((Currency::fromTicks(12345) * Currency::fromTicks(10001)).ticks(), 12346);
    // 0.0001 x 0.5001 = 0.00005001: just over the half
    EXPECT_EQ((Currency::fromTicks(1) * Currency::fromTicks(5001)).ticks(), 1);
}

TEST(CurrencyArithmetic, ProductBeyondTheRangeOverflowsEvenWhenTicksWouldFit) {
    // 10^8 x 10^8 = 10^16 units: the tick product fits in 128 bits but not the result.
    Currency big = Currency::fromDouble(100000000.0);
    EXPECT_THROW(big * big, OverflowError);
    Currency a = Currency::fromDouble(3037000.0);
    EXPECT_EQ((a * a).ticks(), INT64_C(9223369000000) * 10000);
}

TEST(CurrencyText, ReadsThroughTheNumberRule) {
    EXPECT_EQ(Currency::fromText(" -131.1 ").ticks(), -1311000);
    EXPECT_EQ(Currency::fromText("1.23455").ticks(), 12346);
    EXPECT_THROW(Currency::fromText(""), ConversionError);
    EXPECT_THROW(Currency::fromText("12,5"), ConversionError);
}

TEST(CurrencyCompare, OrdersByValue) {
    EXPECT_LT(Currency::fromTicks(-1), Currency());
    EXPECT_EQ(Currency::fromDouble(1.5), Currency::fromTicks(15000));
    EXPECT_DOUBLE_EQ(Currency::fromTicks(-15).toDouble(), -0.0015);
}

}  // namespace
}  // namespace dnt
