// The print loop on the journal: one declaration per aidé, page breaks, print modes, the
// regularisation and charge-detail records, and the row cursor across adjacent aidés.
#include "loop_bench.h"

#include <map>

namespace looptest {
namespace {

// Aidants 10001 to 1000n of aidé 00001, one contract each with 100 hours in January.
std::string CinqAidants(int n) {
    std::string j;
    for (int k = 1; k <= n; ++k) {
        std::string code = "1000" + std::to_string(k);
        j += RecAidant({.code = code, .nom = "NOM" + std::to_string(k)});
        j += RecContrat(code + "001", "00001");
        j += RecDetail(code + "001", "201101", "10000");
    }
    return j;
}

std::vector<std::pair<std::string, std::string>> Lignes(int n) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int k = 1; k <= n; ++k) rows.push_back({"1000" + std::to_string(k) + "001", "00001"});
    return rows;
}

TEST(PrintLoop, OneRowPrintsTheAideOnceWithFrameTotalsAndRecords) {
    Banc b;
    b.Imprimer({{"10001001", "00001"}});
    EXPECT_EQ(b.NombrePages(), 1);
    EXPECT_TRUE(b.commandes.empty());
    EXPECT_EQ(Avec(b.Textes(), "DECLARATION NOMINATIVE TRIMESTRIELLE").size(), 1u);
    EXPECT_EQ(Avec(b.Textes(), "TOTAUX").size(), 1u);
    // The frame reaches 20.2 cm with its six separators, however few lines it holds.
    auto ops = b.Journal();
    EXPECT_TRUE(ALigne(ops, 0, 11453, 11340, 11453));
    for (long x : {0L, 5897L, 6294L, 7314L, 8392L, 9356L, 10376L, 11340L})
        EXPECT_TRUE(ALigne(ops, x, 5500, x, 11453)) << x;

    // The block of the aidant, its four lines from the first line below the header box.
    EXPECT_EQ(b.Texte("2 90 07 10 585 564").raw,
              "TEXT 113 5749 \"2 90 07 10 585 564 29                           100.00     29     300     75\"");
    EXPECT_EQ(b.Texte("MARTIN JEANNE").raw, "TEXT 113 5998 \"MARTIN JEANNE\"");
    EXPECT_EQ(b.Texte("5 RUE DES ROSES").raw,
              "TEXT 113 6248 \"5 RUE DES ROSES                                   7.80     51       6     12     24\"");
    EXPECT_EQ(b.Texte("75011 PARIS").raw, "TEXT 113 6497 \"75011 PARIS                                    FORFAIT\"");

    // Charge detail: entity, aidant, hours, hourly wage in cents, ASSED. total, unused regularisation.
    dba::Record d = b.Lire("DETAILCHGPARTEMP", "0000120111");
    const std::map<int, std::string> champs = {{1, "E75"}, {2, "10001"}, {3, "100"}, {4, "780"}, {12, "24"}, {5, "0"}};
    for (const auto& [f, v] : champs)
        EXPECT_EQ(d.element(f), v) << "field " << f;
    EXPECT_FALSE(b.Existe("REGULDNT", "00001"));
}

TEST(PrintLoop, TheFirstOfAnAidantsAdjacentContractsGivesItsLine) {
    const std::string extra = RecContrat("10001001", "00001", "100", testsupport::day("15/02/2011")) +
                              RecContrat("10001002", "00001") + RecDetail("10001002", "201102", "10000");
    {
        Banc b(extra);
        b.Imprimer({{"10001001", "00001"}, {"10001002", "00001"}});
        Operation a = b.Texte("2 90 07 10 585 564");
        ASSERT_GT(a.text.size(), 47u);
        EXPECT_EQ(a.text.substr(44, 3), "D  ");  // the contract that ends in the quarter
        EXPECT_NE(a.text.find(" 200.00"), std::string::npos);  // both contracts' hours
        EXPECT_EQ(Avec(b.Textes(), "MARTIN JEANNE").size(), 1u);
    }
    {
        Banc b(extra);
        b.Imprimer({{"10001002", "00001"}, {"10001001", "00001"}});
        EXPECT_EQ(b.Texte("2 90 07 10 585 564").text.substr(44, 3), "   ");  // the open contract first
    }
}

