// Fixed-width amounts and grouped SIRET numbers for the printed declaration.
#include "dba/numfmt.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "numbers/decimaltext.h"
#include "dba/errors.h"

namespace dba {

namespace {

// Past this decimal magnitude a number is no double any more (about 1.8E+308).
constexpr long kLargestMagnitude = 309;

// The digits of |value| x 10^d rounded to a whole number, halves away from zero.
std::string ScaledRoundedDigits(const dnt::DecimalText& value, int d) {
    if (value.isZero()) return "0";
    const std::string& digits = value.digits;
    long shift = value.exponent + d;
    if (shift >= 0) return digits + std::string(static_cast<size_t>(shift), '0');

    long kept = static_cast<long>(digits.size()) + shift;
    if (kept < 0) return "0";  // below a tenth of the last decimal: rounds to zero
    std::string result = digits.substr(0, static_cast<size_t>(kept));
    if (digits[static_cast<size_t>(kept)] >= '5') {
        // Add one unit to the kept digits, carrying through nines.
        size_t i = result.size();
        while (i > 0 && result[i - 1] == '9') result[--i] = '0';
        if (i == 0) result.insert(result.begin(), '1');
        else ++result[i - 1];
    }
    return result.empty() ? "0" : result;
}

}  // namespace

std::string FormatNombre(std::string_view numberText, int w, int d, int flag) {
    if (flag != 0) throw std::invalid_argument("FormatNombre: only flag 0 is supported");
    if (w < 0 || d < 0) throw std::invalid_argument("FormatNombre: negative width or decimals");

    std::optional<dnt::DecimalText> number = dnt::ParseDecimal(numberText);
    if (!number) {
        throw DbError(kErrConversion, "FormatNombre: \"" + std::string(numberText) + "\" is not a number");
    }
    if (number->magnitude() > kLargestMagnitude) {
        throw DbError(kErrConversion, "FormatNombre: \"" + std::string(numberText) + "\" is out of range");
    }

    std::string scaled = ScaledRoundedDigits(*number, d);
    size_t decimals = static_cast<size_t>(d);
    if (scaled.size() <= decimals) scaled.insert(0, decimals + 1 - scaled.size(), '0');
    std::string whole = scaled.substr(0, scaled.size() - decimals);
    bool zero = scaled.find_first_not_of('0') == std::string::npos;
    if (number->negative && !zero) whole.insert(whole.begin(), '-');

    std::string text;
    if (whole.size() < static_cast<size_t>(w)) text.assign(static_cast<size_t>(w) - whole.size(), ' ');
    return text + whole + "." + scaled.substr(scaled.size() - decimals);
}

std::string MiseEnFormeNumero(std::string_view text) {
    if (text.size() != 14) return std::string(text);
    for (char c : text) {
        if (c < '0' || c > '9') return std::string(text);
    }
    std::string grouped(text.substr(0, 3));
    grouped += ' ';
    grouped += text.substr(3, 3);
    grouped += ' ';
    grouped += text.substr(6, 3);
    grouped += ' ';
    grouped += text.substr(9);
    return grouped;
}

}  // namespace dba
