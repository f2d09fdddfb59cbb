// Aidant lines from the monthly calculation details: months of the contract, amounts,
// overtime, the "922" amounts, line grouping, and statements passed over when they fail.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "payroll_db.h"

using paytest::day;
using paytest::mv;

namespace {

// Detail fields by number: 2 rubrics, 3 quantities, 5 whole numbers, 6 hours, 7 amount,
// 8 codes, 62 a further amount.
using Champs = std::map<int, std::string>;

struct Contrat {
    std::string cle, debut, fin = "", nature = "M";
};

// The database the print loop reads for the rows of one aidé, as the run driver leaves it.
class Banc {
public:
    Banc() {
        t.chooseQuarter("2ème TRIMESTRE 2024");
        t.open({"CIVILAIDANT", "DETAILCALCUL", "CONTRAT"});
        t.s.TabConstantesPaie.setText("1165\xFE" "1165\xFE" "1165");
        t.s.W_MoisConstante9 = "200201";
        t.s.W_Constante9Depassee = true;
        t.s.W_Totaux.setText("0\xFE" "0\xFE" "0");
        t.s.RubriquesHeuresSup.setText("125\xFD" "1250000\xFE" "126\xFD" "1250000\xFE" "150\xFD" "1500000");
        t.put("CIVILAIDANT", "15129", {"MME", "", "FRANCOISE", "DENIS"});
        t.put("CIVILAIDANT", "17975", {"M.", "", "MARIE", "LEBLANC"});
    }
    void contrat(const Contrat& c) {
        std::vector<std::string> f(30);
        f[0] = "02";
        f[2] = "11344";
        f[6] = c.debut;
        f[7] = c.fin;
        f[29] = c.nature;
        t.put("CONTRAT", c.cle, f);
    }
    void detail(const std::string& key, const Champs& champs) {
        std::vector<std::string> f(62);
        for (const auto& [n, v] : champs) f[n - 1] = v;
        t.put("DETAILCALCUL", key, f);
    }
    // Reads the contracts in this order, as the print loop does for the rows of one aidé.
    void lire(const std::vector<std::string>& contrats) {
        dba::DynArray tableau;
        int i = 0;
        for (const auto& c : contrats) {
            ++i;
            tableau.Replace(i, 1, 0, c);
            tableau.Replace(i, 2, 0, "11344");
        }
        for (int row = 1; row <= i; ++row) {
            t.s.RecContrat = t.get("CONTRAT", tableau.Extract(row, 1, -1));
            payroll::LectureDetailCalcul(t.s, t.quarter, row, tableau);
        }
    }
    // A figure left by the reading: "L.v" value v of line L, "Tm" the total of month m, or
    // one of the names below.
    std::string valeur(const std::string& quoi) {
        if (quoi == "aidants") return std::to_string(t.s.W_NbAidants.value());
        if (quoi == "lignes") return t.s.W_LignesAidants.asDynArray().text();
        if (quoi == "totaux") return t.s.W_Totaux.text();
        if (quoi == "date") return std::to_string(t.s.W_DateCalcul.value());
        if (quoi == "nom") return t.s.RecAidant.element(4);
        if (quoi == "heures125") return std::to_string(t.s.W_HeuresSup125.value());
        if (quoi[0] == 'T') return t.s.W_Totaux.element(std::stoi(quoi.substr(1)));
        auto point = quoi.find('.');
        return t.s.W_LignesAidants.asDynArray().element(std::stoi(quoi.substr(0, point)), std::stoi(quoi.substr(point + 1)));
    }
    paytest::PayrollDb t;
};

struct Cas {
    const char* nom;
    std::vector<Contrat> contrats = {{"15129001", day("01/01/2020")}};
    std::vector<std::pair<std::string, Champs>> details = {};
    std::string constantes = "1165\xFE" "1165\xFE" "1165";
    std::string moisConstante9 = "200201";
    bool constante9Depassee = true;
    std::optional<long> dateAvant = {};
    std::vector<std::vector<std::string>> lectures = {{"15129001"}};
    std::vector<std::pair<std::string, std::string>> attendus = {};
    std::optional<double> montantMois = {};
};

}  // namespace

