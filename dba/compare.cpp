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

// Compares two texts that isQueryNumber accepts, exactly, digit by digit: a double
// would confuse numbers of more than fifteen digits.
int compareNumbers(std::string_view a, std::string_view b) {
    auto parts = [](std::string_view t, bool& negative, std::string_view& whole, std::string_view& fraction) {
        negative = false;
        if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
            negative = t[0] == '-';
            t.remove_prefix(1);
        }
        size_t dot = t.find('.');
        whole = t.substr(0, dot);
        fraction = dot == std::string_view::npos ? std::string_view{} : t.substr(dot + 1);
        while (!whole.empty() && whole[0] == '0') whole.remove_prefix(1);
        while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
        if (whole.empty() && fraction.empty()) negative = false;  // -0 is 0
    };
    bool na, nb;
    std::string_view wa, fa, wb, fb;
    parts(a, na, wa, fa);
    parts(b, nb, wb, fb);
    if (na != nb) return na ? -1 : 1;
    int magnitude;
    if (wa.size() != wb.size()) {
        magnitude = wa.size() < wb.size() ? -1 : 1;
    } else {
        int c = wa.compare(wb);
        if (c == 0) c = fa.compare(fb);
        magnitude = c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return na ? -magnitude : magnitude;
}

static int byteCompare(std::string_view a, std::string_view b) {
    int c = a.compare(b);  // char_traits<char>::compare is memcmp: unsigned bytes
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int compareValues(std::string_view a, std::string_view b) {
    if (isQueryNumber(a) && isQueryNumber(b)) return compareNumbers(a, b);
    return byteCompare(a, b);
}

SortValue SortValue::of(std::string_view text) {
    SortValue v{text};
    if (isQueryNumber(text)) {
        v.number = true;
        std::string_view t = text[0] == '+' ? text.substr(1) : text;
        // from_chars rounds correctly, and correct rounding keeps the order; beyond a
        // double's range it gives no value at all.
        v.hasDouble = std::from_chars(t.data(), t.data() + t.size(), v.value).ec == std::errc();
    }
    return v;
}

int sortCompare(const SortValue& a, const SortValue& b) {
    if (a.number && b.number) {
        if (a.hasDouble && b.hasDouble && a.value != b.value) return a.value < b.value ? -1 : 1;
        return compareNumbers(a.text, b.text);  // the doubles cannot tell: the digits do
    }
    if (a.number != b.number) return a.number ? -1 : 1;
    return byteCompare(a.text, b.text);
}

int sortCompare(std::string_view a, std::string_view b) { return sortCompare(SortValue::of(a), SortValue::of(b)); }

}  // namespace dba
