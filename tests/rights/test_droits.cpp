// Module rights and sectors read from the DROITS file of the samples.
#include <gtest/gtest.h>

#include "support/database.h"
#include "rights/droits.h"
#include "rights/undo_permission.h"

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

// An unknown user takes the star record; the level is the module's only; restricted
// sectors compare on three characters, and InitialiserListe reads the rights again.
TEST_F(Droits, LevelsAndSectorsOfKnownAndUnknownUsers) {
    auto d = of("quelquun");
    EXPECT_EQ(d->NiveauAcces(), 2);
    EXPECT_TRUE(d->TousSecteurs());
    d->listeSecteurs().InitialiserListe();
    EXPECT_EQ(d->listeSecteurs().Count(), 0);
    EXPECT_TRUE(d->AccesSecteur("S07-SUD"));
    EXPECT_EQ(of("lecteur")->NiveauAcces(), 1);
    EXPECT_EQ(of("aucun")->NiveauAcces(), 0);  // rights in another module only
    EXPECT_EQ(rights::DroitsUtilisateur(db, "quelquun").DroitsModule("SAISIEAIDE")->NiveauAcces(), 1);

    auto s = of("secteurs");
    EXPECT_EQ(s->NiveauAcces(), 2);
    EXPECT_FALSE(s->TousSecteurs());
    s->listeSecteurs().InitialiserListe();
    EXPECT_EQ(s->listeSecteurs().W_Liste(), (std::vector<std::string>{"S01", "S03"}));
    for (auto [sector, allowed] : std::vector<std::pair<const char*, bool>>{
             {"S03-NORD", true}, {"S02-EST", false}, {"", false}})
        EXPECT_EQ(s->AccesSecteur(sector), allowed) << sector;
    testsupport::put(*db, testsupport::RecTexte("DROITS", "secteurs",
                                             {"EDITIONDNTVARDEC", "2", "", testsupport::mv({"S05", "ÉTÉ-NORD"})}));
    s->listeSecteurs().InitialiserListe();
    // Codes are cut to three characters, not three bytes.
    EXPECT_EQ(s->listeSecteurs().W_Liste(), (std::vector<std::string>{"S05", "ÉTÉ"}));
    for (auto [sector, allowed] : std::vector<std::pair<const char*, bool>>{
             {"S05-X", true}, {"ÉTÉ-SUD", true}, {"ÉTA-SUD", false}})
        EXPECT_EQ(s->AccesSecteur(sector), allowed) << sector;
}

TEST_F(Droits, NoRecordAtAllMeansNoRight) {
    testsupport::put(*db, testsupport::RecTexte("DROITS", "*", {"AUTRE"}));
    testsupport::TempDb empty;
    auto none = testsupport::openDatabase(empty.path(), dba::OpenMode::Create);
    auto d = rights::DroitsUtilisateur(none, "x").DroitsModule("EDITIONDNTVARDEC");
    EXPECT_EQ(d->NiveauAcces(), 0);
    EXPECT_FALSE(d->TousSecteurs());
    EXPECT_FALSE(d->AccesSecteur("S01"));
    EXPECT_EQ(of("quelquun")->NiveauAcces(), 0);
}

// Undoing a run needs what printing it needs: full access, and sectors covering each aidé
// of the run, an aidé no longer in CIVILAIDE counting as outside them.
TEST_F(Droits, AnUndoNeedsFullAccessAndEveryAidesSector) {
    dba::RunDetail run;
    run.row.number = 7;
    auto undo = [&](const std::string& login, std::vector<std::string> aides) {
        run.images.clear();
        for (const std::string& a : aides) run.images.push_back({a, "REGULDNT", a, std::nullopt, "x"});
        return rights::undoPermission(db, login)(run).value_or("allowed");
    };
    EXPECT_EQ(undo("quelquun", {"04581", "00000"}), "allowed");
    EXPECT_EQ(undo("lecteur", {"07022"}), "user \"lecteur\" has no full access to EDITIONDNTVARDEC (level 1)");
    EXPECT_EQ(undo("secteurs", {"03326", "04449", ""}), "allowed");
    EXPECT_EQ(undo("secteurs", {"03326", "04581"}), "1 aidé of run 7 is outside the sectors of user \"secteurs\"");
    EXPECT_EQ(undo("secteurs", {"00000", "04581", "04449"}), "2 aidés of run 7 are outside the sectors of user \"secteurs\"");
}
