// Query sentences run for real on the small sample: conditions, OR values, chains,
// prefix ranges, empty values, sorting, and the errors of malformed sentences.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "dba/errors.h"
#include "support/backends.h"
#include "dba/sentence.h"

using testsupport::query;

namespace {

// The second quarter of 2011: days 15797 to 15887.
const std::string kBase =
    "SSELECT CONTRAT AVEC 1 = \"02\" AND AVEC CtrUrssafContrat = \"75\" AND AVEC 2 = \"E75\" "
    "AND AVEC 65 # \"O\"";
const std::string kDates = " AND AVEC 7 <= \"15887\" AND AVEC 8 >= \"15797\" OR = \"\"";
const std::string kSort =
    " PAR NomAideContrat PAR PrenomAideContrat PAR 3 PAR NomPrenomAidantContrat PAR CodeAidant PAR 7";

std::set<std::string> keysOf(const std::vector<std::string>& rows) {
    std::set<std::string> keys;
    for (const auto& r : rows) keys.insert(r.substr(0, r.find('|')));
    return keys;
}

class SampleQuery : public testsupport::OnEachBackend {
protected:
    std::shared_ptr<dba::Database> db = loaded();
};

// A database of one file T, for the rules of comparison and order.
class QueryRules : public testsupport::OnEachBackend {
protected:
    std::shared_ptr<dba::Database> db = [this] {
        auto made = open(dba::OpenMode::Create);
        made->storage().createFile("T");
        return made;
    }();
    std::shared_ptr<dba::File> t = db->DBOpenFile("T");
};

}  // namespace

TEST_P(SampleQuery, BaseChainSelectsTheQuarterAndOpenEndedContractsSortedByName) {
    auto rows = query(*db, kBase + kDates + kSort, "0 3");
    EXPECT_EQ(rows.size(), 38u);
    // A contract with no end date that started before the quarter end is selected.
    auto keys = keysOf(rows);
    EXPECT_TRUE(keys.count("15129001"));
    EXPECT_TRUE(keys.count("A0048002"));
    // Value 2 of each row is field 3, the aidé code.
    EXPECT_EQ(rows[0].substr(rows[0].find('|') + 1).size(), 5u);
    auto names = query(*db, kBase + kDates + kSort, "NomAideContrat PrenomAideContrat");
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    auto byTown = query(*db, kBase + kDates + " PAR LibCommuneAide" + kSort, "LibCommuneAide");
    EXPECT_TRUE(std::is_sorted(byTown.begin(), byTown.end()));
}

TEST_P(SampleQuery, PaymentModeChains) {
    const std::string B = kBase.substr(std::string("SSELECT CONTRAT").size()) + kDates;
    const std::string S = "SSELECT CONTRAT";
    const std::string entite = " AND AVEC ChgURSSAFAideContrat = \"1\"";
    const std::string prelev = " AND AVEC ChgURSSAFAideContrat # \"1\" AND AVEC IBANFactAide # \"\"";
    const std::string aide = " AND AVEC ChgURSSAFAideContrat # \"1\" AND AVEC IBANFactAide = \"\"";

    auto onlyAide = query(*db, S + B + aide + kSort);
    EXPECT_EQ(keysOf(onlyAide),
              (std::set<std::string>{"15129001", "59706001", "A0004002", "A0014004", "A0016001", "A0017003",
                                     "A0019002", "A0023001", "A0028004", "A0035002", "A0039001"}));
    EXPECT_EQ(query(*db, S + B + entite + kSort).size(), 16u);
    EXPECT_EQ(query(*db, S + B + prelev + kSort).size(), 11u);
    // Two chains joined by " OR", the second repeating the base.
    EXPECT_EQ(query(*db, S + B + entite + " OR" + B + aide + kSort).size(), 27u);
    // All three chains select as much as no payment condition at all.
    auto all3 = query(*db, S + B + entite + " OR" + B + prelev + " OR" + B + aide + kSort);
    EXPECT_EQ(keysOf(all3), keysOf(query(*db, S + B + kSort)));
}

