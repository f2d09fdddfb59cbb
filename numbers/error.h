// Errors raised by the control and its libraries: each carries a number, as the
// database library and the host expect, and a message that says what went wrong.
#pragma once

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace dnt {

// Numbers of the run-time errors of the number semantics (the classic Basic codes).
inline constexpr int32_t kErrOverflow = 6;
inline constexpr int32_t kErrDivisionByZero = 11;
inline constexpr int32_t kErrTypeMismatch = 13;

class Error : public std::runtime_error {
public:
    Error(int32_t number, const std::string& message)
        : std::runtime_error(message), number_(number) {}
    int32_t number() const noexcept { return number_; }

private:
    int32_t number_;
};

// An error number as both front ends write it: the database library's numbers, which
// are negative as 32-bit integers, in hexadecimal as its documentation gives them
// ("0x8004000B"); the run-time errors in decimal ("13").
inline std::string errorNumberText(int32_t number) {
    if (number >= 0) return std::to_string(number);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<uint32_t>(number));
    return hex;
}

// An integer or currency result out of its type's range.
class OverflowError : public Error {
public:
    explicit OverflowError(const std::string& what) : Error(kErrOverflow, "Overflow: " + what) {}
};

// A text that does not stand for a number where a number is required.
class ConversionError : public Error {
public:
    explicit ConversionError(const std::string& what)
        : Error(kErrTypeMismatch, "Type mismatch: " + what) {}
};

class DivisionByZeroError : public Error {
public:
    explicit DivisionByZeroError(const std::string& what)
        : Error(kErrDivisionByZero, "Division by zero: " + what) {}
};

}  // namespace dnt
