// Reading of a number written as text into its exact decimal digits.
#include "numbers/decimaltext.h"

namespace dnt {

namespace {

constexpr long kExponentLimit = 1'000'000;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<DecimalText> ParseDecimal(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::string_view s = text.substr(begin, end - begin);

    DecimalText result;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        result.negative = s[i] == '-';
        ++i;
    }

    std::string digits;
    long fractionDigits = 0;
    bool anyDigit = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        digits += s[i];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            digits += s[i];
            ++fractionDigits;
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;

    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        if (i == s.size() || !IsDigit(s[i])) return std::nullopt;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            if (exponent < kExponentLimit) exponent = exponent * 10 + (s[i] - '0');
        }
        if (exponent > kExponentLimit) exponent = kExponentLimit;
        if (negativeExponent) exponent = -exponent;
    }
    if (i != s.size()) return std::nullopt;

    size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return DecimalText{};  // zero, whatever its sign
    size_t last = digits.find_last_not_of('0');
    result.digits = digits.substr(first, last + 1 - first);
    result.exponent = exponent - fractionDigits + static_cast<long>(digits.size() - 1 - last);
    return result;
}

}  // namespace dnt
