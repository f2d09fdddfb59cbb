// Left, Right, Mid, CleMois and CleMoisInterne: pieces of texts taken by position, as the
// record layouts and date forms are described, and the month key (yyyymm) of a date.
#pragma once

#include <string>
#include <string_view>

namespace payroll {

// The first n characters (all of a shorter text).
std::string Left(std::string_view text, size_t n);
// The last n characters (all of a shorter text).
std::string Right(std::string_view text, size_t n);
// n characters from position start (counted from 1); fewer, or none, past the end.
std::string Mid(std::string_view text, size_t start, size_t n);

// "yyyymm" of a "dd/mm/yyyy" date: characters 7 to 10, then 4 and 5.
std::string CleMois(std::string_view dateExterne);
// The same for a day number held as text.
std::string CleMoisInterne(std::string_view jour);

}  // namespace payroll
