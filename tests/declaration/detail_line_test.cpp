// The aidant detail block on the journal: identification, name cut, hours and hourly wage,
// the contribution cells, the basis label, and what the charge-detail record receives.
#include "loop_bench.h"

#include <algorithm>
#include <map>

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

// What one line of the block reads, from character `debut` on (`longueur` characters).
struct Attendu {
    char ligne;
    std::string texte;
    size_t debut = 0, longueur = std::string::npos;
    long x = -1;  // its x, when checked
};

struct Cas {
    const char* nom;
    std::string extra;
    std::string trimestre;  // empty: the first quarter of 2011
    std::vector<Attendu> lignes;
    std::map<int, std::string> detail = {};  // fields of the aidé's charge-detail record
    std::string totaux = "";
};

TEST(DetailLine, LinesOfTheBlock) {
    const std::string b = RecContrat("10001001", "00001", "100", "", "B");
    const std::string ssoc = RecAide({.code = "00001", .categorie = "00"}) + b;
    // From 2013 the SSoc amount loses the centre's hourly deduction of 0.75 an hour.
    const std::string heure = RecCentre({.heure = "75"}) + RecAide({.code = "00001", .categorie = "00"});
    const std::vector<Cas> cas = {
        {"an identification whose numeric value is zero is not printed",
         RecAidant({.code = "10001", .identification = "EN COURS", .cle = "12"}), {},
         {{'a', "100.00     29     300     75", 0, std::string::npos, 6449}}},  // 44 + 3 blanks, then " 100.00"
        {"an identification of zero", RecAidant({.code = "10001", .identification = "0", .cle = "12"}), {},
         {{'a', "100.00", 0, 6, 6449}}},
        // 100 hours, 10.60 of them left out: (100 - 10.6) × 0.75 = 67.05, so 67.
        {"the hourly deduction from 2013", heure + RecDetail("10001001", "201301", "10000", "0", "1060"),
         "1er  TRIMESTRE 2013", {{'a', " 100.00     29     233     75", 47}}, {{14, "10"}}},
        {"the hourly deduction without hours left out", heure + RecDetail("10001001", "201301", "10000"),
         "1er  TRIMESTRE 2013", {{'a', " 100.00     29     225     75", 47}}, {{14, ""}}},
        {"no hourly deduction in 2012", heure + RecDetail("10001001", "201210", "10000", "0", "1060"),
         "4eme TRIMESTRE 2012", {{'a', " 100.00     29     300     75", 47}}},
        // A deduction larger than the contribution: 3 - 75, printed with its sign and totalled.
        {"a deduction larger than the contribution",
         heure + b + RecDetail("10001001", "201301", "10000", "1000"), "1er  TRIMESTRE 2013",
         {{'a', "   1.00            -72      1", 47}}, {}, "TOTAUX :       0     -72      1      0"},
        {"an identification whose numeric value is not zero",
         RecAidant({.code = "10001", .identification = "1711117763286", .cle = "88"}), {},
         {{'a', "1711117763286 88" + std::string(23, ' ') + "    100.00     29     300     75"}}},
        {"a name of 30 characters, two of them accented: one blank before the second part",
         RecAidant({.code = "10001", .nom = "LEBLANC-DUMOULIN", .prenom = "MARIE-THÉRÈSE",
                    .champ2 = "NEE DURAND-LEFEBVRE"}), {},
         {{'b', "LEBLANC-DUMOULIN MARIE-THÉRÈSE NEE DURAND-"}}},
        {"a name of 31 characters is cut",
         RecAidant({.code = "10001", .nom = "LEBLANC-DUMOULINS", .prenom = "MARIE-THÉRÈSE",
                    .champ2 = "NEE DURAND-LEFEBVRE"}), {},
         {{'b', "LEBLANC-DUMOULINS MARIE-THÉRÈS NEE DURAND-"}}},
        {"a short name", RecAidant({.code = "10001", .champ2 = "NEE DURAND"}), {},
         {{'b', "MARTIN JEANNE" + std::string(18, ' ') + "NEE DURAND"}}},
        {"basis F is forfait and divides the CSG rates by 98.25", RecContrat("10001001", "00001", "100", "", "F"), {},
         {{'a', "2 90 07 10 585 564 29                           100.00     30     300     75"},
          {'c', "5 RUE DES ROSES                                  10.00     52       6     12     24"},
          {'d', "75011 PARIS                                    FORFAIT"}}},
        {"basis B is reel", b + RecDetail("10001001", "201101", "10000", "100000"), {},
         {{'a', "2 90 07 10 585 564 29                           100.00     29     300     75"},
          {'d', "75011 PARIS                                    REEL"}}},
        {"any other basis is forfait", RecContrat("10001001", "00001", "100", "", "X"), {},
         {{'d', "75011 PARIS                                    FORFAIT"}}},
        // 100 hours for 500.00: 390.00 net, 3.90 an hour; declared 50 hours at 7.80.
        {"a wage below the minimum is raised and the hours recomputed",
         b + RecDetail("10001001", "201101", "10000", "50000"), {},
         {{'a', "2 90 07 10 585 564 29                            50.00     15     150     38"},
          {'c', "5 RUE DES ROSES                                   7.80     26       3      6     12"}},
         {{3, "50"}, {4, "780"}}},
        // 10.00 of pay without hours: one hour at the whole net pay, 7.80; contributions of
        // 10.00: CSG RDS 0.29 and the last three of line C round to 0 (blank); no hours: the
        // aidant is not added to the charge detail.
        {"no hours with pay is one hour then raised to the minimum", b + RecDetail("10001001", "201101", "0", "1000"),
         {},
         {{'a', "      1.00" + std::string(7, ' ') + "       3      1", 44}, {'c', "    7.80      1", 46}},
         {{2, ""}}},
        // 5.00: one hour at 3.90 is below the minimum: 0.50 hour at 7.80.
        {"no hours with less pay", b + RecDetail("10001001", "201101", "0", "500"), {},
         {{'a', "      0.50", 44, 10}, {'c', "    7.80", 46, 8}}},
        {"the SSoc rate is lowered by 15 points up to the fourth quarter of 2010",
         ssoc + RecDetail("10001001", "201010", "10000", "100000"), "4eme TRIMESTRE 2010",
         {{'a', " 100.00     29     150     75", 47}}},
        {"the SSoc rate is whole from 2011", ssoc + RecDetail("10001001", "201101", "10000", "100000"), {},
         {{'a', " 100.00     29     300     75", 47}}},
        {"the address falls back on the further line",
         RecTexte("CIVILAIDANT", "10001",
                  {"MME", "", "JEANNE", "MARTIN", "", "", "", "", "CHEZ MME DURAND", "75011", "PARIS", "", "", "", "",
                   "", "0", ""}), {},
         {{'c', "CHEZ MME DURAND" + std::string(31, ' ') + "    7.80     51       6     12     24"}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Banc banc(c.extra, c.trimestre.empty() ? "1er  TRIMESTRE 2011" : c.trimestre);
        Bloc l = Imprimer(banc);
        for (const Attendu& a : c.lignes) {
            const Operation& op = a.ligne == 'a' ? l.a : a.ligne == 'b' ? l.b : a.ligne == 'c' ? l.c : l.d;
            EXPECT_EQ(op.text.substr(std::min(a.debut, op.text.size()), a.longueur), a.texte) << a.ligne;
            if (a.x >= 0) { EXPECT_EQ(op.n.at(0), a.x) << a.ligne; }
        }
        dba::Record d = banc.Lire("DETAILCHGPARTEMP", "00001" + banc.quarter.key());
        for (const auto& [f, v] : c.detail) EXPECT_EQ(d.element(f), v) << "field " << f;
        if (!c.totaux.empty()) { EXPECT_EQ(banc.Texte("TOTAUX").text, c.totaux); }
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

}  // namespace
}  // namespace looptest
