// The two number layouts of the printed declaration: fixed-width amounts and grouped
// URSSAF or SIRET numbers.
#pragma once

#include <string>
#include <string_view>

namespace dba {

// The number held in `numberText` rounded to d decimals, halves away from zero, the rounding
// done on the decimal digits of the text (so "2.675" gives "2.68" and "-0.005" gives "-0.01",
// which binary doubles would not). The result is the integer part with its sign, right-aligned
// in w positions with blanks, then "." and exactly d decimals: w + 1 + d characters, unless the
// integer part is wider than w, in which case it is written whole. With d = 0 the "." is still
// written, so the width stays w + 1. A value that rounds to zero carries no sign.
// The text follows the number rule of CDbl (blanks around it are allowed); a text that breaks
// it, or whose value is beyond the range of a double, raises dba::DbError with kErrConversion.
// flag must be 0 and w, d not negative (std::invalid_argument otherwise): no other layout
// is made here.
std::string FormatNombre(std::string_view numberText, int w, int d, int flag);

// A text of exactly 14 digits (a SIRET) grouped as its SIREN and NIC: "12345678900012" gives
// "123 456 789 00012". Any other text is returned unchanged.
std::string MiseEnFormeNumero(std::string_view text);

}  // namespace dba
