// Dictionary expressions: fields, sub-strings, concatenation and TRANS look-ups.
#include <gtest/gtest.h>

#include <map>

#include "dba/dynarray.h"
#include "numbers/utf8.h"
#include "dba/errors.h"
#include "dba/expression.h"
#include "support/database.h"

namespace {

class MapLookup : public dba::RecordLookup {
public:
    std::map<std::pair<std::string, std::string>, std::string> records;
    std::string_view found;
    const std::string_view* find(const std::string& file, std::string_view key) override {
        auto it = records.find({file, std::string(key)});
        if (it == records.end()) return nullptr;
        found = it->second;
        return &found;
    }
};

}  // namespace

TEST(Expression, FieldsSubstringsAndConcatenation) {
    MapLookup lookup;
    lookup.records[{"CIVILAIDANT", "A0004"}] = std::string("x\xFEy\xFEMARIE\xFE") + "DURAND";
    lookup.records[{"CIVILAIDE", "11344"}] = std::string("M\xFE") + "DUPONT" + dba::VM + "AUTRE\xFEJEAN";
    std::string data = std::string("02\xFE") + "E75\xFE" + "11344";
    dba::EvalContext ctx{"A0004001", data, &lookup};

    for (const auto& [text, first] : std::vector<std::pair<std::string, std::string>>{
             {"F0[1,5]", "A0004"}, {"F2", "E75"}, {"TRANS( CIVILAIDE ,F3,2)[1,3]", "DUP"},
             {"TRANS(CIVILAIDANT, F0[1,5], 4) : \" \" : TRANS(CIVILAIDANT, F0[1,5], 3)", "DURAND MARIE"},
             {"TRANS(CIVILAIDE, \"00000\", 2)", ""}})  // a missing record gives the empty text
        EXPECT_EQ(dba::Expression::parse(text).first(ctx), first) << text;
    std::vector<std::string> values;  // a bare TRANS gives every value
    dba::Expression::parse("TRANS(CIVILAIDE, F3, 2)").values(ctx, values);
    EXPECT_EQ(values, (std::vector<std::string>{"DUPONT", "AUTRE"}));
    EXPECT_EQ(dnt::utf8::substring("CLÉMENT", 3, 2), "ÉM");
    EXPECT_EQ(dnt::utf8::substring("ABC", 2, 10), "BC");
    EXPECT_EQ(dnt::utf8::substring("ABC", 4, 1), "");
}

// TRANS(F, ... F1 ..., 1) nested `depth` levels deep.
std::string nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "TRANS(F,";
    text += "F1";
    for (int i = 0; i < depth; ++i) text += ",1)";
    return text;
}

TEST(Expression, ParseErrorsNameTheColumn) {
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"", "column 1"}, {"F", "column 2"}, {"G1", "column 1"}, {"TRANS(X, F1)", "column 12"},
        {"F1 :", "column 5"}, {"\"open", "column 2"}, {"F1[1,2", "column 7"}, {"F1 F2", "column 4"},
        {nested(65), "nested deeper than 64 levels at column 513"},
        {nested(25000), "longer than the limit of 4096 bytes at column 4097"},
    };
    for (const auto& [text, where] : bad) {
        // Captured by name: clang 14 cannot capture a structured binding.
        const testsupport::Failure f = testsupport::failureOf([&text = text] { dba::Expression::parse(text); });
        EXPECT_EQ(f.number, dba::kErrBadExpression) << "parsed: " << text.substr(0, 80);
        EXPECT_TRUE(testsupport::has(f.message, where)) << f.message;
    }
    MapLookup none;
    EXPECT_EQ(dba::Expression::parse(nested(64)).first(dba::EvalContext{"k", "v", &none}), "");
}
