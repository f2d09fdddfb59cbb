// Arithmetic and conversions of the four-decimal currency type.
#include "numbers/currency.h"

#include <limits>
#include <string>

#include "numbers/error.h"
#include "numbers/numtext.h"
#include "numbers/rounding.h"

namespace dnt {

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

int64_t CheckedTicks(__int128 ticks, const char* operation) {
    if (ticks > kMax || ticks < kMin) throw OverflowError(std::string("currency ") + operation);
    return static_cast<int64_t>(ticks);
}

// q + (0 or one unit away from zero) so that q + rest/divisor is rounded half to even;
// rest has the sign of the exact quotient (or is 0) and |rest| < divisor.
__int128 RoundQuotientHalfEven(__int128 q, __int128 rest, __int128 divisor, bool negative) {
    __int128 twice = (rest < 0 ? -rest : rest) * 2;
    bool up = twice > divisor || (twice == divisor && q % 2 != 0);
    if (!up) return q;
    return negative ? q - 1 : q + 1;
}

}  // namespace

Currency Currency::fromDouble(double value) {
    double scaled = RoundHalfEven(value * static_cast<double>(kTicksPerUnit));
    // -2^63 is a double and a valid count; 2^63 is the first double beyond the top.
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0)) {
        throw OverflowError("currency out of range");
    }
    return Currency(static_cast<int64_t>(scaled));
}

Currency Currency::fromText(std::string_view text) { return fromDouble(CDbl(text)); }

double Currency::toDouble() const {
    return static_cast<double>(ticks_) / static_cast<double>(kTicksPerUnit);
}

Currency operator+(Currency a, Currency b) {
    return Currency(CheckedTicks(static_cast<__int128>(a.ticks_) + b.ticks_, "addition"));
}

Currency operator-(Currency a, Currency b) {
    return Currency(CheckedTicks(static_cast<__int128>(a.ticks_) - b.ticks_, "subtraction"));
}

Currency operator*(Currency a, Currency b) {
    __int128 product = static_cast<__int128>(a.ticks_) * b.ticks_;  // 10^8 per unit, exact
    __int128 q = product / Currency::kTicksPerUnit;
    __int128 rest = product % Currency::kTicksPerUnit;
    return Currency(CheckedTicks(
        RoundQuotientHalfEven(q, rest, Currency::kTicksPerUnit, product < 0), "multiplication"));
}

Currency Currency::operator-() const {
    return Currency(CheckedTicks(-static_cast<__int128>(ticks_), "negation"));
}

}  // namespace dnt
