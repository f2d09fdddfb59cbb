// Secondary indexes: kept exact by every kind of change, and requests that give the same
// rows with them as without them.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>

#include "dba/errors.h"
#include "dba/jsonl.h"
#include "support/backends.h"

using testsupport::query;

namespace {

// Sentences whose conditions an index answers (equalities, "]" prefixes, numbers written
// two ways, OR values, several chains) and some it does not.
const std::vector<std::string> kSentences = {
    "SSELECT CONTRAT AVEC 3 = \"07022\" PAR 0",
    "SSELECT CONTRAT AVEC 3 = \"7022\" PAR 0",
    "SSELECT CONTRAT AVEC 3 = \"07022\" OR = \"11344\" OR = \"11945\" AND AVEC 65 # \"O\" PAR 0",
    "SSELECT CONTRAT AVEC 3 = \"1]\" PAR 0",
    "SSELECT CONTRAT AVEC CtrUrssafContrat = \"75\" AND AVEC 1 = \"02\" PAR NomAideContrat PAR 0",
    "SSELECT CONTRAT AVEC CtrUrssafContrat = \"92\" OR AVEC 3 = \"07022\" PAR 0",
    "SSELECT CONTRAT AVEC CtrUrssafContrat = \"75\" AND AVEC 3 = \"11344\" PAR 0",
    "SSELECT CONTRAT AVEC CtrUrssafContrat = \"\" PAR 0",
    "SSELECT CONTRAT AVEC CtrUrssafContrat # \"75\" PAR 0",
    "SSELECT CONTRAT AVEC 3 >= \"50000\" PAR 0",
    "SSELECT CONTRAT AVEC 1 = \"02\" AND AVEC CtrUrssafContrat = \"75\" AND AVEC 2 = \"E75\" AND AVEC 65 # \"O\" "
    "AND AVEC 7 <= \"15887\" AND AVEC 8 >= \"15797\" OR = \"\" PAR NomAideContrat PAR PrenomAideContrat PAR 3 PAR 7",
};

// One change made the same way to the database with indexes and to the one without.
struct Change {
    const char* what;
    std::function<void(dba::Database&)> apply;
};

void importLines(dba::Database& db, const std::string& lines) {
    std::istringstream in(lines);
    dba::loadDump(db, dba::readDump(in));
}

const std::vector<Change> kChanges = {
    {"nothing yet", [](dba::Database&) {}},
    {"a contract moved to another aidé",
     [](dba::Database& db) {
         dba::Record r = db.DBOpenFile("CONTRAT")->DBReadLock("A0007001");
         r.setElement(3, "11344");
         r.DBWrite();
     }},
    {"an aidé moved to another centre (a record an indexed item looks up)",
     [](dba::Database& db) {
         dba::Record r = db.DBOpenFile("ELTSPARTEMP")->DBRead("07022");
         r.setElement(1, "92");
         r.DBWrite();
     }},
    {"a dump imported over records, one a new aidé's",
     [](dba::Database& db) {
         importLines(db, R"({"file": "CONTRAT", "key": "A0014001", "fields": ["02", "E75", "007022"]}
{"file": "CONTRAT", "key": "Z9999001", "fields": ["02", "E75", "99999"]}
{"file": "ELTSPARTEMP", "key": "99999", "fields": ["75"]}
)");
     }},
    {"a contract removed", [](dba::Database& db) { db.removeRecord("CONTRAT", "A0016001", {}); }},
    {"a change rolled back",
     [](dba::Database& db) {
         db.storage().begin();
         db.storage().put("CONTRAT", "A0019001", "02\xFE" "E75\xFE" "07022");
         db.storage().put("ELTSPARTEMP", "11344", "93");
         db.storage().rollback();
     }},
    {"the indexed dictionary item changed",
     [](dba::Database& db) { db.storage().putDict({"CONTRAT", "CtrUrssafContrat", "TRANS(CIVILAIDE, F3, 11)"}); }},
};

class Indexes : public testsupport::OnEachBackend {};

}  // namespace

TEST_P(Indexes, KeptExactByEveryChangeAndRequestsGiveTheSameRows) {
    testsupport::TempDb plainFile;
    auto plain = testsupport::createWithSample(plainFile.path(), "small.jsonl");
    auto indexed = loaded();
    indexed->storage().createIndex("CONTRAT", "03");  // named as requests name it: "3"
    indexed->storage().createIndex("CONTRAT", "CtrUrssafContrat");
    ASSERT_EQ(indexed->storage().indexes().size(), 2u);
    EXPECT_EQ(indexed->storage().indexes("CONTRAT")[0].item, "3");
    for (const Change& change : kChanges) {
        change.apply(*plain);
        change.apply(*indexed);
        for (const std::string& sentence : kSentences)
            EXPECT_EQ(query(*indexed, sentence), query(*plain, sentence)) << change.what << ": " << sentence;
        // The entries themselves: exactly the records whose item meets the equality.
        for (const auto& [item, value] : std::vector<std::pair<std::string, std::string>>{
                 {"3", "07022"}, {"3", "11344"}, {"3", "99999"}, {"CtrUrssafContrat", "75"}, {"CtrUrssafContrat", "92"}}) {
            dba::Comparison c;
            c.value = value;
            c.valueIsNumber = true;
            std::vector<std::string> keys = indexed->storage().indexedKeys({"CONTRAT", item}, *dba::probeFor(c));
            std::vector<std::string> expected = query(*plain, "SSELECT CONTRAT AVEC " + item + " = \"" + value + "\"");
            EXPECT_EQ(keys, expected) << change.what << ": " << item << " = " << value;
        }
    }
}

TEST_P(Indexes, RefusedWhereTheyCouldNotBeKept) {
    auto db = loaded();
    dba::Storage& st = db->storage();
    st.putDict({"CONTRAT", "RegulAide", "TRANS(REGULDNT, F3, 1)"});
    for (const auto& [file, item] : std::vector<std::pair<std::string, std::string>>{
             {"REGULDNT", "1"}, {"CONTRAT", "RegulAide"}, {"CONTRAT", "NoSuchItem"}, {"NOSUCHFILE", "1"}})
        EXPECT_THROW(st.createIndex(file, item), dba::DbError) << file << " " << item;
    st.createIndex("CONTRAT", "3");
    EXPECT_THROW(st.createIndex("CONTRAT", "3"), dba::DbError);
    st.dropIndex("CONTRAT", "3");
    EXPECT_TRUE(st.indexes().empty());
    EXPECT_THROW(st.dropIndex("CONTRAT", "3"), dba::DbError);
}

INSTANTIATE_TEST_SUITE_P(Backends, Indexes, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);
