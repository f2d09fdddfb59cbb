// The quarter value: labels, keys, days and months.
#include "common/quarter.h"

#include <stdexcept>

#include "dba/dates.h"

namespace dnt {

namespace {

bool digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

Quarter::Quarter(int year, int number) : year_(year), number_(number) {
    if (number < 1 || number > 4) throw std::invalid_argument("a quarter is numbered 1 to 4, not " + std::to_string(number));
    if (year < 1 || year > 9999) throw std::invalid_argument("a quarter's year has four digits, not " + std::to_string(year));
}

std::optional<Quarter> Quarter::fromLabel(std::string_view label) {
    if (label.size() < 5 || label[0] < '1' || label[0] > '4') return std::nullopt;
    const std::string_view year = label.substr(label.size() - 4);
    if (!digits(year)) return std::nullopt;
    return Quarter(std::stoi(std::string(year)), label[0] - '0');
}

std::optional<Quarter> Quarter::fromKey(std::string_view key) {
    if (key.size() != 5 || !digits(key) || key[4] < '1' || key[4] > '4') return std::nullopt;
    return Quarter(std::stoi(std::string(key.substr(0, 4))), key[4] - '0');
}

Quarter Quarter::containing(int year, int month) { return Quarter(year, (month - 1) / 3 + 1); }

std::string Quarter::key() const {
    std::string y = std::to_string(year_);
    return std::string(4 - y.size(), '0') + y + std::to_string(number_);
}

std::string Quarter::label() const {
    std::string y = std::to_string(year_);
    return std::to_string(number_) + (number_ == 1 ? "er " : "ème") + " TRIMESTRE " + std::string(4 - y.size(), '0') + y;
}

long Quarter::firstDay() const { return dba::FromYmd(year_, 3 * (number_ - 1) + 1, 1); }

long Quarter::lastDay() const {
    static constexpr int kLastDay[] = {31, 30, 30, 31};
    return dba::FromYmd(year_, 3 * number_, kLastDay[number_ - 1]);
}

std::string Quarter::firstDayText() const { return std::to_string(firstDay()); }
std::string Quarter::lastDayText() const { return std::to_string(lastDay()); }
std::string Quarter::firstDate() const { return dba::DateExterneText(firstDayText()); }
std::string Quarter::lastDate() const { return dba::DateExterneText(lastDayText()); }

std::array<int, 3> Quarter::months() const {
    const int first = 3 * (number_ - 1) + 1;
    return {first, first + 1, first + 2};
}

bool Quarter::contains(long day) const { return firstDay() <= day && day <= lastDay(); }

Quarter Quarter::previous() const { return number_ == 1 ? Quarter(year_ - 1, 4) : Quarter(year_, number_ - 1); }

}  // namespace dnt
