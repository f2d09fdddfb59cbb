// Fuzz target: dump lines imported into a fresh database and exported; the export,
// imported into a second fresh database, must export to the same bytes.
#include <sstream>

#include "dba/errors.h"
#include "dba/jsonl.h"
#include "fuzz/fuzz_support.h"

namespace {

std::string exported(dba::Database& db) {
    std::ostringstream out;
    dba::exportJsonl(db, out);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto first = fuzz::freshDatabase();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        dba::importJsonl(*first, in);
    } catch (const dba::DbError& e) {
        fuzz::require(e.number() == dba::kErrBadDump, "a dump is refused as a bad dump");
        return 0;
    }
    std::string once = exported(*first);
    auto second = fuzz::freshDatabase();
    std::istringstream again(once);
    try {
        dba::importJsonl(*second, again);
    } catch (const dba::DbError& e) {
        std::fprintf(stderr, "an export does not import: %s\n", e.what());
        std::abort();
    }
    fuzz::require(exported(*second) == once, "an export imported and exported again is the same bytes");
    return 0;
}
