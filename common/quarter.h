// A quarter of the calendar, as a value: named by its label in the quarter list ("1er
// TRIMESTRE 2025", whose first character is the quarter's number and last four characters
// its year) or by its key ("20251", the year then the number), it gives its first and last
// day, its three months and whether a day falls inside it. The run's quarter travels as this
// value, from the screen (or the command line) to the printed page header.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dnt {

class Quarter {
public:
    // Quarter `number` (1 to 4) of `year`.
    Quarter(int year, int number);
    // The quarter of a label of the list; nothing for a text that names none.
    static std::optional<Quarter> fromLabel(std::string_view label);
    // The quarter of a key "yyyyq"; nothing for a text that is not one.
    static std::optional<Quarter> fromKey(std::string_view key);
    // The quarter of month `month` (1 to 12) of `year`.
    static Quarter containing(int year, int month);

    int year() const { return year_; }
    int number() const { return number_; }
    // The key: the four-digit year followed by the quarter's number, "20104".
    std::string key() const;
    // The label of the quarter list: "1er  TRIMESTRE 2025" (two blanks after "er"),
    // "2ème TRIMESTRE 2025"; 19 characters.
    std::string label() const;

    // The first and last day, as day numbers and as their decimal texts (how the records
    // and the requests hold dates) and in the display form "dd/mm/yyyy".
    long firstDay() const;
    long lastDay() const;
    std::string firstDayText() const;
    std::string lastDayText() const;
    std::string firstDate() const;
    std::string lastDate() const;
    // Its months, 1 to 12, in order.
    std::array<int, 3> months() const;
    // Whether day `day` falls inside it, first and last days included.
    bool contains(long day) const;
    // The quarter before.
    Quarter previous() const;

    bool operator==(const Quarter&) const = default;

private:
    int year_, number_;
};

}  // namespace dnt
