// Number recognition and the comparison rules of sentences and sorts.
#include "dba/compare.h"

#include <charconv>
#include <cstring>

namespace dba {

bool isQueryNumber(std::string_view t) {
    size_t i = 0, n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = i;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == digits) return false;
    if (i == n) return true;
    if (t[i] != '.') return false;
    ++i;
    size_t decimals = i;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i;
    return i == n && i > decimals;
}

double queryNumber(std::string_view t) {
    if (!t.empty() && t[0] == '+') t.remove_prefix(1);
    double v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

static int byteCompare(std::string_view a, std::string_view b) {
    int c = a.compare(b);  // char_traits<char>::compare is memcmp: unsigned bytes
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int compareValues(std::string_view a, std::string_view b) {
    if (isQueryNumber(a) && isQueryNumber(b)) {
        double x = queryNumber(a), y = queryNumber(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return byteCompare(a, b);
}

SortValue SortValue::of(std::string_view text) {
    SortValue v{text};
    if (isQueryNumber(text)) {
        v.number = true;
        v.value = queryNumber(text);
    }
    return v;
}

int sortCompare(const SortValue& a, const SortValue& b) {
    if (a.number && b.number) return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
    if (a.number != b.number) return a.number ? -1 : 1;
    return byteCompare(a.text, b.text);
}

int sortCompare(std::string_view a, std::string_view b) { return sortCompare(SortValue::of(a), SortValue::of(b)); }

}  // namespace dba
