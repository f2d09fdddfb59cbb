// Checks the rounding and the range of the four-decimal currency type.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>
#include <vector>

#include "numbers/currency.h"
#include "numbers/error.h"
#include "numbers/integers.h"

namespace dnt {
namespace {

constexpr int64_t kMaxTicks = std::numeric_limits<int64_t>::max();
constexpr int64_t kMinTicks = std::numeric_limits<int64_t>::min();

Currency ticks(int64_t n) { return Currency::fromTicks(n); }

// Halves go to the even tick, judged on the scaled double, not on the decimal it looks like.
TEST(CurrencyFromDouble, RoundsTheScaledDoubleHalfToEvenAndRefusesBeyondTheRange) {
    const std::vector<std::pair<double, int64_t>> cases = {
        {0.00005, 0}, {0.00025, 2}, {0.00035, 4}, {-0.00025, -2}, {-0.00035, -4},  // 0.5, 2.5, 3.5 ticks
        {1.23455, 12346}, {0.12345, 1234},                                          // 12345.5, 1234.5
        {0.00015, 1},      // stored a little below: scaled it is 1.4999999999999998
        {9.98745, 99875},  // stored a little above: scaled it is 99874.50000000001
        {-922337203685477.5808, kMinTicks}};
    for (auto [x, n] : cases) EXPECT_EQ(Currency::fromDouble(x).ticks(), n) << x;
    EXPECT_EQ(CCur(-9.98745).ticks(), -99875);
    for (double x : {922337203685477.6 /* 2^63 ticks */, -922337203685477.7, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
        EXPECT_THROW(Currency::fromDouble(x), OverflowError) << x;
}

// Sums overflow instead of wrapping.
TEST(CurrencyArithmetic, SumsAndProductsRoundAndOverflowBeyondTheRange) {
    EXPECT_THROW(ticks(kMaxTicks) + ticks(1), OverflowError);
    EXPECT_THROW(ticks(kMinTicks) - ticks(1), OverflowError);
    EXPECT_THROW(-ticks(kMinTicks), OverflowError);
    EXPECT_EQ((ticks(kMaxTicks) + ticks(kMinTicks)).ticks(), -1);
    EXPECT_EQ((-ticks(kMaxTicks)).ticks(), -kMaxTicks);
    // The product is rounded half to even at the fourth decimal, and overflows beyond the
    // range even when the tick product fits in 128 bits.
    const std::vector<std::tuple<int64_t, int64_t, int64_t>> cases = {
        {1, 5000, 0}, {3, 5000, 2}, {-3, 5000, -2},  // x 0.5: 0.00005 -> 0, 0.00015 -> 0.0002
        {5, 5000, 2}, {-5, 5000, -2},                // 0.00025 -> 0.0002
        {12345, 10001, 12346},                       // 1.23462345 -> 1.2346
        {1, 5001, 1}};                               // 0.00005001: just over the half
    for (auto [a, b, n] : cases) EXPECT_EQ((ticks(a) * ticks(b)).ticks(), n) << a << " x " << b;
    Currency big = Currency::fromDouble(100000000.0);  // 10^8 x 10^8 = 10^16 units
    EXPECT_THROW(big * big, OverflowError);
    Currency a = Currency::fromDouble(3037000.0);
    EXPECT_EQ((a * a).ticks(), INT64_C(9223369000000) * 10000);
}

TEST(CurrencyText, ReadsThroughTheNumberRuleAndOrdersByValue) {
    EXPECT_EQ(Currency::fromText(" -131.1 ").ticks(), -1311000);
    EXPECT_EQ(Currency::fromText("1.23455").ticks(), 12346);
    EXPECT_THROW(Currency::fromText(""), ConversionError);
    EXPECT_THROW(Currency::fromText("12,5"), ConversionError);
    EXPECT_LT(ticks(-1), Currency());
    EXPECT_EQ(Currency::fromDouble(1.5), ticks(15000));
    EXPECT_DOUBLE_EQ(ticks(-15).toDouble(), -0.0015);
}

}  // namespace
}  // namespace dnt