TEST(PrintLoop, FourBlocksFillAPageAndTheLastLineNeverBreaks) {
    Banc b(CinqAidants(4));
    b.Imprimer(Lignes(4));
    EXPECT_EQ(b.NombrePages(), 1);
    EXPECT_TRUE(b.commandes.empty());
    auto ops = b.Journal();
    // A rule and an empty line between blocks, none after the last.
    for (long y : {6746L, 7992L, 9238L}) EXPECT_TRUE(ALigne(ops, 0, y, 11340, y)) << y;
    EXPECT_FALSE(ALigne(ops, 0, 10484, 11340, 10484));
    EXPECT_EQ(b.Texte("NOM4 JEANNE").n[1], 9736);
    EXPECT_EQ(Avec(ops, "TOTAUX").size(), 1u);
}

TEST(PrintLoop, AFifthBlockClosesTheFrameAndStartsANewPageWithItsHeader) {
    Banc b(CinqAidants(5));
    b.Imprimer(Lignes(5));
    ASSERT_EQ(b.NombrePages(), 2);
    EXPECT_EQ(b.commandes, std::vector<std::string>{"NEWPAGE"});
    auto pages = b.Pages();
    // Page 1: four blocks, the frame closed at 20.2 cm, no totals.
    EXPECT_EQ(Avec(pages[0], "JEANNE").size(), 4u);
    EXPECT_TRUE(ALigne(pages[0], 0, 11453, 11340, 11453));
    EXPECT_FALSE(ALigne(pages[0], 0, 10484, 11340, 10484));
    EXPECT_TRUE(Avec(pages[0], "TOTAUX").empty());
    // Page 2: the header and frame again, the fifth block at the top of the frame, the totals.
    EXPECT_EQ(Avec(pages[1], "Page : 2").size(), 1u);
    EXPECT_EQ(Avec(pages[1], "IDENTIFICATION DES PERSONNES EMPLOYEES").size(), 1u);
    ASSERT_EQ(Avec(pages[1], "NOM5 JEANNE").size(), 1u);
    EXPECT_EQ(Avec(pages[1], "NOM5 JEANNE")[0].n[1], 5998);
    ASSERT_EQ(Avec(pages[1], "TOTAUX").size(), 1u);
    EXPECT_EQ(Avec(pages[1], "TOTAUX")[0].text, "TOTAUX :     145    1500    375      0");
}

TEST(PrintLoop, EachFurtherAideStartsWithNewPage) {
    std::string extra = RecAide({.code = "00002", .nom = "DURAND"}) + RecAidant({.code = "20001", .nom = "PETIT"}) +
                        RecContrat("20001001", "00002") + RecDetail("20001001", "201101", "10000");
    Banc b(extra);
    b.Imprimer({{"10001001", "00001"}, {"20001001", "00002"}});
    ASSERT_EQ(b.NombrePages(), 2);
    EXPECT_EQ(b.commandes, std::vector<std::string>{"NEWPAGE"});
    auto pages = b.Pages();
    EXPECT_EQ(Avec(pages[0], "MME DUPONT MARIE").size(), 1u);
    EXPECT_EQ(Avec(pages[1], "MME DURAND MARIE").size(), 1u);
    EXPECT_EQ(Avec(pages[1], "Code : 00002").size(), 1u);
    EXPECT_EQ(Avec(pages[1], "MARTIN").size(), 0u);  // the first aidé's line is cleared
    EXPECT_TRUE(b.Existe("DETAILCHGPARTEMP", "0000120111"));
    EXPECT_TRUE(b.Existe("DETAILCHGPARTEMP", "0000220111"));
}

