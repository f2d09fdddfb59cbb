// Payroll constants, contribution rates, rubrics and the current pay period.
#include "demo/payroll_tables.h"

#include <cmath>

#include "dba/dates.h"

namespace demo {

namespace {

std::string day(long d) { return std::to_string(d); }

const long kFin2004 = 13515;      // 31/12/2004
const long kJanvier2005 = 13516;  // 01/01/2005
const long kJanvier2006 = 13881;  // 01/01/2006
const long kFin2007 = 14610;      // 31/12/2007
const long kJanvier2002 = 12420;  // 01/01/2002: amounts of earlier months were in francs
const char* kSansFin = "99999";   // a period that has not ended

}  // namespace

std::vector<DateValeur> historiqueSmic(const Quarter& q) {
    struct Change {
        int y, m, cents;
    };
    static const Change table[] = {
        {2005, 7, 803},  {2006, 7, 827},  {2007, 7, 844},  {2008, 5, 863},  {2008, 7, 871},  {2009, 7, 882},
        {2010, 1, 886},  {2011, 1, 900},  {2011, 12, 919}, {2012, 1, 922},  {2012, 7, 940},  {2013, 1, 943},
        {2014, 1, 953},  {2015, 1, 961},  {2016, 1, 967},  {2017, 1, 976},  {2018, 1, 988},  {2019, 1, 1003},
        {2020, 1, 1015}, {2021, 1, 1025}, {2021, 10, 1048}, {2022, 1, 1057}, {2022, 5, 1085}, {2022, 8, 1107},
        {2023, 1, 1127}, {2023, 5, 1152}, {2024, 1, 1165}, {2024, 11, 1188}};
    std::vector<DateValeur> v;
    for (const Change& c : table) {
        long d = dba::FromYmd(c.y, c.m, 1);
        if (d <= q.lastDay()) v.push_back({d, c.cents});
    }
    long milieu = q.month(2).day(15);
    if (v.empty() || v.back().date < q.month(2).firstDay())
        v.push_back({milieu, (v.empty() ? 800 : v.back().valeur) + 8});
    return {v.rbegin(), v.rend()};
}

int valeurDuMois(const std::vector<DateValeur>& h, const Month& m) {
    for (const DateValeur& dv : h) {
        dba::Ymd ymd = dba::ToYmd(dv.date);
        if (Month{ymd.y, ymd.m} <= m) return dv.valeur;
    }
    return h.empty() ? 0 : h.back().valeur;
}

void writePayrollTables(RecordSink& sink, const Quarter& q) {
    // Field 1: a monthly amount in hundredths; 3 and 4: the hourly amounts and their
    // dates of effect, most recent first; 9: the date the currency changed.
    {
        std::vector<DateValeur> smic = historiqueSmic(q);
        std::vector<std::string> montants, dates;
        for (const DateValeur& dv : smic) {
            montants.push_back(std::to_string(dv.valeur));
            dates.push_back(day(dv.date));
        }
        long mensuel = std::lround(smic.front().valeur * 208.8);
        sink.put("CONSTANTESPAIE", "1",
                 RecordText().set(1, std::to_string(mensuel)).set(2, "HORAIRE").values(3, montants)
                     .values(4, dates).set(9, day(kJanvier2002)));
    }

    // Contribution lines: field 2 rates in thousandths, field 3 the end of each period.
    struct Ligne {
        const char* cle;
        const char* libelle;
        std::vector<std::string> taux, fins;
    };
    const std::vector<Ligne> lignes = {
        {"01", "SECURITE SOCIALE PATRONALE", {"30150", "30300", "30400", "30450"},
         {day(kFin2004), day(kFin2007), day(q.plus(-4).lastDay()), kSansFin}},
        {"02", "SECURITE SOCIALE EXONEREE", {"14900", "15050", "15150", "15200"},
         {day(kFin2004), day(kFin2007), day(q.plus(-4).lastDay()), kSansFin}},
        {"03", "CSG DEDUCTIBLE", {"4800", "4950", "5050", "5100"},
         {day(kFin2004), day(kFin2007), day(q.plus(-3).lastDay()), kSansFin}},
        {"04", "CSG RDS", {"2900", "3000", "2800"},
         {kSansFin, day(q.plus(-5).month(2).day(26)), day(kJanvier2006)}},
        {"05", "FORMATION PROFESSIONNELLE", {"350", "450", "500", "550"},
         {"8766", day(kFin2007), day(q.plus(-2).lastDay()), kSansFin}},
        {"06", "RETRAITE COMPLEMENTAIRE", {"7500", "7600", "7400"},
         {kSansFin, day(q.plus(-4).firstDay()), day(kJanvier2006)}},
        {"07", "ASSURANCE CHOMAGE", {"2100", "2250", "2350", "2400"},
         {day(kFin2004), day(kFin2007), day(q.plus(-3).lastDay()), kSansFin}},
        {"08", "PREVOYANCE", {"1100", "1200"}, {day(kFin2004), kSansFin}},
    };
    for (const Ligne& l : lignes)
        sink.put("CHGPARTEMP", l.cle, RecordText().set(1, l.libelle).values(2, l.taux).values(3, l.fins));

    // Charge rubrics: field 10 and 14 two rates in thousandths, 17 their dates of effect,
    // most recent first. Rubric 922 has a rate announced for after the quarter.
    sink.put("RUBCHARGE", "908",
             RecordText().set(1, "HEURES SUPPLEMENTAIRES 908").values(10, {"18000", "17500"})
                 .values(14, {"2000", ""}).values(17, {day(q.plus(-6).firstDay()), day(kJanvier2006)}));
    sink.put("RUBCHARGE", "910",
             RecordText().set(1, "CHARGE POLE EMPLOI").values(10, {"3500", "3200"})
                 .values(17, {day(q.plus(-4).firstDay()), day(kJanvier2005)}));
    sink.put("RUBCHARGE", "922",
             RecordText().set(1, "REDUCTION 922").values(10, {"2100", "1900", "1700"})
                 .values(14, {"400", "", "300"})
                 .values(17, {day(q.plus(1).month(2).firstDay()), day(q.plus(-7).month(2).day(15)),
                              day(kJanvier2005)}));
    sink.put("PARAMPOLEEMPLOI", "1", RecordText().set(1, "910"));

    // Pay rubrics: field 8 the kind (2 = hours), 9 the rate in millionths, 19 "2" when
    // the rubric is declared. Only 125, 126 and 150 are declared overtime.
    struct Rubrique {
        const char *cle, *libelle, *genre, *taux, *declaree;
    };
    const Rubrique rubriques[] = {
        {"100", "HEURES NORMALES", "1", "1000000", "1"},
        {"125", "HEURES SUPPLEMENTAIRES 25 %", "2", "1250000", "2"},
        {"126", "HEURES SUPPLEMENTAIRES 25 % DIMANCHE", "2", "1250000", "2"},
        {"127", "HEURES COMPLEMENTAIRES 25 %", "1", "1250000", "2"},
        {"150", "HEURES SUPPLEMENTAIRES 50 %", "2", "1500000", "2"},
        {"151", "HEURES SUPPLEMENTAIRES 50 % NON DECLAREES", "2", "1500000", "1"},
        {"200", "HEURES DE PRESENCE DE NUIT", "2", "1000000", "2"},
    };
    for (const Rubrique& r : rubriques)
        sink.put("RUBSAISIE", r.cle,
                 RecordText().set(1, r.libelle).set(8, r.genre).set(9, r.taux).set(19, r.declaree));

    sink.put("TYPEEXO", "1", RecordText().set(1, "1").set(2, "EXONERATION AIDE A DOMICILE").set(3, "50"));
    sink.put("CONVENTIONCOL", "02", RecordText().set(1, "PARTICULIERS EMPLOYEURS").set(32, "M"));
    sink.put("PERIODESPAIE", "1", RecordText().set(1, q.month(3).key()));
}

}  // namespace demo
