// Fuzz target: dictionary expressions parsed, then evaluated on a record whose TRANS
// terms find records.
#include <map>

#include "dba/errors.h"
#include "dba/expression.h"
#include "fuzz/fuzz_support.h"

namespace {

// A few records of the standard files, and the record under evaluation in every file,
// so that nested TRANS terms find something.
class Lookup : public dba::RecordLookup {
public:
    std::string ownKey, own;
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> records{
        {{"CIVILAIDE", "11344"}, "M\xFE" "DUPONT\xFD" "AUTRE\xFE" "JEAN\xFC" "X"},
        {{"ELTSPARTEMP", "11344"}, "75\xFE\xFE\xFE\xFE\xFE\xFE\xFE" "1"},
        {{"CIVILAIDANT", "A0004"}, "x\xFEy\xFE" "MARIE\xFE" "DURAND"},
    };
    std::string_view found;
    const std::string_view* find(const std::string& file, std::string_view key) override {
        if (key == ownKey) return &(found = own);
        auto it = records.find(std::make_pair(file, std::string(key)));
        if (it == records.end()) return nullptr;
        return &(found = it->second);
    }
};

}  // namespace

// The input: the expression, a newline, the record's key, a newline, the record's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view text = fuzz::takeLine(rest);
    Lookup lookup;
    lookup.ownKey = std::string(fuzz::takeLine(rest));
    lookup.own = std::string(rest);
    dba::Expression e;
    try {
        e = dba::Expression::parse(text);
    } catch (const dba::DbError& err) {
        fuzz::require(err.number() == dba::kErrBadExpression, "an expression is refused as a bad expression");
        return 0;
    }
    dba::EvalContext ctx{lookup.ownKey, lookup.own, &lookup};
    std::vector<std::string> values;
    e.values(ctx, values);
    fuzz::require(!values.empty(), "an expression gives at least one value");
    fuzz::require(e.first(ctx) == values.front(), "the first value is the first of the values");
    std::vector<std::pair<std::string, long>> reads;
    e.transReads(reads);
    return 0;
}