TEST_P(SampleQuery, PrefixRangeOnNames) {
    auto rows = query(*db, kBase + " AND AVEC NomAideContrat >= \"D]\" AND AVEC NomAideContrat <= \"F]\"" + kDates +
                               kSort,
                      "0 NomAideContrat");
    ASSERT_EQ(rows.size(), 6u);
    for (const auto& r : rows) {
        std::string name = r.substr(r.find('|') + 1);
        EXPECT_TRUE(name[0] >= 'D' && name[0] <= 'F') << name;
    }
    // "<= P]" compares only the first characters: every name starting with F passes.
    EXPECT_EQ(rows.back().substr(rows.back().find('|') + 1), "FAURE");
    // "= P]" is a starts-with, "# P]" its opposite.
    auto du = query(*db, "SSELECT CIVILAIDE AVEC 2 = \"DU]\"", "2");
    auto notDu = query(*db, "SSELECT CIVILAIDE AVEC 2 # \"DU]\"", "2");
    EXPECT_EQ(du.size() + notDu.size(), query(*db, "SSELECT CIVILAIDE").size());
    for (const auto& n : du) EXPECT_EQ(n.substr(0, 2), "DU");
}

TEST_P(SampleQuery, ThreeAidesWithOrValues) {
    auto rows = query(*db, "SSELECT CONTRAT AVEC 1 = \"02\" AND AVEC CtrUrssafContrat = \"75\" AND AVEC 2 = \"E75\" "
                           "AND AVEC 3 = \"07022\" OR = \"11344\" OR = \"11945\" AND AVEC 65 # \"O\"" +
                               kDates + kSort,
                      "0 3");
    EXPECT_EQ(keysOf(rows),
              (std::set<std::string>{"15129001", "A0007001", "A0014001", "A0014004", "A0016001", "A0017003",
                                     "A0019001", "A0022001", "A0023001", "A0028004", "A0032001", "A0035001",
                                     "A0035002", "A0039001", "A0040001", "A0047001"}));
    // Sorted by name: the rows of one aidé stand next to each other.
    std::vector<std::string> aides;
    for (const auto& r : rows) {
        std::string a = r.substr(r.find('|') + 1);
        if (aides.empty() || aides.back() != a) aides.push_back(a);
    }
    EXPECT_EQ(aides.size(), 3u);
}

TEST_P(SampleQuery, EmptyResultsWholeFilesAndKeysSortedAsNumbers) {
    EXPECT_TRUE(query(*db, "SSELECT CONTRAT AVEC 1 = \"99\"").empty());
    EXPECT_EQ(query(*db, "SSELECT CONTRAT").size(), 83u);
    auto centres = query(*db, "SSELECT CENTREURSSAF PAR 1", "0 1");
    ASSERT_EQ(centres.size(), 3u);
    EXPECT_EQ(centres[0], "75|URSSAF DE PARIS");
    auto rubrics = query(*db, "SSELECT RUBSAISIE PAR 0");
    EXPECT_TRUE(std::is_sorted(rubrics.begin(), rubrics.end(),
                               [](const std::string& a, const std::string& b) { return std::stod(a) < std::stod(b); }));
}

TEST_P(QueryRules, NumbersCompareAsNumbersAndSortBeforeTexts) {
    for (const auto& [k, v] : std::vector<std::pair<std::string, std::string>>{
             {"k1", "9"}, {"k2", "10"}, {"k3", "-2.5"}, {"k4", "abc"}, {"k5", ""}, {"k6", "10.0"}, {"k7", "1a"},
             {"k8", "10."}})
        t->write(k, v);
    // 9 <= 10 numerically although "9" > "10" as texts; "1a", "10." and "" compare as texts.
    for (const auto& [sentence, keys] : std::vector<std::pair<std::string, std::set<std::string>>>{
             {"SSELECT T AVEC 1 <= \"10\"", {"k1", "k2", "k3", "k5", "k6"}},
             {"SSELECT T AVEC 1 = \"10\"", {"k2", "k6"}},
             {"SSELECT T AVEC 1 = \"\"", {"k5"}},
             {"SSELECT T AVEC 1 >= \"2\" OR = \"\"", {"k1", "k2", "k4", "k5", "k6"}}})
        EXPECT_EQ(keysOf(query(*db, sentence)), keys) << sentence;
    // Numbers first in numeric order, equal values in key order, then texts byte by byte.
    EXPECT_EQ(query(*db, "SSELECT T PAR 1"), (std::vector<std::string>{"k3", "k1", "k2", "k6", "k5", "k8", "k7", "k4"}));
}

