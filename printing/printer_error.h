// The error a printer operation raises when the printer or its output file fails.
#pragma once

#include "numbers/error.h"

#include <string>

namespace printing {

inline constexpr int32_t kErrPrinter = 482;            // "Printer error" of the classic Basic
inline constexpr int32_t kErrInvalidPropertyValue = 380;

class PrinterError : public dnt::Error {
public:
    explicit PrinterError(const std::string& what) : dnt::Error(kErrPrinter, "Printer error: " + what) {}
};

class InvalidPropertyValue : public dnt::Error {
public:
    explicit InvalidPropertyValue(const std::string& what)
        : dnt::Error(kErrInvalidPropertyValue, "Invalid property value: " + what) {}
};

}  // namespace printing
