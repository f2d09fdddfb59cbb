// The dump: exact round trips of the samples, and imports that reject a bad line whole.
#include <gtest/gtest.h>

#include <sstream>

#include "support/backends.h"
#include "dba/errors.h"
#include "support/database.h"

namespace {

using testsupport::exported;

class Dump : public testsupport::OnEachBackend {};

}  // namespace

TEST_P(Dump, SamplesRoundTripByteForByte) {
    for (const char* name : {"small.jsonl", "old.jsonl", "recent.jsonl"}) {
        auto second = GetParam().fresh();
        auto db = testsupport::OnEachBackend::loaded(name);
        std::string once = exported(*db);
        EXPECT_EQ(once, testsupport::slurp(testsupport::sample(name))) << name;
        db->storage().clear();
        EXPECT_EQ(exported(*db), "") << "cleared";
        auto db2 = testsupport::openDatabase(*second, dba::OpenMode::Create);
        std::istringstream in(once);
        dba::importJsonl(*db2, in);
        EXPECT_EQ(exported(*db2), once) << name;
    }
}

TEST(Jsonl, ShortestFormWithValuesAndSubValues) {
    testsupport::TempDb tmp;
    auto db = testsupport::openDatabase(tmp.path(), dba::OpenMode::Create);
    std::istringstream in(
        "{\"file\": \"T\", \"key\": \"k\", \"fields\": [\"a\", [\"v1\", [\"s1\", \"s2\"], \"\"], [\"only\"], \"\", \"\"]}\n"
        "\n"
        "{\"dict\": \"T\", \"name\": \"N\", \"expr\": \"F1 : \\\" \\\" : F3\"}\n");
    auto n = dba::importJsonl(*db, in);
    EXPECT_EQ(n.records, 1);
    EXPECT_EQ(n.dictItems, 1);
    std::string rec = db->DBOpenFile("T")->DBRead("k").text();
    EXPECT_EQ(rec, std::string("a\xFEv1\xFDs1\xFCs2\xFD\xFEonly"));
    EXPECT_EQ(exported(*db),
              "{\"dict\": \"T\", \"name\": \"N\", \"expr\": \"F1 : \\\" \\\" : F3\"}\n"
              "{\"file\": \"T\", \"key\": \"k\", \"fields\": [\"a\", [\"v1\", [\"s1\", \"s2\"], \"\"], \"only\"]}\n");
}

TEST(Jsonl, ABadLineRejectsTheWholeImport) {
    std::string deep;  // once a stack overflow: now refused by its size
    for (int i = 0; i < 25000; ++i) deep += "TRANS(F,";
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"{\"file\": \"T\", \"key\": \"k2\", \"fields\": [\"x\"]", "not valid JSON"},
        {"{\"file\": \"T\", \"key\": \"k2\", \"fields\": [\"x\"], \"extra\": 1}", "unknown key \"extra\""},
        {"{\"file\": \"T\", \"key\": \"k2\", \"fields\": [\"x\xFEy\"]}", "line 3"},
        {"{\"file\": \"T\", \"key\": \"k2\", \"fields\": [1]}", "a field must be"},
        {"{\"dict\": \"T\", \"name\": \"N\", \"expr\": \"TRANS(X, F1\"}", "column"},
        {"[1, 2]", "JSON object"},
        {"{\"file\": \"EMPTY\", \"extra\": 1}", "unknown key \"extra\""},
        {"{\"file\": \"EMPTY\", \"key\": \"k\"}", "needs \"key\" and \"fields\""},
        {"{\"file\": \"\"}", "empty file name"},
        {"{\"file\": \"T\", \"key\": \"k2\", \"fields\": [], \"file\": \"U\"}", "key \"file\" given twice"},
        {std::string(dba::kMaxDumpLineBytes + 1, ' '), "longer than the limit of 16777216 bytes"},
        {"{\"dict\": \"T\", \"name\": \"N\", \"expr\": \"" + deep + "F1\"}", "longer than the limit of 4096 bytes"},
    };
    for (const auto& [line, message] : bad) {
        testsupport::TempDb tmp;
        auto db = testsupport::loadSample(tmp);
        std::string before = exported(*db);
        std::istringstream in("{\"file\": \"REGULDNT\", \"key\": \"04581\", \"fields\": [\"changed\"]}\n"
                              "{\"file\": \"T\", \"key\": \"k1\", \"fields\": [\"x\"]}\n" + line + "\n");
        const testsupport::Failure f = testsupport::failureOf([&] { dba::importJsonl(*db, in); });
        EXPECT_EQ(f.number, dba::kErrBadDump) << line;
        EXPECT_TRUE(testsupport::has(f.message, "line 3")) << f.message;
        EXPECT_TRUE(testsupport::has(f.message, message)) << f.message;
        EXPECT_EQ(exported(*db), before) << line;
        EXPECT_FALSE(db->storage().fileExists("T"));
    }
}

TEST_P(Dump, FileLinesKeepEmptyFilesInNameOrderAndRecordsAreReplaced) {
    auto db = open(dba::OpenMode::Create);
    const std::string dump =
        "{\"dict\": \"C\", \"name\": \"N\", \"expr\": \"F1\"}\n"
        "{\"file\": \"A\", \"key\": \"k\", \"fields\": [\"x\"]}\n"
        "{\"file\": \"B\"}\n"
        "{\"file\": \"D\", \"key\": \"k\", \"fields\": [\"y\"]}\n"
        "{\"file\": \"E\"}\n";
    // File lines may come anywhere; a file line beside records or items adds nothing.
    std::istringstream in("{\"file\": \"E\"}\n{\"file\": \"C\"}\n{\"file\": \"A\"}\n" + dump);
    dba::importJsonl(*db, in);
    EXPECT_TRUE(db->storage().fileExists("B"));
    EXPECT_NO_THROW(db->DBOpenFile("E"));
    EXPECT_EQ(exported(*db), dump);
    EXPECT_EQ(exported(*db, {"E", "B"}), "{\"file\": \"B\"}\n{\"file\": \"E\"}\n");
    std::istringstream again("{\"file\": \"A\", \"key\": \"k\", \"fields\": [\"70\"]}\n");  // replaces
    dba::importJsonl(*db, again);
    EXPECT_EQ(db->DBOpenFile("A")->DBRead("k").text(), "70");
}

INSTANTIATE_TEST_SUITE_P(Backends, Dump, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);
