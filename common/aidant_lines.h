// W_LignesAidants, the aidant lines of the aidé being declared: one line per aidant (two for
// an aidant whose contracts are not adjacent), each with its figures under a name. The
// figures are kept as the texts the calculation writes (a value is "" until something is
// added into it), so that "empty, else added to" reads as it is stated.
#pragma once

#include <string>
#include <vector>

#include "dba/dynarray.h"

namespace dnt {

struct AidantLine {
    std::string aidant;         // the aidant's code (value 1)
    std::string hours;          // hours of the quarter, in currency (value 2)
    std::string gross;          // gross amount, in currency (value 3)
    std::string basis;          // field 30 of the contract of the last month read: "F", "B"... (value 4)
    std::string flag;           // "False" once a month is read (value 5)
    std::string hoursExcluded;  // the months' field 62 / 100, in currency; whole hours once declared (value 6)
    std::string overtime125;    // overtime hours at 125 % (value 7)
    std::string overtime150;    // overtime hours at 150 % (value 8)
    std::string overtimePay;    // field 5 of the overtime pay lines (value 9)
    std::string amount922;      // field 7 of the months coded "922"; then the 922 hours (value 10)
};

// A text as one value of a dynamic array keeps it: up to its first value or field mark.
std::string asValue(const std::string& text);

class AidantLines {
public:
    // Line L, counted from 1; an empty line for one that does not exist.
    const AidantLine& operator[](long L) const;
    // Line L, made (with the lines before it) when it does not exist yet.
    AidantLine& at(long L);
    // The number of lines made.
    long count() const { return static_cast<long>(lines_.size()); }
    void clear() { lines_.clear(); }
    // The lines as a dynamic array, one field per line, value v the v-th figure above.
    dba::DynArray asDynArray() const;

private:
    std::vector<AidantLine> lines_;
};

}  // namespace dnt
