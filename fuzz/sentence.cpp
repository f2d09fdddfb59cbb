// Fuzz target: query sentences parsed, then run as requests against the small sample
// database, imported once.
#include <fstream>

#include "dba/errors.h"
#include "dba/jsonl.h"
#include "dba/sentence.h"
#include "fuzz/fuzz_support.h"

namespace {

dba::Database& sample() {
    static std::shared_ptr<dba::Database> db = [] {
        auto d = fuzz::freshDatabase();
        std::ifstream in(DNT_TEST_DATA "/small.jsonl", std::ios::binary);
        dba::importJsonl(*d, in);
        return d;
    }();
    return *db;
}

}  // namespace

// The input: a sentence, then optionally a newline and the field list of the request.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view text = fuzz::takeLine(rest);
    dba::Sentence sentence;
    try {
        sentence = dba::parseSentence(text);
    } catch (const dba::DbError& e) {
        fuzz::require(e.number() == dba::kErrBadSentence, "a sentence is refused as a bad sentence");
        return 0;
    }
    dba::DynArray request;
    request.Replace(1, 0, 0, text);
    request.Replace(2, 0, 0, sentence.file);
    request.Replace(3, 0, 0, rest);
    try {
        dba::DynArray rows(sample().DBExecute(request.text()));
        rows.DCount();
    } catch (const dba::DbError&) {
        // Unknown files and names, marks inside the request: refused with a message.
    }
    return 0;
}