TEST(PrintLoop, EmptyModePrintsNoFrameFooterNorTotalsButWritesBothRecords) {
    Banc b(RecTexte("REGULDNT", "00001", {"50", ""}), "1er  TRIMESTRE 2011", "*", "EPSON MATRICIELLE");
    b.s.W_TypeEdition = "";
    b.Imprimer({{"10001001", "00001"}});
    EXPECT_TRUE(b.Contient("DECLARATION NOMINATIVE TRIMESTRIELLE"));
    EXPECT_TRUE(b.Contient("MARTIN JEANNE"));
    EXPECT_FALSE(b.Contient("TOTAUX"));
    EXPECT_FALSE(b.Contient("NET A PAYER"));
    EXPECT_FALSE(b.Contient("règlement"));
    for (const Operation& l : b.Lignes()) EXPECT_NE(l.n[3], 11453) << l.raw;  // nothing down to 20.2 cm
    EXPECT_EQ(b.Lire("REGULDNT", "00001").element(2, 1), "20111");
    dba::Record d = b.Lire("DETAILCHGPARTEMP", "0000120111");
    EXPECT_EQ(d.element(12), "24");
    EXPECT_EQ(d.element(5), "50");
}

TEST(PrintLoop, RegularisationAmountsTakenAndStamped) {
    struct Cas {
        std::string dates, stamps, ajouter, net, champ5;
    };
    for (const Cas& c : {
             // An earlier stamp ends the scan: the amounts after it are neither read nor stamped.
             Cas{"[\"20104\", \"\", \"\"]", "20104\xFD\xFD", "AJOUTER/DEDUIRE :", "", "0"},
             // Unused and same-quarter amounts are taken: -80 inside its 10-wide field.
             Cas{"[\"20111\", \"\", \"20104\"]", "20111\xFD" "20111\xFD" "20104", "AJOUTER/DEDUIRE :        -80",
                 "NET A PAYER :               417", "80"}}) {
        Banc b(Rec("REGULDNT", "00001", {"[\"50\", \"30\", \"20\"]", c.dates}));
        b.Imprimer({{"10001001", "00001"}});
        EXPECT_EQ(b.Lire("REGULDNT", "00001").element(2), c.stamps);
        EXPECT_EQ(b.Texte("AJOUTER/DEDUIRE").text, c.ajouter);
        EXPECT_EQ(b.Texte("AJOUTER/DEDUIRE").n[0], 36 * 132);
        if (!c.net.empty()) { EXPECT_EQ(b.Texte("NET A PAYER").text, c.net); }
        EXPECT_EQ(b.Lire("DETAILCHGPARTEMP", "0000120111").element(5), c.champ5);
    }
}

TEST(PrintLoop, AnAideWithoutLinesPrintsAndWritesNothing) {
    std::string extra = RecAide({.code = "00002", .nom = "DURAND"}) + RecAidant({.code = "20001", .nom = "PETIT"}) +
                        RecContrat("20001001", "00002", testsupport::day("01/05/2011")) +  // starts after the quarter
                        RecTexte("REGULDNT", "00002", {"50", ""});
    {
        Banc b(extra);
        declaration::GestionRequete(b.s, dba::DynArray(), b.quarter);  // an empty selection prints nothing either
        b.Imprimer({{"20001001", "00002"}});
        EXPECT_TRUE(b.Textes().empty());
        EXPECT_TRUE(b.Lignes().empty());
        EXPECT_EQ(b.Lire("REGULDNT", "00002").element(2), "");
        EXPECT_FALSE(b.Existe("DETAILCHGPARTEMP", "0000220111"));
        EXPECT_FALSE(b.Existe("DETAILCHGPARTEMP", "0000120111"));
    }
    {
        // The next aidé then begins the document: page 1, no NEWPAGE.
        Banc b(extra);
        b.Imprimer({{"20001001", "00002"}, {"10001001", "00001"}});
        EXPECT_EQ(b.NombrePages(), 1);
        EXPECT_TRUE(b.commandes.empty());
        EXPECT_TRUE(b.Contient("Page : 1"));
        EXPECT_FALSE(b.Contient("PETIT"));
    }
}

