// The 16-bit "integer" and 32-bit "long" of the computations, whose arithmetic raises an
// overflow error instead of wrapping, and the conversions from double to them and to currency.
#pragma once

#include <compare>
#include <cstdint>

#include "numbers/currency.h"
#include "numbers/rounding.h"

namespace dnt {

// A 16-bit signed whole number. Construction from a value outside -32768..32767 and any
// operation whose result leaves that range raise dnt::OverflowError.
class Int16 {
public:
    constexpr Int16() = default;
    explicit Int16(long long value);

    constexpr int16_t value() const { return value_; }

    friend Int16 operator+(Int16 a, Int16 b);
    friend Int16 operator-(Int16 a, Int16 b);
    friend Int16 operator*(Int16 a, Int16 b);
    Int16 operator-() const;
    Int16& operator+=(Int16 other) { return *this = *this + other; }
    Int16& operator-=(Int16 other) { return *this = *this - other; }
    Int16& operator*=(Int16 other) { return *this = *this * other; }

    // Basic's "\": the quotient truncated toward zero; raises dnt::DivisionByZeroError for a
    // zero divisor and dnt::OverflowError for -32768 \ -1.
    friend Int16 idiv(Int16 a, Int16 b);

    auto operator<=>(const Int16&) const = default;

private:
    int16_t value_ = 0;
};

// A 32-bit signed whole number, with the same checks as Int16. An Int16 widens to it
// implicitly, so mixed arithmetic is done in Long32, as in Basic.
class Long32 {
public:
    constexpr Long32() = default;
    explicit Long32(long long value);
    constexpr Long32(Int16 value) : value_(value.value()) {}  // implicit: widening loses nothing

    constexpr int32_t value() const { return value_; }

    friend Long32 operator+(Long32 a, Long32 b);
    friend Long32 operator-(Long32 a, Long32 b);
    friend Long32 operator*(Long32 a, Long32 b);
    Long32 operator-() const;
    Long32& operator+=(Long32 other) { return *this = *this + other; }
    Long32& operator-=(Long32 other) { return *this = *this - other; }
    Long32& operator*=(Long32 other) { return *this = *this * other; }

    // Truncated quotient, as Int16's idiv; -2147483648 \ -1 overflows.
    friend Long32 idiv(Long32 a, Long32 b);

    auto operator<=>(const Long32&) const = default;

private:
    int32_t value_ = 0;
};

// Conversions from double: rounded half to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), then
// range-checked, so 32767.5 overflows an Int16 since it rounds to 32768. NaN and infinities
// overflow too.
Int16 CInt(double value);
Long32 CLng(double value);
Currency CCur(double value);  // Currency::fromDouble

}  // namespace dnt
