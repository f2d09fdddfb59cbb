// The remaining exemption: base contributions under each declaration basis, the lines 3 to
// 8, the capped "922" amounts, the overtime amount and the regularisation left.
#include <gtest/gtest.h>

#include <map>

#include "numbers/error.h"
#include "numbers/numtext.h"
#include "payroll_db.h"

namespace {

// One aidant line: hours, gross amount, kind; value 6 kept-out hours, 9 overtime, 10 the
// "922" amount (values 9 and 10 written only when given).
struct Ligne {
    std::string heures, brut, nature = "M", v6 = "", v9 = "", v10 = "";
};

// An aidé's lines and what the calculation leaves: the charge-detail fields, the total, the
// hourly deduction, the lines' value 10 and the regularisation left (empty or negative: not
// checked).
struct Cas {
    const char* nom;
    std::string base = "01", cle = "20242", convention = "T", centre = "", nature = "M";
    std::vector<std::string> taux = {"10", "20", "0", "0", "0", "0", "0", "0"};
    std::string constantes = "1165\xFE" "1165\xFE" "1165", totaux = "0\xFE" "0\xFE" "0";
    long rub922 = 0, rub908 = 0;
    std::string avant5 = "", avant17 = "";
    long regul = 0;
    std::vector<Ligne> lignes = {};
    std::map<int, std::string> champs = {};
    std::string total = "";
    double deduction = -1;
    std::vector<std::string> v10 = {};
    long regulReste = -1;
};

class TepRestant : public ::testing::Test {
protected:
    void SetUp() override {
        t.open({"DETAILCHGPARTEMP"});
        t.s.W_ValeurConstanteTrim = 11.65;
    }
    // Sets the aidé up as the print loop leaves it, then runs the calculation.
    void calculer(const Cas& c) {
        t.s.RecDetailChgPartemp = t.s.fichier("DETAILCHGPARTEMP").NewRecord("0444920242");
        t.s.RecDetailChgPartemp.setElement(1, "E75");
        if (!c.avant5.empty()) t.s.RecDetailChgPartemp.setElement(5, c.avant5);
        if (!c.avant17.empty()) t.s.RecDetailChgPartemp.setElement(17, c.avant17);
        t.quarter = dnt::Quarter::fromKey(c.cle).value();
        t.s.W_CodeConvention = c.convention;
        t.s.RecEltsPartemp = dba::Record(nullptr, "04449", std::string(8, dba::FM) + c.base);
        t.s.RecContrat = dba::Record(nullptr, "15129001", std::string(29, dba::FM) + c.nature);
        if (!c.centre.empty()) t.s.RecCentre = dba::Record(nullptr, "75", std::string(21, dba::FM) + c.centre);
        t.s.TabTauxCharges.clear();
        for (size_t n = 0; n < c.taux.size(); ++n) t.s.TabTauxCharges.setElement(static_cast<int>(n + 1), c.taux[n]);
        t.s.TabConstantesPaie.setText(c.constantes);
        t.s.W_Totaux.setText(c.totaux);
        t.s.TauxRub922 = dnt::Long32(c.rub922);
        t.s.TauxRub908 = dnt::Long32(c.rub908);
        t.s.W_Regul = dnt::Long32(c.regul);
        t.s.W_DeductionHeures = 12;  // a previous aidé's deduction
        t.s.W_LignesAidants.clear();
        t.s.W_TotalLignes = dnt::Currency();
        int L = 0;
        for (const Ligne& l : c.lignes) {
            ++L;
            dnt::AidantLine& ligne = t.s.W_LignesAidants.at(L);
            ligne.aidant = "15129";
            ligne.hours = l.heures;
            ligne.gross = l.brut;
            ligne.basis = l.nature;
            ligne.hoursExcluded = l.v6;
            ligne.overtimePay = l.v9;
            ligne.amount922 = l.v10;
            t.s.W_TotalLignes = t.s.W_TotalLignes + dnt::Currency::fromText(l.brut);
        }
        t.s.W_NbAidants = decltype(t.s.W_NbAidants)(L);
        payroll::CalculTepRestant(t.s, t.quarter);
    }
    paytest::PayrollDb t;
};

}  // namespace

