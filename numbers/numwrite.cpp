// Writing of numbers as the texts that records and printed pages hold.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "numbers/error.h"
#include "numbers/numtext.h"

namespace dnt {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kFirstExponentForm = 15;  // 1E+15 and above

}  // namespace

std::string NumberToText(double value) {
    if (!std::isfinite(value)) throw OverflowError("no text for a number that is not finite");
    if (value == 0.0) return "0";

    // Scientific form with 15 significant digits, correctly rounded and locale-free:
    // "-d.dddddddddddddde+xx".
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    std::string scientific(buffer, end);
    bool negative = scientific[0] == '-';
    size_t e = scientific.find('e');
    int exponent = std::atoi(scientific.c_str() + e + 1);
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i) {
        if (scientific[i] != '.') digits += scientific[i];
    }
    digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0

    std::string text = negative ? "-" : "";
    if (exponent >= kFirstExponentForm) {
        text += digits[0];
        if (digits.size() > 1) text += "." + digits.substr(1);
        return text + "E+" + std::to_string(exponent);
    }
    if (exponent < 0) {
        return text + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    size_t wholeDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) return text + digits + std::string(wholeDigits - digits.size(), '0');
    return text + digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
}

std::string NumberToText(Currency value) {
    int64_t ticks = value.ticks();
    // Unsigned so that the most negative count has a magnitude too.
    uint64_t magnitude = ticks < 0 ? 0 - static_cast<uint64_t>(ticks) : static_cast<uint64_t>(ticks);
    uint64_t perUnit = static_cast<uint64_t>(Currency::kTicksPerUnit);
    std::string text = (ticks < 0 ? "-" : "") + std::to_string(magnitude / perUnit);
    std::string decimals = std::to_string(magnitude % perUnit + perUnit).substr(1);  // 4 digits
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (!decimals.empty()) text += "." + decimals;
    return text;
}

std::string NumberToText(Int16 value) { return std::to_string(value.value()); }

std::string NumberToText(Long32 value) { return std::to_string(value.value()); }

std::string NumberToText(int64_t value) { return std::to_string(value); }

}  // namespace dnt