TEST_P(QueryRules, LongNumbersCompareOnEveryDigit) {
    t->write("A", "12345678901234568");
    t->write("B", "12345678901234567");
    t->write("C", "-0.50");
    t->write("D", "-.5x");
    // Beyond a double's range, above and below.
    t->write("E", "1" + std::string(400, '0'));
    t->write("F", "-1" + std::string(400, '0'));
    t->write("G", "9" + std::string(399, '0'));
    t->write("H", "0." + std::string(400, '0') + "1");
    EXPECT_EQ(keysOf(query(*db, "SSELECT T AVEC 1 = \"12345678901234567\"")), (std::set<std::string>{"B"}));
    EXPECT_EQ(keysOf(query(*db, "SSELECT T AVEC 1 = \"-0.5\"")), (std::set<std::string>{"C"}));
    EXPECT_EQ(query(*db, "SSELECT T PAR 1"), (std::vector<std::string>{"F", "C", "H", "B", "A", "G", "E", "D"}));
}

TEST_P(QueryRules, MultiValuedFieldsMatchOnAnyValueAndSortOnTheFirst) {
    t->write("a", std::string("5") + dba::VM + "1");
    t->write("b", "3");
    EXPECT_EQ(keysOf(query(*db, "SSELECT T AVEC 1 = \"1\"")), (std::set<std::string>{"a"}));
    EXPECT_EQ(query(*db, "SSELECT T PAR 1"), (std::vector<std::string>{"b", "a"}));
}

// The store gives records in key byte order; a request, numbers first.
TEST_P(QueryRules, KeysInByteOrderThenInRequestOrder) {
    for (const char* k : {"b", "\xC3\xA9t\xC3\xA9", "a b", "Z", "B", "a", "10", "9"}) t->write(k, "x");
    std::vector<std::string> scanned;
    db->storage().scan("T", [&](std::string_view key, std::string_view) { scanned.emplace_back(key); });
    EXPECT_EQ(scanned, (std::vector<std::string>{"10", "9", "B", "Z", "a", "a b", "b", "\xC3\xA9t\xC3\xA9"}));
    EXPECT_EQ(query(*db, "SSELECT T"), (std::vector<std::string>{"9", "10", "B", "Z", "a", "a b", "b", "\xC3\xA9t\xC3\xA9"}));
}