TEST_F(TepRestant, FiguresOfEachBasisAndLine) {
    const std::vector<Cas> cas = {
        // Ceiling 11.65 x 195 = 2271.75: 728.25 at rate 1 (72.825) and 2271.75 at rate 2.
        {.nom = "quarterly ceiling splits the gross", .base = "02", .lignes = {{"250", "3000"}},
         .champs = {{6, "73"}, {7, "454"}, {8, "0"}, {9, "0"}, {10, "0"}, {11, "0"}, {12, "0"}, {13, "0"}},
         .total = "527.175"},
        {.nom = "quarterly ceiling not reached", .base = "02", .lignes = {{"150", "2000"}},
         .champs = {{6, "0"}, {7, "400"}}, .total = "400"},
        // Ceiling 650 a month: 10 % of the 50 above it in the second month, 20 % of 650 twice.
        {.nom = "monthly ceiling reached exactly takes only the lower rate", .base = "02", .convention = "M",
         .constantes = "1000\xFE" "1000\xFE" "1000", .totaux = "650\xFE" "700\xFE" "0", .lignes = {{"135", "1350"}},
         .champs = {{6, "5"}, {7, "260"}}, .total = "265"},
        {.nom = "real wage rate lowered by 15 points up to 2010", .cle = "20104", .nature = "B",
         .taux = {"30", "20", "0", "0", "0", "0", "0", "0"}, .lignes = {{"100", "1000", "B"}},
         .champs = {{6, "150"}, {7, "0"}}},
        {.nom = "real wage rate not lowered from 2011", .cle = "20111", .nature = "B",
         .taux = {"30", "20", "0", "0", "0", "0", "0", "0"}, .lignes = {{"100", "1000", "B"}},
         .champs = {{6, "300"}}},
        {.nom = "other basis uses the second rate", .base = "03", .lignes = {{"100", "1000"}},
         .champs = {{6, "0"}, {7, "200"}}},
        // 130 whole hours x 0.75 = 97.5, rounded to 98, off the 100 of field 6.
        {.nom = "hourly deduction from 2013", .base = "00", .cle = "20131", .centre = "75",
         .lignes = {{"130.6", "1000"}}, .champs = {{6, "2"}, {7, "0"}}, .deduction = 98.0},
        {.nom = "no hourly deduction before 2013", .base = "00", .cle = "20124", .centre = "75",
         .lignes = {{"130.6", "1000"}}, .champs = {{6, "100"}}, .deduction = 0.0},
        // 130.6 - 30 = 100.6, cut to 100.
        {.nom = "hours kept out are not deducted", .base = "00", .cle = "20131", .centre = "75",
         .lignes = {{"130.6", "1000", "M", "30.4"}}, .champs = {{6, "25"}}, .deduction = 75.0},
        {.nom = "no centre amount no deduction", .base = "00", .cle = "20131", .centre = "0",
         .lignes = {{"130.6", "1000"}}, .champs = {{6, "100"}}},
        // 50547 -> 12.63675 -> 13; 100000 -> 25 -> 15; 10 % of 400, plus 28.
        {.nom = "value 10 is rescaled and capped at 15", .rub922 = 2500, .avant17 = "7",
         .lignes = {{"10", "100", "M", "", "", "50547"}, {"10", "100", "M", "", "", "100000"},
                    {"10", "100", "M", "", "", "0"}, {"10", "100"}},
         .champs = {{17, "35"}}, .total = "68", .v10 = {"13", "15", "0", ""}},
        // 5 x 982.5 / 98.25 on lines 3 and 4; 4 x 982.5 / 100 = 39.3 on line 5.
        {.nom = "flat rate last line divides lines 3 and 4 by 98.25",
         .taux = {"0", "0", "5", "2", "4", "0", "0", "0"}, .lignes = {{"10", "500", "M"}, {"10", "482.5", "F"}},
         .champs = {{8, "50"}, {9, "20"}, {10, "39"}}, .total = "109.3"},
        {.nom = "only the last line's kind counts", .taux = {"0", "0", "5", "0", "0", "0", "0", "0"},
         .lignes = {{"10", "482.5", "F"}, {"10", "500", "M"}}, .champs = {{8, "49"}}},  // 49.125
        // 20 x 5000 = 100000, that is 10, added to the 2 already there.
        {.nom = "overtime amount into field 5", .rub908 = 20000, .avant5 = "2",
         .lignes = {{"10", "100", "M", "", "3000"}, {"10", "100", "M", "", "0"}, {"10", "100", "M", "", "2000"}},
         .champs = {{5, "12"}}},
        {.nom = "regularisation left never below zero", .regul = 50, .lignes = {{"10", "1000"}}, .regulReste = 0},
        {.nom = "no regularisation", .regul = 0, .lignes = {{"10", "1000"}}, .regulReste = 0},
        {.nom = "regularisation above the contributions", .regul = 250, .lignes = {{"10", "1000"}},
         .regulReste = 150},
        {.nom = "regularisation left is rounded as a whole (400.5 to even)", .regul = 501,
         .lignes = {{"10", "1005"}}, .regulReste = 400},
        {.nom = "a total rounds half up into the field", .lignes = {{"10", "1005"}}, .champs = {{6, "101"}}},
        {.nom = "an aidé without lines writes only fields 17 and 5", .rub922 = 2500,
         .champs = {{1, "E75"}, {5, "0"}, {6, ""}, {7, ""}, {8, ""}, {9, ""}, {10, ""}, {11, ""}, {12, ""},
                    {13, ""}, {17, "0"}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        calculer(c);
        for (const auto& [f, v] : c.champs) EXPECT_EQ(t.s.RecDetailChgPartemp.element(f), v) << "field " << f;
        if (!c.total.empty()) { EXPECT_EQ(dnt::NumberToText(t.s.W_TotalCharges), c.total); }
        if (c.deduction >= 0) { EXPECT_EQ(t.s.W_DeductionHeures, c.deduction); }
        for (size_t L = 0; L < c.v10.size(); ++L)
            EXPECT_EQ(t.s.W_LignesAidants[static_cast<long>(L + 1)].amount922, c.v10[L]) << "line " << L + 1;
        if (c.regulReste >= 0) { EXPECT_EQ(t.s.W_Regul.value(), c.regulReste); }
    }
    // An unconvertible rate is raised.
    EXPECT_THROW(calculer({.nom = "", .taux = {"10", "20", "0", "0", "", "0", "0", "0"}, .lignes = {{"10", "1000"}}}),
                 dnt::ConversionError);
}
