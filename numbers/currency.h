// The currency type of the payroll amounts: fixed point with four decimals, whose arithmetic
// refuses to leave its range instead of wrapping.
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace dnt {

// A signed 64-bit count of ten-thousandths: from -922337203685477.5808 to 922337203685477.5807.
// Every operation that would leave that range raises dnt::OverflowError.
class Currency {
public:
    static constexpr int64_t kTicksPerUnit = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromTicks(int64_t ticks) { return Currency(ticks); }
    // The double scaled by 10000 in double arithmetic and rounded half to even, as Basic's
    // CCur does: 0.00005 -> 0, 0.00025 -> 0.0002, 0.00035 -> 0.0004. A double stored a little
    // below a half stays below it: 0.00015 scales to 1.4999999999999998 and gives 0.0001.
    static Currency fromDouble(double value);
    // fromDouble(CDbl(text)): the text rule and errors of CDbl, then the rounding above.
    static Currency fromText(std::string_view text);

    constexpr int64_t ticks() const { return ticks_; }
    double toDouble() const;

    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);
    // The exact product rounded half to even to four decimals.
    friend Currency operator*(Currency a, Currency b);
    Currency operator-() const;

    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }
    Currency& operator*=(Currency other) { return *this = *this * other; }

    auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(int64_t ticks) : ticks_(ticks) {}

    int64_t ticks_ = 0;
};

}  // namespace dnt
