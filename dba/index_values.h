// What a secondary index keeps of a record, and what a condition asks of it. An index on
// an item (a field number or a dictionary item of the file) holds, for each record, one
// entry per value of the item, taken exactly as a condition of a sentence takes them:
// every value as it is, "=" followed by its bytes, and for a value that is a number also
// "#" followed by its canonical form, so that an equality that compares as numbers
// ("01001" = "1001") finds it. A condition answered by an index is still tested on each
// record found: the index only narrows the records read, never decides.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dba/expression.h"
#include "dba/sentence.h"

namespace dba {

struct IndexDef {
    std::string file;
    std::string item;  // a field number ("3") or a dictionary item's name
    bool operator==(const IndexDef&) const = default;
};

// An item made ready to evaluate: a field number, or a compiled dictionary item.
struct IndexedItem {
    int number = 0;
    std::shared_ptr<const Expression> expr;
};

// Whether an item names a field by its number.
bool isFieldNumber(std::string_view item);

// The entries of a record for an item, in `out` (cleared first), each once.
void indexEntries(const IndexedItem& item, const EvalContext& record, std::vector<std::string>& out);

// A number's canonical text: no sign for zero or a plus, no leading zeros in the whole
// part ("0" when it has none), no trailing zeros in the decimals, no point without them.
// Two numbers compare equal exactly when their canonical texts are the same.
std::string canonicalNumber(std::string_view number);

// The entries that meet one comparison: those equal to `entry`, or beginning with it.
struct IndexProbe {
    std::string entry;
    bool prefix = false;
};
// What an index answers of a comparison: an equality or a "]" prefix; none for the others.
std::optional<IndexProbe> probeFor(const Comparison& c);

}  // namespace dba
