// Checked arithmetic of the 16-bit and 32-bit whole numbers and the conversions from double.
#include "numbers/integers.h"

#include <cstdint>
#include <limits>
#include <string>

#include "numbers/error.h"

namespace dnt {

namespace {

template <typename T>
T CheckedRange(long long value, const char* what) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        throw OverflowError(std::string(what) + " " + std::to_string(value));
    }
    return static_cast<T>(value);
}

int16_t CheckedInt16(long long value) { return CheckedRange<int16_t>(value, "integer"); }
int32_t CheckedInt32(long long value) { return CheckedRange<int32_t>(value, "long"); }

void CheckDivisor(long long divisor) {
    if (divisor == 0) throw DivisionByZeroError("integer division by 0");
}

// The rounded double as a long long when it lies within [low, high]; NaN is never within.
long long RoundedWithin(double value, double low, double high, const char* what) {
    double rounded = RoundHalfEven(value);
    if (!(rounded >= low && rounded <= high)) {
        throw OverflowError(std::string(what) + " from " + std::to_string(value));
    }
    return static_cast<long long>(rounded);
}

}  // namespace

Int16::Int16(long long value) : value_(CheckedInt16(value)) {}

Int16 operator+(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value_) + b.value_); }
Int16 operator-(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value_) - b.value_); }
Int16 operator*(Int16 a, Int16 b) { return Int16(static_cast<long long>(a.value_) * b.value_); }
Int16 Int16::operator-() const { return Int16(-static_cast<long long>(value_)); }

Int16 idiv(Int16 a, Int16 b) {
    CheckDivisor(b.value_);
    return Int16(static_cast<long long>(a.value_) / b.value_);
}

Long32::Long32(long long value) : value_(CheckedInt32(value)) {}

Long32 operator+(Long32 a, Long32 b) { return Long32(static_cast<long long>(a.value_) + b.value_); }
Long32 operator-(Long32 a, Long32 b) { return Long32(static_cast<long long>(a.value_) - b.value_); }
Long32 operator*(Long32 a, Long32 b) { return Long32(static_cast<long long>(a.value_) * b.value_); }
Long32 Long32::operator-() const { return Long32(-static_cast<long long>(value_)); }

Long32 idiv(Long32 a, Long32 b) {
    CheckDivisor(b.value_);
    return Long32(static_cast<long long>(a.value_) / b.value_);
}

Int16 CInt(double value) { return Int16(RoundedWithin(value, -32768.0, 32767.0, "integer")); }

Long32 CLng(double value) {
    return Long32(RoundedWithin(value, -2147483648.0, 2147483647.0, "long"));
}

Currency CCur(double value) { return Currency::fromDouble(value); }

}  // namespace dnt
