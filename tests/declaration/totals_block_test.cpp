// The totals and payment block on the journal: totals under their columns, the adjustment,
// the due date and the three payment paragraphs.
#include "loop_bench.h"

namespace looptest {
namespace {

std::string Banque(const std::string& compte, const std::string& cle = "11315") {
    std::vector<std::string> f(17, "");
    f[0] = "00001";
    f[15] = compte;
    f[16] = cle;
    return RecTexte("ELTSFACTAIDE", "00001", f);
}

TEST(TotalsBlock, TotalsEndUnderTheirColumnsAndTheBoxesFollow) {
    Banc b;
    b.Imprimer({{"10001001", "00001"}});
    EXPECT_EQ(b.Texte("TOTAUX").raw, "TEXT 5940 11703 \"TOTAUX :      29     300     75      0\"");
    EXPECT_EQ(Avec(b.Textes(), "51       6").back().raw, "TEXT 7788 11952 \"51       6     12     24\"");
    EXPECT_EQ(b.Texte("MONTANTS DUS").raw, "TEXT 5148 12746 \"MONTANTS DUS :       386          111\"");
    EXPECT_EQ(b.Texte("NET A PAYER").raw, "TEXT 5280 13244 \"NET A PAYER :               497\"");
    auto ops = b.Journal();
    for (long x : {7314L, 8392L, 9356L, 10376L, 11340L}) EXPECT_TRUE(ALigne(ops, x, 11453, x, 12247)) << x;
    const long traits[][4] = {{7314, 12247, 11340, 12247}, {7314, 12247, 7314, 13551}, {9356, 12247, 9356, 12984},
                              {11340, 12247, 11340, 13551}, {7314, 12984, 11340, 12984}, {7314, 13551, 11340, 13551}};
    for (const auto& [x1, y1, x2, y2] : traits) EXPECT_TRUE(ALigne(ops, x1, y1, x2, y2)) << x1 << " " << y1;
    // The totals and amounts are bold, the payment paragraph is not.
    bool gras = false;
    for (const Operation& op : ops) {
        if (op.kind == "FONT") gras = op.raw.back() == '1';
        if (op.kind == "TEXT" && (op.text.find("TOTAUX") == 0 || op.text.find("NET A PAYER") == 0)) {
            EXPECT_TRUE(gras) << op.raw;
        }
        if (op.kind == "TEXT" && op.text.find("règlement") != std::string::npos) {
            EXPECT_FALSE(gras) << op.raw;
        }
    }
}

TEST(TotalsBlock, AllTotalsZeroShowZerosAndABlankAdjustment) {
    std::string extra;
    for (int n = 1; n <= 8; ++n)
        extra += Rec("CHGPARTEMP", "0" + std::to_string(n),
                     {"\"LIGNE\"", "[\"0\", \"0\", \"0\"]", "[\"10000\", \"11000\", \"99999\"]"});
    Banc b(extra);
    b.Imprimer({{"10001001", "00001"}});
    EXPECT_EQ(b.Texte("2 90 07 10 585 564").text, "2 90 07 10 585 564 29                           100.00");
    EXPECT_EQ(b.Texte("5 RUE DES ROSES").text, "5 RUE DES ROSES                                   7.80");
    EXPECT_EQ(b.Texte("TOTAUX").text, "TOTAUX :       0       0      0      0");
    Operation second = Avec(b.Textes(), "0       0      0      0").at(1);
    EXPECT_EQ(second.raw, "TEXT 7920 11952 \"0       0      0      0\"");  // column 54 plus 6 blanks
    EXPECT_EQ(b.Texte("AJOUTER/DEDUIRE").text, "AJOUTER/DEDUIRE :");
    EXPECT_EQ(b.Texte("MONTANTS DUS").text, "MONTANTS DUS :       0          0");
    EXPECT_EQ(b.Texte("NET A PAYER").text, "NET A PAYER :" + std::string(14, ' ') + " 0");
}

TEST(TotalsBlock, DueDateIsTheLastDayOfTheMonthAfterTheQuarter) {
    struct Cas {
        std::string trimestre, mois, echeance;
    };
    for (const Cas& c : {Cas{"1er  TRIMESTRE 2011", "201101", "30/04/2011"},
                         Cas{"2eme TRIMESTRE 2011", "201104", "31/07/2011"},
                         Cas{"3eme TRIMESTRE 2011", "201107", "31/10/2011"},
                         Cas{"4eme TRIMESTRE 2011", "201110", "31/01/2012"}}) {
        Banc b(RecDetail("10001001", c.mois, "10000"), c.trimestre);
        b.Imprimer({{"10001001", "00001"}});
        EXPECT_EQ(b.Texte("Le règlement").text,
                  "Le règlement est à envoyer avant le " + c.echeance + " à l'adresse suivante :")
            << c.trimestre;
    }
}

TEST(TotalsBlock, PaymentTextOfEachCase) {
    // The records added, the journal lines expected, the BIC query and the last text printed.
    struct Cas {
        std::string extra;
        std::vector<std::string> textes;
        std::string bic = "", dernier = "";
    };
    const std::string un = "TEXT 132 13801 \"Le règlement est effectué pour votre compte par :\"";
    const std::vector<std::string> texteTrois = {  // the centre's field 2 names the address, not field 1
        "TEXT 132 13801 \"Le règlement est à envoyer avant le 30/04/2011 à l'adresse suivante :\"",
        "TEXT 660 14050 \"URSSAF TEST - SERVICE PARTICULIERS\"", "TEXT 660 14299 \"10 RUE DU CENTRE\"",
        "TEXT 660 14548 \"75001 PARIS\""};
    const std::vector<Cas> cas = {
        {RecCentre({.prend = "1"}) + RecAide({.code = "00001", .paieEtab = "1"}) + Banque("FR76 1234"),
         {un, "TEXT 660 14050 \"ETABLISSEMENT TEST\"", "TEXT 660 14299 \"5 RUE ETAB\"",
          "TEXT 660 14548 \"75002 PARIS\""}},
        // Text one without the establishment: empty lines.
        {RecCentre({.prend = "1", .etab = "E9999"}) + RecTexte("ASSOCIATION", "E99", {"ASSO"}) +
             RecAide({.code = "00001", .paieEtab = "1"}), {un}, "", un.substr(15)},
        {RecCentre({.prend = "1"}) + Banque("FR76 1131 2327 4447"),
         {"TEXT 132 13801 \"L'URSSAF procèdera au prélèvement de ce montant le 30/04/2011 sur le compte\"",
          "TEXT 132 14050 \"bancaire suivant : FR76 1131 2327 4447\"", "TEXT 2640 14299 \"11315 - CEPAFRPP\""},
         "SSELECT BIC AVEC 1 = \"11315\""},
        {RecCentre({.prend = "1"}) + Banque("FR76 1131", "99999"), {"TEXT 2640 14299 \"99999 -\""}},
        {RecCentre({}) + Banque("FR76 1234"), texteTrois},     // a centre other than "1"
        {RecCentre({.prend = "1"}) + Banque(""), texteTrois},  // no account
        {RecCentre({.prend = "1"}), texteTrois},               // no ELTSFACTAIDE record
    };
    for (const Cas& c : cas) {
        Banc b(c.extra);
        b.Imprimer({{"10001001", "00001"}});
        b.Journal();
        const std::string journal = b.out.str();
        for (const std::string& t : c.textes) EXPECT_NE(journal.find(t + "\n"), std::string::npos) << t;
        EXPECT_EQ(b.Contient("prélèvement"), c.textes[0].find("prélèvement") != std::string::npos ||
                                                 c.textes[0].find("99999") != std::string::npos);
        if (!c.bic.empty()) { EXPECT_EQ(b.s.W_RequeteBic.element(1), c.bic); }
        if (!c.dernier.empty()) { EXPECT_EQ("\"" + b.Textes().back().text + "\"", c.dernier); }
    }
}

}  // namespace
}  // namespace looptest
