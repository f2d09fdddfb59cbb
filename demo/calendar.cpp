// Month and quarter arithmetic on the database's day numbers.
#include "demo/calendar.h"

#include <cstdio>

#include "dba/dates.h"

namespace demo {

long Month::firstDay() const { return dba::FromYmd(year, month, 1); }

long Month::lastDay() const { return plus(1).firstDay() - 1; }

long Month::day(int d) const { return firstDay() + d - 1; }

std::string Month::key() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d", year, month);
    return buf;
}

Month Month::plus(int months) const {
    int index = year * 12 + (month - 1) + months;
    int y = index / 12, m = index % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    return Month{y, m + 1};
}

std::string Quarter::label() const {
    return std::to_string(number) + (number == 1 ? "er " : "ème") + " TRIMESTRE " + std::to_string(year);
}

std::string Quarter::key() const { return std::to_string(year) + std::to_string(number); }

Quarter Quarter::plus(int quarters) const {
    int index = year * 4 + (number - 1) + quarters;
    return Quarter{index / 4, index % 4 + 1};
}

bool parseQuarter(const std::string& text, Quarter& out) {
    auto allDigits = [](const std::string& s) {
        if (s.empty()) return false;
        for (char c : s)
            if (c < '0' || c > '9') return false;
        return true;
    };
    std::string year, digit;
    if (text.size() == 5 && allDigits(text)) {
        year = text.substr(0, 4);
        digit = text.substr(4);
    } else {
        for (int q = 1; q <= 4; ++q) {
            if (text.size() < 4) break;
            Quarter candidate{0, q};
            std::string y = text.substr(text.size() - 4);
            if (!allDigits(y)) break;
            candidate.year = std::stoi(y);
            if (candidate.label() == text) {
                year = y;
                digit = std::to_string(q);
            }
        }
    }
    if (year.empty() || digit.size() != 1 || digit[0] < '1' || digit[0] > '4') return false;
    out = Quarter{std::stoi(year), digit[0] - '0'};
    return true;
}

}  // namespace demo
