// The twelve standard dictionary items are in every demo database, parse, and give the
// linked values.
#include <gtest/gtest.h>

#include "demo/situations.h"
#include "demo/standard_dictionary.h"
#include "demo_fixture.h"

TEST(DemoDictionary, TheTwelveItemsAreStoredParseAndGiveTheLinkedValues) {
    auto& db = *demotest::standard().db;
    auto items = db.storage().dictItems();
    EXPECT_EQ(items.size(), 12u);
    EXPECT_EQ(db.storage().dictItems("CONTRAT").size(), 10u);
    EXPECT_EQ(db.storage().dictItems("CIVILAIDE").size(), 2u);
    for (const dba::DictItem& item : demo::standardDictionary()) {
        auto e = db.dictionary(item.file, item.name);
        EXPECT_NE(e, nullptr) << item.file << " " << item.name;
    }
    auto rows = testsupport::query(
        db, "SSELECT CONTRAT AVEC 0 = \"A0012001\"",
        "0 CtrUrssafContrat NomAideContrat CodeAidant NomPrenomAidantContrat CodSecteurContratAide");
    ASSERT_EQ(rows.size(), 1u);
    std::string aide = demotest::records(db, "CIVILAIDE").at(demo::kAideNomsLongs);
    EXPECT_EQ(rows[0], "A0012001|75|" + demotest::field(aide, 2) +
                           "|A0012|DE LA ROCHEFOUCAULD-MONTMORENCY MARIE-CHRISTINE|" +
                           demotest::field(aide, 40).substr(0, 3));
    auto noms = testsupport::query(db, "SSELECT CIVILAIDE AVEC 0 = \"01020\"", "0 NomPrenomAide CentreUrssafAide");
    ASSERT_EQ(noms.size(), 1u);
    EXPECT_EQ(noms[0], "01020|ÉVRARD GENEVIÈVE|75");
}
