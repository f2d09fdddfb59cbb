// Module rights and sectors read from the DROITS file of the samples.
#include <gtest/gtest.h>

#include "support/database.h"
#include "rights/droits.h"

namespace {

class Droits : public ::testing::Test {
protected:
    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db = testsupport::loadSample(tmp);
    std::shared_ptr<rights::ModuleRights> of(const std::string& login) {
        return rights::DroitsUtilisateur(db, login).DroitsModule("EDITIONDNTVARDEC");
    }
};

}  // namespace

TEST_F(Droits, UnknownUserTakesTheStarRecordAtTheModulesLevel) {
    auto d = of("quelquun");
    EXPECT_EQ(d->NiveauAcces(), 2);
    EXPECT_TRUE(d->TousSecteurs());
    d->listeSecteurs().InitialiserListe();
    EXPECT_EQ(d->listeSecteurs().Count(), 0);
    EXPECT_TRUE(d->AccesSecteur("S07-SUD"));
    // The level is the module's only.
    EXPECT_EQ(of("lecteur")->NiveauAcces(), 1);
    EXPECT_EQ(of("aucun")->NiveauAcces(), 0);  // rights in another module only
    EXPECT_EQ(rights::DroitsUtilisateur(db, "quelquun").DroitsModule("SAISIEAIDE")->NiveauAcces(), 1);
}

TEST_F(Droits, RestrictedSectorsComparedOnThreeCharacters) {
    auto d = of("secteurs");
    EXPECT_EQ(d->NiveauAcces(), 2);
    EXPECT_FALSE(d->TousSecteurs());
    d->listeSecteurs().InitialiserListe();
    EXPECT_EQ(d->listeSecteurs().W_Liste(), (std::vector<std::string>{"S01", "S03"}));
    EXPECT_TRUE(d->AccesSecteur("S03-NORD"));
    EXPECT_FALSE(d->AccesSecteur("S02-EST"));
    EXPECT_FALSE(d->AccesSecteur(""));
}

TEST_F(Droits, NoRecordAtAllMeansNoRight) {
    testsupport::put(*db, testsupport::RecTexte("DROITS", "*", {"AUTRE"}));
    testsupport::TempDb empty;
    auto none = dba::Database::Open(empty.path(), dba::OpenMode::Create);
    auto d = rights::DroitsUtilisateur(none, "x").DroitsModule("EDITIONDNTVARDEC");
    EXPECT_EQ(d->NiveauAcces(), 0);
    EXPECT_FALSE(d->TousSecteurs());
    EXPECT_FALSE(d->AccesSecteur("S01"));
    EXPECT_EQ(of("quelquun")->NiveauAcces(), 0);
}

TEST_F(Droits, InitialiserListeReadsTheRightsAgain) {
    auto d = of("secteurs");
    testsupport::put(*db, testsupport::RecTexte("DROITS", "secteurs",
                                             {"EDITIONDNTVARDEC", "2", "", testsupport::mv({"S05", "ÉTÉ-NORD"})}));
    d->listeSecteurs().InitialiserListe();
    // Codes are cut to three characters, not three bytes.
    EXPECT_EQ(d->listeSecteurs().W_Liste(), (std::vector<std::string>{"S05", "ÉTÉ"}));
    EXPECT_TRUE(d->AccesSecteur("S05-X"));
    EXPECT_TRUE(d->AccesSecteur("ÉTÉ-SUD"));
    EXPECT_FALSE(d->AccesSecteur("ÉTA-SUD"));
}
