// The aidant lines of an aidé.
#include "common/aidant_lines.h"

namespace dnt {

std::string asValue(const std::string& text) { return text.substr(0, text.find_first_of("\xFE\xFD")); }

const AidantLine& AidantLines::operator[](long L) const {
    static const AidantLine kNone;
    return L >= 1 && L <= count() ? lines_[static_cast<size_t>(L - 1)] : kNone;
}

AidantLine& AidantLines::at(long L) {
    if (L < 1) L = 1;
    if (L > count()) lines_.resize(static_cast<size_t>(L));
    return lines_[static_cast<size_t>(L - 1)];
}

dba::DynArray AidantLines::asDynArray() const {
    dba::DynArray a;
    for (long L = 1; L <= count(); ++L) {
        const AidantLine& l = lines_[static_cast<size_t>(L - 1)];
        const std::string* values[] = {&l.aidant,        &l.hours,       &l.gross,       &l.basis,
                                       &l.flag,          &l.hoursExcluded, &l.overtime125, &l.overtime150,
                                       &l.overtimePay,   &l.amount922};
        for (int v = 1; v <= 10; ++v)
            if (!values[v - 1]->empty()) a.setElement(static_cast<int>(L), v, *values[v - 1]);
    }
    return a;
}

}  // namespace dnt
