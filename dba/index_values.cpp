// Index entries of a record, and the entries a comparison looks up.
#include "dba/index_values.h"

#include <algorithm>

#include "dba/compare.h"
#include "dba/dynarray.h"

namespace dba {

bool isFieldNumber(std::string_view item) {
    return !item.empty() && item.size() <= 6 && item.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string canonicalNumber(std::string_view t) {
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    const size_t dot = t.find('.');
    std::string_view whole = t.substr(0, dot);
    std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : t.substr(dot + 1);
    while (!whole.empty() && whole[0] == '0') whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    std::string out;
    if (negative && !(whole.empty() && fraction.empty())) out = "-";
    out += whole.empty() ? std::string_view("0") : whole;
    if (!fraction.empty()) {
        out += '.';
        out += fraction;
    }
    return out;
}

namespace {

void addValue(std::string_view v, std::vector<std::string>& out) {
    out.push_back("=" + std::string(v));
    if (isQueryNumber(v)) out.push_back("#" + canonicalNumber(v));
}

}  // namespace

void indexEntries(const IndexedItem& item, const EvalContext& record, std::vector<std::string>& out) {
    out.clear();
    // The values as a condition tests them: a whole field split at its value marks, any
    // other expression as it gives them.
    std::string_view field;
    bool whole = true;
    if (!item.expr) field = item.number == 0 ? record.key : fieldView(record.data, item.number);
    else whole = item.expr->fieldView(record, field);
    if (whole) {
        size_t start = 0;
        while (true) {
            const size_t end = field.find(VM, start);
            addValue(field.substr(start, end == std::string_view::npos ? end : end - start), out);
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
    } else {
        std::vector<std::string> values;
        item.expr->values(record, values);
        for (const std::string& v : values) addValue(v, out);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

std::optional<IndexProbe> probeFor(const Comparison& c) {
    if (c.op != Comparison::Eq) return std::nullopt;
    if (c.prefix) return IndexProbe{"=" + c.value, true};
    if (c.valueIsNumber) return IndexProbe{"#" + canonicalNumber(c.value), false};
    return IndexProbe{"=" + c.value, false};
}

}  // namespace dba
