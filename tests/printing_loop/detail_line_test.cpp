// The aidant detail block on the journal: identification, name cut, hours and hourly wage,
// the contribution cells, the basis label, and what the charge-detail record receives.
#include "loop_bench.h"

namespace looptest {
namespace {

// The aidant's detail lines A to D of a one-row declaration.
struct Bloc {
    Operation a, b, c, d;
};
Bloc Imprimer(Banc& banc) {
    banc.Imprimer({{"10001001", "00001"}});
    Bloc bloc;
    for (const Operation& t : banc.Textes()) {
        if (t.n[1] == 5749) bloc.a = t;
        if (t.n[1] == 5998) bloc.b = t;
        if (t.n[1] == 6248) bloc.c = t;
        if (t.n[1] == 6497) bloc.d = t;
    }
    return bloc;
}

TEST(DetailLine, IdentificationPrintedWhenItsNumericValueIsNotZero) {
    {
        Banc b(RecAidant({.code = "10001", .identification = "EN COURS", .cle = "12"}));
        Bloc l = Imprimer(b);
        EXPECT_EQ(l.a.raw, "TEXT 6449 5749 \"100.00     29     300     75\"");  // 44 + 3 blanks, then " 100.00"
        EXPECT_FALSE(b.Contient("EN COURS"));
    }
    {
        Banc b(RecAidant({.code = "10001", .identification = "0", .cle = "12"}));
        EXPECT_EQ(Imprimer(b).a.n[0], 6449);
    }
    {
        Banc b(RecAidant({.code = "10001", .identification = "1711117763286", .cle = "88"}));
        EXPECT_EQ(Imprimer(b).a.text, "1711117763286 88" + std::string(23, ' ') + "    100.00     29     300     75");
    }
}

TEST(DetailLine, NamesOfThirtyAndThirtyOneCharacters) {
    {
        // 30 characters, two of them accented: one blank before the second part.
        Banc b(RecAidant({.code = "10001", .nom = "LEBLANC-DUMOULIN", .prenom = "MARIE-THÉRÈSE",
                          .champ2 = "NEE DURAND-LEFEBVRE"}));
        EXPECT_EQ(Imprimer(b).b.text, "LEBLANC-DUMOULIN MARIE-THÉRÈSE NEE DURAND-");
    }
    {
        Banc b(RecAidant({.code = "10001", .nom = "LEBLANC-DUMOULINS", .prenom = "MARIE-THÉRÈSE",
                          .champ2 = "NEE DURAND-LEFEBVRE"}));
        EXPECT_EQ(Imprimer(b).b.text, "LEBLANC-DUMOULINS MARIE-THÉRÈS NEE DURAND-");
    }
    {
        Banc b(RecAidant({.code = "10001", .champ2 = "NEE DURAND"}));
        EXPECT_EQ(Imprimer(b).b.text, "MARTIN JEANNE" + std::string(18, ' ') + "NEE DURAND");
    }
}

TEST(DetailLine, BasisFForfaitDividesTheCsgRatesBy9825) {
    Banc b(RecContrat("10001001", "00001", "100", "", "F"));
    Bloc l = Imprimer(b);
    EXPECT_EQ(l.a.text, "2 90 07 10 585 564 29                           100.00     30     300     75");
    EXPECT_EQ(l.c.text, "5 RUE DES ROSES                                  10.00     52       6     12     24");
    EXPECT_EQ(l.d.text, "75011 PARIS                                    FORFAIT");
}

TEST(DetailLine, BasisBIsReelAndAnyOtherForfait) {
    {
        Banc b(RecContrat("10001001", "00001", "100", "", "B") + RecDetail("10001001", "201101", "10000", "100000"));
        Bloc l = Imprimer(b);
        EXPECT_EQ(l.a.text, "2 90 07 10 585 564 29                           100.00     29     300     75");
        EXPECT_EQ(l.d.text, "75011 PARIS                                    REEL");
    }
    {
        Banc b(RecContrat("10001001", "00001", "100", "", "X"));
        EXPECT_EQ(Imprimer(b).d.text, "75011 PARIS                                    FORFAIT");
    }
}

TEST(DetailLine, AWageBelowTheMinimumIsRaisedAndTheHoursRecomputed) {
    // 100 hours for 500.00: 390.00 net, 3.90 an hour; declared 50 hours at 7.80.
    Banc b(RecContrat("10001001", "00001", "100", "", "B") + RecDetail("10001001", "201101", "10000", "50000"));
    Bloc l = Imprimer(b);
    EXPECT_EQ(l.a.text, "2 90 07 10 585 564 29                            50.00     15     150     38");
    EXPECT_EQ(l.c.text, "5 RUE DES ROSES                                   7.80     26       3      6     12");
    dba::Record d = b.Lire("DETAILCHGPARTEMP", "0000120111");
    EXPECT_EQ(d.element(3), "50");
    EXPECT_EQ(d.element(4), "780");
}

TEST(DetailLine, NoHoursWithPayIsOneHourThenRaisedToTheMinimum) {
    {
        // 10.00 of pay without hours: one hour at the whole net pay, 7.80.
        Banc b(RecContrat("10001001", "00001", "100", "", "B") + RecDetail("10001001", "201101", "0", "1000"));
        Bloc l = Imprimer(b);
        // Contributions of 10.00: CSG RDS 0.29 and the last three of line C round to 0 (blank).
        EXPECT_EQ(l.a.text.substr(44), "      1.00" + std::string(7, ' ') + "       3      1");
        EXPECT_EQ(l.c.text.substr(46), "    7.80      1");
        // No hours: the aidant is not added to the charge detail.
        EXPECT_EQ(b.Lire("DETAILCHGPARTEMP", "0000120111").element(2), "");
    }
    {
        // 5.00: one hour at 3.90 is below the minimum: 0.50 hour at 7.80.
        Banc b(RecContrat("10001001", "00001", "100", "", "B") + RecDetail("10001001", "201101", "0", "500"));
        Bloc l = Imprimer(b);
        EXPECT_EQ(l.a.text.substr(44, 10), "      0.50");
        EXPECT_EQ(l.c.text.substr(46, 8), "    7.80");
    }
}

TEST(DetailLine, SSocRateLoweredBy15PointsUpToTheFourthQuarterOf2010) {
    const std::string aide = RecAide({.code = "00001", .categorie = "00"}) +
                             RecContrat("10001001", "00001", "100", "", "B");
    {
        Banc b(aide + RecDetail("10001001", "201010", "10000", "100000"), "4eme TRIMESTRE 2010");
        EXPECT_EQ(Imprimer(b).a.text.substr(47), " 100.00     29     150     75");
    }
    {
        Banc b(aide + RecDetail("10001001", "201101", "10000", "100000"), "1er  TRIMESTRE 2011");
        EXPECT_EQ(Imprimer(b).a.text.substr(47), " 100.00     29     300     75");
    }
}

TEST(DetailLine, From2013TheSSocAmountLosesTheCentresHourlyDeduction) {
    // 0.75 an hour.
    const std::string base = RecCentre({.heure = "75"}) + RecAide({.code = "00001", .categorie = "00"});
    {
        // 100 hours, 10.60 of them left out: (100 - 10.6) × 0.75 = 67.05, so 67.
        Banc b(base + RecDetail("10001001", "201301", "10000", "0", "1060"), "1er  TRIMESTRE 2013");
        EXPECT_EQ(Imprimer(b).a.text.substr(47), " 100.00     29     233     75");
        dba::Record d = b.Lire("DETAILCHGPARTEMP", "0000120131");
        EXPECT_EQ(d.element(14), "10");
        EXPECT_EQ(b.s.W_LignesAidants.element(1, 6), "10");
    }
    {
        Banc b(base + RecDetail("10001001", "201301", "10000"), "1er  TRIMESTRE 2013");
        EXPECT_EQ(Imprimer(b).a.text.substr(47), " 100.00     29     225     75");
        EXPECT_EQ(b.Lire("DETAILCHGPARTEMP", "0000120131").element(14), "");
    }
    {
        Banc b(base + RecDetail("10001001", "201210", "10000", "0", "1060"), "4eme TRIMESTRE 2012");
        EXPECT_EQ(Imprimer(b).a.text.substr(47), " 100.00     29     300     75");
    }
    {
        // A deduction larger than the contribution: 3 - 75, printed with its sign and totalled.
        Banc b(base + RecContrat("10001001", "00001", "100", "", "B") +
                   RecDetail("10001001", "201301", "10000", "1000"),
               "1er  TRIMESTRE 2013");
        EXPECT_EQ(Imprimer(b).a.text.substr(47), "   1.00            -72      1");
        EXPECT_EQ(b.Texte("TOTAUX").text, "TOTAUX :       0     -72      1      0");
    }
}

TEST(DetailLine, HealthAmountPrintedAsIsAndTotalled) {
    std::vector<std::string> f(8, "");
    f[5] = "10000";
    f[6] = "100000";
    f[7] = "922";
    Banc b(RecTexte("DETAILCALCUL", "10001001201101", f));
    b.s.TauxRub922 = dnt::Long32(1000);  // 100000 × 1000 / 10^7: 10
    Bloc l = Imprimer(b);
    EXPECT_EQ(l.a.text.substr(47), " 100.00     29     300     75     10");
    EXPECT_EQ(b.Texte("TOTAUX").text, "TOTAUX :      29     300     75     10");
    EXPECT_EQ(b.Texte("NET A PAYER").text, "NET A PAYER :               507");
    EXPECT_EQ(b.Texte("AJOUTER/DEDUIRE").text, "AJOUTER/DEDUIRE :");
}

TEST(DetailLine, AddressFallsBackOnTheFurtherLine) {
    std::string extra = RecTexte("CIVILAIDANT", "10001",
                                 {"MME", "", "JEANNE", "MARTIN", "", "", "", "", "CHEZ MME DURAND", "75011", "PARIS",
                                  "", "", "", "", "", "0", ""});
    Banc b(extra);
    Bloc l = Imprimer(b);
    EXPECT_EQ(l.c.text, "CHEZ MME DURAND" + std::string(31, ' ') + "    7.80     51       6     12     24");
}

}  // namespace
}  // namespace looptest
