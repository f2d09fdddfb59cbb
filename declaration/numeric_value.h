// Val, the numeric value of a text as the classic Basic Val reads it: leading number only,
// blanks ignored anywhere, 0 when the text does not start with a number.
#pragma once

#include <string_view>

namespace declaration {

// "2 90 07 10 585 564" gives 2900710585564, "12AB" gives 12, "AB", "" and "-" give 0.
// Reads an optional sign, digits, one decimal point and an exponent (E or D); "&H" and
// "&O" prefixes read hexadecimal and octal digits.
double Val(std::string_view text);

}  // namespace declaration
