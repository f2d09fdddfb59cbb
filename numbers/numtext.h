// Conversions between numbers and the texts that records and printed pages hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/currency.h"
#include "numbers/integers.h"

namespace dnt {

// The double nearest to a text under the number rule (see ParseDecimal: blanks around, sign,
// digits with an optional ".", optional exponent). Raises dnt::ConversionError naming the
// text when it breaks the rule (the empty text does), dnt::OverflowError when its value is
// beyond the range of a double; a value too small for a double gives 0.
double CDbl(std::string_view text);

// Whether CDbl would read the text without a ConversionError.
bool IsNumeric(std::string_view text);

// CInt and CLng of CDbl(text).
Int16 CIntText(std::string_view text);
Long32 CLngText(std::string_view text);

// A double as text: "." as decimal separator, at most 15 significant digits, no trailing
// zeros and no "." without decimals (944.9999999999999 -> "945", 12.0 -> "12", -0.0 -> "0").
// From 1E+15 up in magnitude the form is mantissa "E+" exponent ("1E+15", "1.5E+16"); every
// smaller magnitude, however tiny, is written in full ("0.0000000000000001").
// NaN and infinities, which no checked computation yields, raise dnt::OverflowError.
std::string NumberToText(double value);
// A currency with at most four decimals and no trailing zeros ("131.1", "-0.0005", "7").
std::string NumberToText(Currency value);
std::string NumberToText(Int16 value);
std::string NumberToText(Long32 value);
std::string NumberToText(int64_t value);
// So that a plain int literal picks the whole-number form rather than being ambiguous.
inline std::string NumberToText(int value) { return NumberToText(static_cast<int64_t>(value)); }

}  // namespace dnt
