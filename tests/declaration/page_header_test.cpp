// The page header on the journal: indentations, the period line, the URSSAF number, the
// centre's Cedex mention and the aidé's four-line address block.
#include "loop_bench.h"

namespace looptest {
namespace {

TEST(PageHeader, LinesFollowEachOtherFromTheTopOfThePage) {
    Banc b;
    b.Imprimer({{"10001001", "00001"}});
    std::vector<std::string> attendu = {
        "TEXT 0 249 \"Date : 15/04/2011" + std::string(60, ' ') + "Page : 1\"",
        "TEXT 2520 748 \"DECLARATION NOMINATIVE TRIMESTRIELLE\"",
        "TEXT 0 1563 \"Centre URSSAF : URSSAF TEST\"",
        "TEXT 2112 1812 \"10 RUE DU CENTRE\"",
        "TEXT 2112 2062 \"75001 PARIS\"",
        "TEXT 0 2311 \"Période       : 1er  TRIMESTRE 2011          Code : 00001\"",
        "TEXT 0 2560 \"N° URSSAF     : 7501234567890\"",
        "TEXT 0 2809 \"SIRET         : 123 456 789 00012\"",
        "TEXT 5940 3308 \"MME DUPONT MARIE\"",
        "TEXT 5940 3557 \"12 RUE DES LILAS\"",
        "TEXT 5940 3806 \"75010 PARIS\"",
        "TEXT 0 4554 \"NON EXONERE PART PATRONALE SECURITE SOCIALE\"",
    };
    auto textes = b.Textes();
    ASSERT_GE(textes.size(), attendu.size());
    for (size_t i = 0; i < attendu.size(); ++i) EXPECT_EQ(textes[i].raw, attendu[i]);
    // The title alone is bold at 14 points.
    auto ops = b.Journal();
    EXPECT_EQ(ops[2].raw, "FONT \"Courier New\" 14 1");
    EXPECT_EQ(ops[4].raw, "FONT \"Courier New\" 11 0");
}

TEST(PageHeader, TheAddressBlockAlwaysTakesFourLines) {
    std::string extra = RecAide({.code = "00002", .adresse = ""}) +
                        RecAide({.code = "00003", .adresse = "", .ligne9 = "RESIDENCE DES PINS"}) +
                        RecAide({.code = "00004", .ligne9 = "BATIMENT C"});
    for (const char* code : {"00002", "00003", "00004"}) {
        std::string aidant = std::string("2") + (code + 1);
        extra += RecAidant({.code = aidant}) + RecContrat(aidant + "001", code) + RecDetail(aidant + "001", "201101", "10000");
    }
    Banc b(extra);
    b.Imprimer({{"10001001", "00001"}, {"20002001", "00002"}, {"20003001", "00003"}, {"20004001", "00004"}});
    auto pages = b.Pages();
    ASSERT_EQ(pages.size(), 4u);
    for (const auto& page : pages) {
        auto exo = Avec(page, "EXONERE PART PATRONALE");
        ASSERT_EQ(exo.size(), 1u);
        EXPECT_EQ(exo[0].n[1], 4554);
        EXPECT_EQ(Avec(page, "IDENTIFICATION DES PERSONNES")[0].n[1], 4933);
    }
    // No address line: the town line follows the name line.
    EXPECT_EQ(Avec(pages[1], "75010 PARIS")[0].n[1], 3557);
    // Only the further line.
    EXPECT_EQ(Avec(pages[2], "RESIDENCE DES PINS")[0].raw, "TEXT 5940 3557 \"RESIDENCE DES PINS\"");
    EXPECT_EQ(Avec(pages[2], "75010 PARIS")[0].n[1], 3806);
    // Both lines.
    EXPECT_EQ(Avec(pages[3], "12 RUE DES LILAS")[0].n[1], 3557);
    EXPECT_EQ(Avec(pages[3], "BATIMENT C")[0].n[1], 3806);
    EXPECT_EQ(Avec(pages[3], "75010 PARIS")[0].n[1], 4055);
}

TEST(PageHeader, TextsOfEachCentreAideAndQuarter) {
    // The records added and the quarter, then every text containing `part`.
    struct Cas {
        std::string extra, part;
        std::vector<std::string> textes;
        std::string trimestre = "1er  TRIMESTRE 2011";
    };
    const std::string non = "NON EXONERE PART PATRONALE SECURITE SOCIALE";
    const std::vector<Cas> cas = {
        // The Cedex mention on the header's town line, then the payment address's.
        {RecCentre({.cedex = "1"}), "75001 PARIS", {"75001 PARIS Cedex", "75001 PARIS Cedex"}},
        {RecCentre({.cedex = "1", .numeroCedex = "9"}), "75001 PARIS", {"75001 PARIS Cedex 9", "75001 PARIS Cedex 9"}},
        {RecCentre({.cedex = "01"}), "75001 PARIS", {"75001 PARIS Cedex", "75001 PARIS Cedex"}},  // as a number
        {RecCentre({.numeroCedex = "9"}), "75001 PARIS", {"75001 PARIS", "75001 PARIS"}},
        {RecCentre({.prefixe = "000"}), "N° URSSAF", {"N° URSSAF     : 1234567890"}},
        // "Période       : " is 16 characters (é counts one), the label 19.
        {"", "Période", {"Période       : 1er  TRIMESTRE 2011          Code : 00001"}},
        {RecAide({.code = "00001", .categorie = "00"}), "EXONERE PART", {non}},
        {RecAide({.code = "00001", .categorie = "01"}), "EXONERE PART", {non}},
        {RecAide({.code = "00001", .categorie = "02"}), "EXONERE PART", {non.substr(4)}},
        {RecAide({.code = "00001", .categorie = "10"}), "EXONERE PART", {non.substr(4)}},
    };
    for (const Cas& c : cas) {
        Banc b(c.extra, c.trimestre);
        b.Imprimer({{"10001001", "00001"}});
        std::vector<std::string> textes;
        for (const Operation& op : Avec(b.Textes(), c.part)) textes.push_back(op.text);
        EXPECT_EQ(textes, c.textes) << c.extra << c.trimestre;
    }
}

TEST(PageHeader, UnattendedModeIndentsTheCentreAndNumbersAndDropsTheCode) {
    Banc b;
    b.s.ModeOmr = true;
    b.Imprimer({{"10001001", "00001"}});
    EXPECT_EQ(b.Texte("Centre URSSAF").n[0], 45 * 132);
    EXPECT_EQ(b.Texte("10 RUE DU CENTRE").n[0], 61 * 132);
    EXPECT_EQ(b.Texte("Période").raw, "TEXT 5940 2311 \"Période       : 1er  TRIMESTRE 2011\"");
    EXPECT_EQ(b.Texte("N° URSSAF").n[0], 45 * 132);
    EXPECT_EQ(b.Texte("SIRET").n[0], 45 * 132);
    EXPECT_EQ(b.Texte("MME DUPONT MARIE").n[0], 45 * 132);
    EXPECT_FALSE(b.Contient("Code :"));
}

}  // namespace
}  // namespace looptest
