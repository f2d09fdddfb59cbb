// The typed aidé code: keys, padding, the look-up and its refusals, and the one
// possible aidé it lists.
#include "fixture.h"

namespace dialogstest {
namespace {

using CodeTape = Fenetre;

// Keys typed into an empty code box by a user, and what the box, the messages and the
// possible block show afterwards ("" for no message, no listed aidé, or no check).
struct CodeCase {
    const char* login;
    const char* keys;
    const char* message;
    const char* text;
    const char* listed;
    const char* name;
    const char* address;
};

// How a case reads in the tests' names: the user and the keys, control keys named.
void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.login << " types ";
    for (const char* k = c.keys; *k; ++k)
        *os << (*k == '\n' ? "<Enter>" : *k == '\t' ? "<Tab>" : *k == '\b' ? "<Back>" : std::string(1, *k));
}

const char* const kUnknown = "Cet aidé n'existe pas.";
const char* const kNotEmployer = "Cet aidé n'est pas reconnu comme Particulier-Employeur.";

const CodeCase kCodeCases[] = {
    {"*", "58569", "", "58569", "58569", "DUBOIS JEAN-CHRISTOPHE", "87 QUAI DES ORFÈVRES  69003 LYON"},
    // Address lines of every shape: three lines and an empty fourth (the blank after the
    // third stays), no address (the further line stands in), nothing but the town, and
    // the fourth line only (the further line ignored).
    {"*", "04449", "", "04449", "04449", "", "BAT B 103 IMPASSE DES ROSES ESC 1  75018 PARIS"},
    {"*", "04581", "", "04581", "04581", "", "RÉSIDENCE LES CÈDRES 92100 BOULOGNE-BILLANCOURT"},
    {"*", "32869", "", "32869", "32869", "", "69003 LYON"},
    {"*", "41084", "", "41084", "41084", "", "110 RUE VICTOR HUGO 33000 BORDEAUX"},
    // A short code is only looked up once padded, by leaving the box or by Enter, which
    // does not reach the box.
    {"*", "3326", "", "3326", "", "", ""},
    {"*", "3326\t", "", "03326", "03326", "RIVIÈRE THOMAS", ""},
    {"*", "4449\n", "", "04449", "04449", "", ""},
    // Only digits and backspace reach the box.
    {"*", "0a4x4 4-", "", "0444", "", "", ""},
    {"*", "0a4x4 4-\b49", "", "04449", "04449", "", ""},
    // Refused codes are reported, emptied, and the box keeps the focus.
    {"*", "123\t", kUnknown, "", "", "", ""},
    {"*", "123\n", kUnknown, "", "", "", ""},
    {"*", "\n", kUnknown, "", "", "", ""},  // five zeros
    {"*", "99999", kUnknown, "", "", "", ""},
    {"*", "12056", kNotEmployer, "", "", "", ""},  // no employer record
    {"*", "05985", kNotEmployer, "", "", "", ""},  // an employer of centre 92
    // A user of sectors S01 and S03 only: S02 is refused, S03-NORD compared on "S03".
    {"secteurs", "04581", "Vous n'avez pas les droits d'accès au secteur de cet aidé.", "", "", "", ""},
    {"secteurs", "03326", "", "03326", "03326", "", ""},
};

class CodeCases : public Fenetre, public ::testing::WithParamInterface<CodeCase> {
protected:
    CodeCases() : Fenetre(GetParam().login) {}
};

TEST_P(CodeCases, TypedKeysGiveTheTextTheMessageAndTheList) {
    const CodeCase& c = GetParam();
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, c.keys));
    EXPECT_EQ(f.Txt_CodAide->text(), c.text);
    EXPECT_EQ(textesMessages(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    if (*c.message) {
        EXPECT_EQ(f.form().activeControl(), f.Txt_CodAide);
    }
    EXPECT_EQ(lignes(*f.Lst_CodPos), *c.listed ? std::vector<std::string>{c.listed} : std::vector<std::string>{});
    if (*c.name) {
        EXPECT_EQ(lignes(*f.Lst_NomPrenomPos), std::vector<std::string>{c.name});
    }
    if (*c.address) {
        EXPECT_EQ(lignes(*f.Lst_AdressePos), std::vector<std::string>{c.address});
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeCases, ::testing::ValuesIn(kCodeCases));

TEST_F(CodeTape, KnownCodeEnablesThePossibleBlockAndReadsTheRecords) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "58569"));
    EXPECT_EQ(f.Txt_NomPrenomAide->text(), "DUBOIS JEAN-CHRISTOPHE");
    EXPECT_TRUE(f.Fra_Pos->enabled());
    EXPECT_TRUE(f.Cmd_SelectAides->enabled());
    EXPECT_TRUE(f.Cmd_SuppAides->enabled());
    EXPECT_TRUE(f.Cmd_Recherche->enabled());
    EXPECT_FALSE(f.Bdv_Pos->enabled());
    EXPECT_EQ(s.RecAide.key(), "58569");
    EXPECT_EQ(s.RecEltsPartemp.key(), "58569");
    EXPECT_TRUE(f.form().enabled());
    EXPECT_EQ(services.mousePointer(), ui::MousePointer::Default);
}

TEST_F(CodeTape, UnknownCodeIsAWarningAndKeepsTheSelection) {
    ajouterCode("04449");
    taperCode("99999");
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0].icon, ui::MsgIcon::Warning);
    EXPECT_EQ(services.messages()[0].title, "Message TALMIRAN");
    EXPECT_EQ(lignes(*f.Lst_CodSel), std::vector<std::string>{"04449"});
}

TEST_F(CodeTape, FirstDigitAfterASearchIsLost) {
    chercher("DU");
    ASSERT_EQ(f.Lst_CodPos->listCount(), 5);
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "5"));
    EXPECT_EQ(f.Txt_CodAide->text(), "");
    EXPECT_EQ(f.Txt_NomPrenomAide->text(), "");
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    EXPECT_FALSE(f.Cmd_Recherche->enabled());
    EXPECT_FALSE(f.Fra_Pos->enabled());
    // Typed again, the code goes through.
    ASSERT_TRUE(d.type("58569"));
    EXPECT_EQ(lignes(*f.Lst_CodPos), std::vector<std::string>{"58569"});
}

TEST_F(CodeTape, IncompleteCodeClearsThePossibleBlock) {
    taperCode("04449");
    ASSERT_TRUE(d.type("\b"));  // the code loses its last digit, the name box is emptied
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    EXPECT_EQ(f.Lst_NomPrenomPos->listCount(), 0);
    EXPECT_EQ(f.Lst_AdressePos->listCount(), 0);
    EXPECT_FALSE(f.Fra_Pos->enabled());
    EXPECT_FALSE(f.Cmd_SelectAides->enabled());
    EXPECT_FALSE(f.Cmd_SuppAides->enabled());
    EXPECT_EQ(f.Txt_NomPrenomAide->text(), "");
}

TEST_F(CodeTape, CodeAlreadySelectedIsOnlyUnmarked) {
    ajouterCode("04449");
    taperCode("04449");
    ASSERT_TRUE(d.markRows(*f.Lst_NomPrenomPos, {0}));
    ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
    EXPECT_EQ(lignes(*f.Lst_CodSel), std::vector<std::string>{"04449"});
    for (ui::ListBox* l : {f.Lst_CodPos, f.Lst_NomPrenomPos, f.Lst_AdressePos})
        EXPECT_TRUE(marques(*l).empty()) << l->name();
}

}  // namespace
}  // namespace dialogstest
