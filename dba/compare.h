// The comparison rule of query sentences and sorts: numbers compare as numbers when
// both sides are numbers, everything else as byte strings.
#pragma once

#include <string_view>

namespace dba {

// Optional sign, digits, then optionally a decimal point and digits.
bool isQueryNumber(std::string_view text);

// Exact comparison of two texts for which isQueryNumber is true.
int compareNumbers(std::string_view a, std::string_view b);

// <0, 0, >0: numerically when both are numbers, otherwise byte by byte.
int compareValues(std::string_view a, std::string_view b);

// The sort order: numbers (numerically) before texts (byte by byte).
int sortCompare(std::string_view a, std::string_view b);

// A value already classified, so that a sort classifies each value once. A number
// also keeps its double when it has one: two different doubles decide the order at
// once, and only equal doubles, or digits beyond a double's range, are compared
// digit by digit.
struct SortValue {
    std::string_view text;
    bool number = false;
    bool hasDouble = false;
    double value = 0;
    static SortValue of(std::string_view text);
};
int sortCompare(const SortValue& a, const SortValue& b);

}  // namespace dba
