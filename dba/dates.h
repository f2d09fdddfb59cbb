// Conversion between the internal dates of the records (day numbers) and the "dd/mm/yyyy"
// form shown and printed.
#pragma once

#include <string>
#include <string_view>

namespace dba {

// Day numbers count days from 31/12/1967 (day 0): 01/01/1968 is day 1, 31/03/2010 is day
// 15431, and days before 1968 are negative. The calendar is the Gregorian one, carried back
// before its adoption; the years run from 0001 to 9999, so every date has four year digits.
// Each refusal below raises dba::DbError with number kErrConversion and says why.

struct Ymd {
    int y;
    int m;
    int d;
    bool operator==(const Ymd&) const = default;
};

// The calendar date of a day number; refuses a day outside the years 0001 to 9999.
Ymd ToYmd(long day);

// The day number of a calendar date; refuses a date that does not exist (29/02/2023,
// 31/04/2024, month 0 or 13, day 0) or lies outside the years 0001 to 9999.
long FromYmd(int y, int m, int d);

// "dd/mm/yyyy" of a day number (DateExterne(15431) == "31/03/2010").
std::string DateExterne(long day);

// The same for a day number held as text. The text follows the number rule of CDbl (blanks
// around allowed) and must be a whole number: "15431" or "15431.0", not "15431.5", "" or "x".
std::string DateExterneText(std::string_view dayText);

// The day number of "d/m/yyyy": one or two digits of day and of month, exactly four of year,
// nothing else (no blanks). An impossible or malformed date is refused, never adjusted.
long DateInterne(std::string_view ddmmyyyy);

// DateInterne written as decimal text, as records hold it ("15431", "-1").
std::string DateInterneText(std::string_view ddmmyyyy);

}  // namespace dba
