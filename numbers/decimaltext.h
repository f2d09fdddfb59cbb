// Reading of a number written as text into its exact decimal digits, so that callers can
// convert or round on the value the text says rather than on a binary approximation of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dnt {

// The value (-1)^negative x digits x 10^exponent, held exactly. `digits` has neither leading
// nor trailing zeros; it is empty for zero, and zero is never negative.
struct DecimalText {
    bool negative = false;
    std::string digits;
    long exponent = 0;

    bool isZero() const { return digits.empty(); }
    // The value lies in [10^(magnitude-1), 10^magnitude): for 123.4 it is 3, for 0.05 it is -1.
    long magnitude() const { return exponent + static_cast<long>(digits.size()); }
};

// Reads a text under the number rule shared by every conversion from text: optional blanks
// (spaces or tabs), an optional "+" or "-", digits with an optional "." (at least one digit on
// either side of it), an optional exponent ("E" or "e", optional sign, at least one digit), and
// optional blanks. Gives nothing when the text breaks the rule; the empty text breaks it.
// An exponent beyond a million in size is held as a million: no double or currency comes near.
std::optional<DecimalText> ParseDecimal(std::string_view text);

}  // namespace dnt
