// Months and quarters of the demo data: their day numbers, month keys, quarter keys
// and the labels of the quarter list.
#pragma once

#include <string>

namespace demo {

struct Month {
    int year;
    int month;  // 1 to 12

    long firstDay() const;
    long lastDay() const;
    int days() const { return static_cast<int>(lastDay() - firstDay() + 1); }
    // The day number of day d of the month.
    long day(int d) const;
    // "yyyymm", as DETAILCALCUL keys and pay periods write it.
    std::string key() const;
    Month plus(int months) const;
    auto operator<=>(const Month&) const = default;
};

struct Quarter {
    int year;
    int number;  // 1 to 4

    // "4ème TRIMESTRE 2025", "1er  TRIMESTRE 2025": the text of the quarter list.
    std::string label() const;
    // "20254": the year and the quarter digit.
    std::string key() const;
    Month month(int i) const { return Month{year, 3 * (number - 1) + i}; }  // i = 1, 2, 3
    long firstDay() const { return month(1).firstDay(); }
    long lastDay() const { return month(3).lastDay(); }
    Quarter plus(int quarters) const;
    auto operator<=>(const Quarter&) const = default;
};

// The quarter of a label ("4ème TRIMESTRE 2025") or a key ("20254"); false when the text is neither.
bool parseQuarter(const std::string& text, Quarter& out);

}  // namespace demo