// Past a few hundred look-ups a file is read whole, keeping only the fields the request
// reads: what each record gives must not depend on which way it was found.
TEST_P(QueryRules, LookUpsGiveTheSameRecordsReadOneByOneOrWhole) {
    db->storage().createFile("B");
    db->storage().createFile("C");  // the same, read beyond the fields a table keeps apart
    auto b = db->DBOpenFile("B");
    auto c = db->DBOpenFile("C");
    auto fields = [](int i) {
        dba::DynArray r;
        r.setElement(2, "N" + std::to_string(i));
        r.setElement(3, std::string("x") + dba::VM + "y" + std::to_string(i % 7));
        r.setElement(9, "ref" + std::to_string(i % 5));
        r.setElement(600, "far" + std::to_string(i));
        return r.text();
    };
    for (int i = 0; i < 400; i += 2) {  // odd keys absent
        b->write(std::to_string(i), fields(i));
        c->write(std::to_string(i), fields(i));
    }
    for (int i = 0; i < 5; ++i) {
        dba::DynArray ref;
        ref.setElement(4, "R" + std::to_string(i));
        b->write("ref" + std::to_string(i), ref.text());
    }
    for (int i = 0; i < 600; ++i) t->write("t" + std::to_string(1000 + i), std::to_string(i % 400));
    for (const auto& [name, expr] : std::vector<std::pair<std::string, std::string>>{
             {"Name", "TRANS(B, F1, 2)"}, {"Multi", "TRANS(B, F1, 3)"}, {"Far", "TRANS(C, F1, 600)"},
             {"Nested", "TRANS(B, TRANS(B, F1, 9), 4)"}, {"Known", "TRANS(B, F1, 0)"}})
        db->storage().putDict({"T", name, expr});
    const auto rows = query(*db, "SSELECT T AVEC Multi = \"x\"", "0 Name Multi Far Nested Known");
    ASSERT_EQ(rows.size(), 300u);  // the even references only
    for (const std::string& row : rows) {
        const std::string key = row.substr(0, row.find('|'));
        const int i = (std::stoi(key.substr(1)) - 1000) % 400;
        EXPECT_EQ(row, key + "|N" + std::to_string(i) + "|x|far" + std::to_string(i) + "|R" +
                           std::to_string(i % 5) + "|" + std::to_string(i));
    }
    EXPECT_EQ(query(*db, "SSELECT T AVEC Name = \"\"").size(), 300u);  // the odd ones: absent records
    size_t threes = 0;  // a later value of a multi-valued field
    for (int n = 0; n < 600; ++n) threes += (n % 400) % 2 == 0 && (n % 400) % 7 == 3;
    EXPECT_EQ(query(*db, "SSELECT T AVEC Multi = \"y3\"").size(), threes);
}

TEST_P(SampleQuery, MalformedSentencesSayWhatAndWhere) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"SELECT CONTRAT", "\"SSELECT\" expected at column 1"},
        {"SSELECT NOFILE", "unknown file NOFILE at column 9"},
        {"SSELECT CONTRAT AVEC Nope = \"1\"", "unknown name Nope of CONTRAT at column 22"},
        {"SSELECT CONTRAT AVEC 1 < \"1\"", "operator =, #, <= or >= expected"},
        {"SSELECT CONTRAT AVEC 1 = 02", "a quoted value expected at column 26"},
        {"SSELECT CONTRAT AVEC 1 = \"02", "unterminated quoted value at column 26"},
        {"SSELECT CONTRAT AVEC 1 = \"0\"2\"", "cannot contain a double quote"},
        {"SSELECT CONTRAT AVEC 1 = \"02\" AVEC 2 = \"E\"", "\"AND\" or \"OR\" expected"},
        {"SSELECT CONTRAT AVEC 1 = \"02\" OR 2 = \"E\"", "operator"},
        {"SSELECT CONTRAT PAR", "a field expected at column 20"},
        {"SSELECT CONTRAT AVEC 1 = \"02\" AND 2 = \"x\"", "\"AVEC\" expected"},
        {"SSELECT CONTRAT" + std::string(dba::kMaxSentenceBytes, ' '), "longer than the limit of 65536 bytes"}};
    for (const auto& [sentence, words] : cases) {
        // Captured by name: clang 14 cannot capture a structured binding.
        const testsupport::Failure f = testsupport::failureOf([&, &sentence = sentence] { query(*db, sentence); });
        EXPECT_EQ(f.number, dba::kErrBadSentence) << sentence.substr(0, 80);
        EXPECT_TRUE(testsupport::has(f.message, words)) << f.message.substr(0, 200);
    }
}

TEST(QuotedText, UserTextWithAQuoteIsRefusedNotMisparsed) {
    EXPECT_EQ(dba::quoted("DUPONT]"), "\"DUPONT]\"");
    EXPECT_EQ(dba::quoted(""), "\"\"");
    EXPECT_EQ(testsupport::errorOf([] { dba::quoted("A\" AND AVEC 1 = \"X"); }), dba::kErrBadSentence);
}

INSTANTIATE_TEST_SUITE_P(Backends, SampleQuery, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);
INSTANTIATE_TEST_SUITE_P(Backends, QueryRules, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);
