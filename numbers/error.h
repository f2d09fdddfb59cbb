// Errors raised by the control and its libraries: each carries a number, as the
// database library and the host expect, and a message that says what went wrong.
#pragma once

#include <cstdint>
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