TEST(PrintLoop, AnAideOfASectorNotSeenIsLeftOutAndItsLinesDoNotLeak) {
    std::string extra = RecAide({.code = "00002", .nom = "DURAND", .secteur = "S02"}) +
                        RecAidant({.code = "20001", .nom = "PETIT"}) + RecContrat("20001001", "00002") +
                        RecDetail("20001001", "201101", "10000") + RecTexte("REGULDNT", "00002", {"50", ""});
    Banc b(extra, "1er  TRIMESTRE 2011", "secteurs");
    b.Imprimer({{"20001001", "00002"}, {"10001001", "00001"}});
    EXPECT_EQ(b.NombrePages(), 1);
    EXPECT_TRUE(b.commandes.empty());
    EXPECT_FALSE(b.Contient("DURAND"));
    EXPECT_FALSE(b.Contient("PETIT"));
    EXPECT_EQ(Avec(b.Textes(), "JEANNE").size(), 1u);
    EXPECT_EQ(b.Lire("REGULDNT", "00002").element(2), "");
    EXPECT_FALSE(b.Existe("DETAILCHGPARTEMP", "0000220111"));
    EXPECT_TRUE(b.Existe("DETAILCHGPARTEMP", "0000120111"));
}

TEST(PrintLoop, AnAidantWorkingForTwoAdjacentAidesEndsTheRunAndLaterAidesFindTheirRows) {
    // Aidant 10001 works for 00001 and 00002; 00003 follows with two aidants, the first of
    // whose contracts ends inside the quarter.
    std::string extra = RecAide({.code = "00002", .nom = "DURAND"}) + RecContrat("10001002", "00002") +
                        RecDetail("10001002", "201101", "5000") + RecAide({.code = "00003", .nom = "LAMBERT"}) +
                        RecAidant({.code = "30001", .nom = "ROUX"}) + RecAidant({.code = "30002", .nom = "BLANC"}) +
                        RecContrat("30001003", "00003", "100", testsupport::day("15/02/2011")) + RecContrat("30002003", "00003") +
                        RecDetail("30001003", "201101", "10000") + RecDetail("30002003", "201101", "10000");
    {
        Banc b(extra);
        b.Imprimer({{"10001001", "00001"}, {"10001002", "00002"}});
        ASSERT_EQ(b.NombrePages(), 2);
        auto pages = b.Pages();
        EXPECT_EQ(Avec(pages[0], "MARTIN JEANNE").size(), 1u);
        EXPECT_EQ(Avec(pages[1], "MARTIN JEANNE").size(), 1u);
        EXPECT_EQ(Avec(pages[1], " 50.00").size(), 1u);  // the second aidé's own hours
        EXPECT_EQ(Avec(pages[1], "TOTAUX").size(), 1u);
        EXPECT_TRUE(b.Existe("DETAILCHGPARTEMP", "0000220111"));
    }
    {
        Banc b(extra);
        b.Imprimer({{"10001001", "00001"}, {"10001002", "00002"}, {"30001003", "00003"}, {"30002003", "00003"}});
        ASSERT_EQ(b.NombrePages(), 3);
        auto page3 = b.Pages()[2];
        auto lignesA = Avec(page3, "2 90 07 10 585 564");
        ASSERT_EQ(lignesA.size(), 2u);
        EXPECT_EQ(lignesA[0].text.substr(44, 1), "D");  // ROUX, contract 30001003
        EXPECT_EQ(lignesA[1].text.substr(44, 1), " ");  // BLANC, open contract
        EXPECT_EQ(Avec(page3, "TOTAUX").size(), 1u);
    }
}

}  // namespace
}  // namespace looptest
