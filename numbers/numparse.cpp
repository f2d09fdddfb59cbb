// Reading of number texts into doubles and whole numbers.
#include <charconv>
#include <optional>
#include <string>

#include "numbers/decimaltext.h"
#include "numbers/error.h"
#include "numbers/numtext.h"

namespace dnt {

namespace {

// Beyond these decimal magnitudes a double overflows (about 1.8E+308) or is zero (about
// 4.9E-324); between them from_chars decides exactly.
constexpr long kOverflowMagnitude = 310;
constexpr long kZeroMagnitude = -330;

[[noreturn]] void ThrowOverflow(std::string_view text) {
    throw OverflowError("\"" + std::string(text) + "\" is beyond the range of a double");
}

}  // namespace

double CDbl(std::string_view text) {
    std::optional<DecimalText> number = ParseDecimal(text);
    if (!number) throw ConversionError("\"" + std::string(text) + "\" is not a number");
    if (number->isZero()) return 0.0;
    if (number->magnitude() > kOverflowMagnitude) ThrowOverflow(text);
    if (number->magnitude() < kZeroMagnitude) return 0.0;

    // from_chars rounds correctly and, unlike strtod, never looks at the locale.
    std::string normalized = number->digits + "e" + std::to_string(number->exponent);
    double value = 0.0;
    auto [end, error] =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (number->magnitude() > 0) ThrowOverflow(text);
        value = 0.0;
    }
    return number->negative ? -value : value;
}

bool IsNumeric(std::string_view text) { return ParseDecimal(text).has_value(); }

Int16 CIntText(std::string_view text) { return CInt(CDbl(text)); }

Long32 CLngText(std::string_view text) { return CLng(CDbl(text)); }

}  // namespace dnt