TEST(CalcDetails, LinesAndTotalsOfTheContractsRead) {
    const std::vector<Cas> cas = {
        {.nom = "hours times the month's constant rounded to cents (43.5 x 1165 + 0.5 = 50678)",
         .details = {{"15129001202404", {{6, "4350"}, {7, "1"}}}},
         .attendus = {{"aidants", "1"}, {"1.1", "15129"}, {"1.2", "43.5"}, {"1.3", "506.78"}, {"1.4", "M"},
                      {"totaux", "506.78\xFE" "0\xFE" "0"}, {"nom", "DENIS"}},
         .montantMois = 506.78},
        // 50677 + 0.5 gives 50678 by the half to even; 50678 + 0.5 stays 50678.
        {.nom = "the half is added then rounded to even",
         .details = {{"15129001202404", {{6, "100"}}}, {"15129001202405", {{6, "100"}}}},
         .constantes = "50677\xFE" "50678\xFE" "1165",
         .attendus = {{"T1", "506.78"}, {"T2", "506.78"}, {"1.3", "1013.56"}}},
        {.nom = "kind B takes the month's amount", .contrats = {{"15129001", day("01/01/2020"), "", "B"}},
         .details = {{"15129001202405", {{6, "4350"}, {7, "50547"}}}},
         .attendus = {{"1.3", "505.47"}, {"1.4", "B"}, {"T2", "505.47"}}},
        // April: 65.60 / 6.55957 = 10.0006, rounded to 10; May is not converted.
        {.nom = "months before the franc date are converted",
         .details = {{"15129001202404", {{6, "1000"}}}, {"15129001202405", {{6, "1000"}}}},
         .constantes = "656\xFE" "656\xFE" "656", .moisConstante9 = "202405",
         .attendus = {{"T1", "10"}, {"T2", "65.6"}, {"1.3", "75.6"}}},
        {.nom = "kind B amounts before the franc date are converted to a whole 10",
         .contrats = {{"15129001", day("01/01/2020"), "", "B"}},
         .details = {{"15129001202404", {{6, "1000"}, {7, "6560"}}}}, .moisConstante9 = "202405",
         .attendus = {{"1.3", "10"}}, .montantMois = 10.0},
        {.nom = "no conversion until the franc date is passed", .details = {{"15129001202404", {{6, "1000"}}}},
         .constantes = "656\xFE" "656\xFE" "656", .moisConstante9 = "202405", .constante9Depassee = false,
         .attendus = {{"1.3", "65.6"}}},
        // 225 / 100, cut; value 9 adds field 5 of the overtime lines only.
        {.nom = "overtime of one month is cut once on the sum",
         .details = {{"15129001202404",
                      {{2, mv({"100", "125", "126"})}, {3, mv({"15000", "150", "75"})}, {5, mv({"9", "3", "4"})},
                       {6, "15225"}}}},
         .attendus = {{"1.7", "2"}, {"1.8", "0"}, {"1.9", "7"}, {"heures125", "2"}}},
        {.nom = "overtime of two months is cut per month (1 + 0)",
         .details = {{"15129001202404", {{2, "125"}, {3, "150"}, {5, "1"}, {6, "150"}}},
                     {"15129001202405", {{2, "126"}, {3, "75"}, {5, "1"}, {6, "75"}}}},
         .attendus = {{"1.7", "1"}, {"1.9", "2"}}},
        {.nom = "a rubric on several pay lines adds each time",
         .details = {{"15129001202404",
                      {{2, mv({"150", "150"})}, {3, mv({"150", "75"})}, {5, mv({"1", "1"})}, {6, "225"}}}},
         .attendus = {{"1.7", "0"}, {"1.8", "2"}, {"1.9", "2"}}},
        {.nom = "the 922 amounts are added per code",
         .details = {{"15129001202404", {{6, "100"}, {7, "300"}, {8, mv({"100", "922"})}}},
                     {"15129001202405", {{6, "100"}, {7, "250"}, {8, mv({"922", "922"})}}},
                     {"15129001202406", {{6, "100"}, {7, "999"}, {8, "908"}}}},
         .attendus = {{"1.10", "800"}}},
        {.nom = "field 62 is added in currency",
         .details = {{"15129001202404", {{6, "100"}, {62, "1030"}}},
                     {"15129001202405", {{6, "100"}}},
                     {"15129001202406", {{6, "100"}, {62, "2694"}}}},
         .attendus = {{"1.6", "37.24"}}},
        {.nom = "no field 62 leaves value 6 empty", .details = {{"15129001202404", {{6, "100"}}}},
         .attendus = {{"1.6", ""}}},
        {.nom = "a contract starting on 15 May is read for May and June",
         .contrats = {{"15129001", day("15/05/2024")}},
         .details = {{"15129001202404", {{6, "1000"}}}, {"15129001202405", {{6, "1000"}}},
                     {"15129001202406", {{6, "1000"}}}},
         .attendus = {{"1.2", "20"}, {"T1", "0"}, {"T3", "116.5"}}},
        {.nom = "a contract ending on 10 April is read for April only",
         .contrats = {{"15129001", day("01/01/2020"), day("10/04/2024")}},
         .details = {{"15129001202404", {{6, "1000"}}}, {"15129001202405", {{6, "1000"}}}},
         .attendus = {{"1.2", "10"}, {"date", day("10/04/2024")}}},
        {.nom = "a contract after the quarter adds no line", .contrats = {{"15129001", day("01/07/2024")}},
         .details = {{"15129001202406", {{6, "1000"}}}}, .dateAvant = 100,
         .attendus = {{"aidants", "0"}, {"lignes", ""}, {"date", "99999"}}},
        {.nom = "the latest end is kept",
         .contrats = {{"15129001", day("01/01/2020"), day("20/05/2024")},
                      {"15129002", day("01/01/2020"), day("10/04/2024")}},
         .lectures = {{"15129001", "15129002"}}, .attendus = {{"date", day("20/05/2024")}}},
        {.nom = "an open end then counts 99999",
         .contrats = {{"15129001", day("01/01/2020"), day("20/05/2024")},
                      {"15129002", day("01/01/2020"), day("10/04/2024")}, {"15129003", day("01/01/2020")}},
         .lectures = {{"15129001", "15129002"}, {"15129003"}}, .attendus = {{"date", "99999"}}},
        {.nom = "adjacent contracts of one aidant share a line",
         .contrats = {{"15129001", day("01/01/2020"), day("30/04/2024")}, {"15129002", day("01/05/2024")}},
         .details = {{"15129001202404", {{6, "1000"}}}, {"15129002202405", {{6, "2000"}}}},
         .lectures = {{"15129001", "15129002"}},
         .attendus = {{"aidants", "1"}, {"1.2", "30"}, {"1.3", "349.5"}}},
        // 116.50 + 58.26: 5 x 1165 + 0.5 = 5825.5, to even 5826.
        {.nom = "non-adjacent contracts of one aidant get two lines",
         .contrats = {{"15129001", day("01/01/2020")}, {"17975001", day("01/01/2020")},
                      {"15129002", day("01/01/2020")}},
         .details = {{"15129001202404", {{6, "1000"}}}, {"17975001202404", {{6, "500"}}},
                     {"15129002202406", {{6, "2000"}}}},
         .lectures = {{"15129001", "17975001", "15129002"}},
         .attendus = {{"aidants", "3"}, {"1.1", "15129"}, {"2.1", "17975"}, {"3.1", "15129"}, {"3.2", "20"},
                      {"T1", "174.76"}, {"T3", "233"}}},
        {.nom = "a missing month is skipped",
         .details = {{"15129001202404", {{6, "1000"}}}, {"15129001202406", {{6, "1000"}}}},
         .attendus = {{"1.2", "20"}, {"totaux", "116.5\xFE" "0\xFE" "116.5"}}},
        {.nom = "a contract without records creates no line", .attendus = {{"aidants", "0"}, {"date", "99999"}}},
        // 40000 hundredths of overtime and a field 5 of 40000 do not fit a 16-bit integer: the
        // 125 % sum is skipped, the 150 % sum after it still runs, only the field 5 that fits.
        {.nom = "an overflowing statement is the only one passed over",
         .details = {{"15129001202404",
                      {{2, mv({"125", "150"})}, {3, mv({"40000", "250"})}, {5, mv({"40000", "1"})}, {6, "1000"},
                       {7, "300"}, {8, "922"}}}},
         .attendus = {{"1.2", "10"}, {"1.3", "116.5"}, {"1.7", "0"}, {"1.8", "2"}, {"1.9", "1"}, {"1.10", "300"}}},
        // May's hours and amount cannot be converted: April's amount is not added again.
        {.nom = "an unreadable month adds nothing and the others count",
         .details = {{"15129001202404", {{6, "1000"}}}, {"15129001202405", {{6, "dix"}}},
                     {"15129001202406", {{6, "2000"}}}},
         .attendus = {{"1.2", "30"}, {"1.3", "349.5"}, {"totaux", "116.5\xFE" "0\xFE" "233"}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Banc b;
        for (const Contrat& k : c.contrats) b.contrat(k);
        for (const auto& [cle, champs] : c.details) b.detail(cle, champs);
        b.t.s.TabConstantesPaie.setText(c.constantes);
        b.t.s.W_MoisConstante9 = c.moisConstante9;
        b.t.s.W_Constante9Depassee = c.constante9Depassee;
        if (c.dateAvant) b.t.s.W_DateCalcul = dnt::Long32(*c.dateAvant);
        for (const auto& lecture : c.lectures) b.lire(lecture);
        for (const auto& [quoi, attendu] : c.attendus) EXPECT_EQ(b.valeur(quoi), attendu) << quoi;
        if (c.montantMois) { EXPECT_EQ(b.t.s.W_MontantMois, *c.montantMois); }
    }
}

TEST(CalcDetails, AMissingAidantLeavesAnEmptyRecordAndKindFTakesTheSecondRate) {
    Banc b;
    b.contrat({"99999001", day("01/01/2020")});
    b.detail("99999001202404", {{6, "1000"}});
    b.t.s.RecAidant = b.t.get("CIVILAIDANT", "17975");
    b.lire({"99999001"});
    EXPECT_EQ(b.t.s.RecAidant.text(), "");
    EXPECT_EQ(b.valeur("1.1"), "99999");
    // Kind F takes the second rate and reduced value, another kind the first.
    b.t.s.W_TauxCentre = 22.0;
    b.t.s.W_ValeurReduite = 9.08;
    b.t.s.W_TauxCentreBis = 0;
    b.t.s.W_ValeurReduiteBis = 11.65;
    b.contrat({"15129001", day("01/01/2020"), "", "F"});
    b.lire({"15129001"});
    EXPECT_EQ(b.t.s.W_TauxLigne, 0.0);
    EXPECT_EQ(b.t.s.W_ValeurConstante, 11.65);
    b.contrat({"15129002", day("01/01/2020"), "", "M"});
    b.lire({"15129002"});
    EXPECT_EQ(b.t.s.W_TauxLigne, 22.0);
    EXPECT_EQ(b.t.s.W_ValeurConstante, 9.08);
}
