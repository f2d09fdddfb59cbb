// Val: the leading number of a text, blanks, tabs and line feeds passed over.
#include "declaration/numeric_value.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace declaration {

namespace {
bool ignored(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

namespace {
// Upper case of an ASCII letter, whatever the process's locale.
char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

double Val(std::string_view text) {
    std::string chars;
    for (char c : text)
        if (!ignored(c)) chars.push_back(c);

    // Hexadecimal and octal forms.
    if (chars.size() >= 2 && chars[0] == '&') {
        char base = asciiUpper(chars[1]);
        int radix = base == 'H' ? 16 : base == 'O' ? 8 : 0;
        if (radix == 0) return 0;
        double v = 0;
        for (size_t i = 2; i < chars.size(); ++i) {
            char c = asciiUpper(chars[i]);
            int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
            if (d >= radix) break;
            v = v * radix + d;
        }
        return v;
    }

    // Sign, digits, one point, digits, then an exponent only when digits follow it.
    std::string number;
    size_t i = 0;
    if (i < chars.size() && (chars[i] == '+' || chars[i] == '-')) number.push_back(chars[i++]);
    bool digits = false, point = false;
    for (; i < chars.size(); ++i) {
        char c = chars[i];
        if (c >= '0' && c <= '9') {
            number.push_back(c);
            digits = true;
        } else if (c == '.' && !point) {
            number.push_back(c);
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    if (i < chars.size() && (chars[i] == 'E' || chars[i] == 'e' || chars[i] == 'D' || chars[i] == 'd')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < chars.size() && (chars[j] == '+' || chars[j] == '-')) exponent.push_back(chars[j++]);
        bool expDigits = false;
        for (; j < chars.size() && chars[j] >= '0' && chars[j] <= '9'; ++j) {
            exponent.push_back(chars[j]);
            expDigits = true;
        }
        if (expDigits) number += exponent;
    }
    double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

}  // namespace declaration
