// Conversion between day numbers and "dd/mm/yyyy" dates.
#include "dba/dates.h"

#include <cstdio>
#include <optional>
#include <string>

#include "numbers/decimaltext.h"
#include "dba/errors.h"

namespace dba {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

constexpr bool IsLeap(long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int DaysInMonth(int y, int m) {
    return m == 2 && IsLeap(y) ? 29 : kDaysInMonth[m - 1];
}

// Days from 01/03/0000 of the proleptic Gregorian calendar, counting years from March so that
// the leap day ends each counted year; eras are the 400-year cycles.
constexpr long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2 ? 1 : 0;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yearOfEra = y - era * 400;
    long dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

Ymd CivilFromDays(long z) {
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long dayOfEra = z - era * 146097;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long mp = (5 * dayOfYear + 2) / 153;
    long d = dayOfYear - (153 * mp + 2) / 5 + 1;
    long m = mp < 10 ? mp + 3 : mp - 9;
    long y = yearOfEra + era * 400 + (m <= 2 ? 1 : 0);
    return Ymd{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long kOrigin = DaysFromCivil(1967, 12, 31);
constexpr long kFirstDay = DaysFromCivil(kFirstYear, 1, 1) - kOrigin;
constexpr long kLastDay = DaysFromCivil(kLastYear, 12, 31) - kOrigin;
static_assert(DaysFromCivil(2010, 3, 31) - kOrigin == 15431);

[[noreturn]] void Refuse(const std::string& message) { throw DbError(kErrConversion, message); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The value of a run of ASCII digits of the given allowed lengths, or nothing.
std::optional<int> DigitsField(std::string_view text, size_t minLength, size_t maxLength) {
    if (text.size() < minLength || text.size() > maxLength) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

Ymd ToYmd(long day) {
    if (day < kFirstDay || day > kLastDay) {
        Refuse("day number " + std::to_string(day) + " is outside the years 0001 to 9999");
    }
    return CivilFromDays(day + kOrigin);
}

long FromYmd(int y, int m, int d) {
    if (y < kFirstYear || y > kLastYear || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) {
        Refuse("no such date: day " + std::to_string(d) + ", month " + std::to_string(m) +
               ", year " + std::to_string(y));
    }
    return DaysFromCivil(y, m, d) - kOrigin;
}

std::string DateExterne(long day) {
    Ymd date = ToYmd(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.d, date.m, date.y);
    return text;
}

std::string DateExterneText(std::string_view dayText) {
    std::optional<dnt::DecimalText> number = dnt::ParseDecimal(dayText);
    if (!number) Refuse("day number " + Quoted(dayText) + " is not a number");
    if (number->exponent < 0) Refuse("day number " + Quoted(dayText) + " is not a whole number");
    // Ten digits already lie far beyond the year 9999; ToYmd refuses what is between.
    if (number->magnitude() > 10) Refuse("day number " + Quoted(dayText) + " is out of range");
    long day = 0;
    for (char c : number->digits) day = day * 10 + (c - '0');
    for (long i = 0; i < number->exponent; ++i) day *= 10;
    return DateExterne(number->negative ? -day : day);
}

long DateInterne(std::string_view ddmmyyyy) {
    size_t first = ddmmyyyy.find('/');
    size_t second = first == std::string_view::npos ? first : ddmmyyyy.find('/', first + 1);
    if (second == std::string_view::npos) Refuse("date " + Quoted(ddmmyyyy) + " is not dd/mm/yyyy");
    std::optional<int> d = DigitsField(ddmmyyyy.substr(0, first), 1, 2);
    std::optional<int> m = DigitsField(ddmmyyyy.substr(first + 1, second - first - 1), 1, 2);
    std::optional<int> y = DigitsField(ddmmyyyy.substr(second + 1), 4, 4);
    if (!d || !m || !y) Refuse("date " + Quoted(ddmmyyyy) + " is not dd/mm/yyyy");
    if (*y < kFirstYear || *m < 1 || *m > 12 || *d < 1 || *d > DaysInMonth(*y, *m)) {
        Refuse("date " + Quoted(ddmmyyyy) + " does not exist");
    }
    return FromYmd(*y, *m, *d);
}

std::string DateInterneText(std::string_view ddmmyyyy) {
    return std::to_string(DateInterne(ddmmyyyy));
}

}  // namespace dba
