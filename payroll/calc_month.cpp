// LectureMoisDetailCalcul, one month of a contract's calculation details: its hours,
// amount, overtime and "922" amounts added into the aidant line and into the month totals
// of the aidé.
#include <optional>

#include "numbers/error.h"
#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "dba/errors.h"
#include "common/error_trap.h"
#include "payroll/calc_details.h"
#include "payroll/overtime.h"
#include "payroll/text_parts.h"

namespace payroll {

using dnt::CDbl;
using dnt::CLngText;
using dnt::Currency;
using dnt::NumberToText;

namespace {

using NbAidants = decltype(dnt::CoreState::W_NbAidants);

// Francs per euro, for the amounts of the months before the switch.
constexpr double kFrancsParEuro = 6.55957;

// The month amount, or the error that left it unknown, so that a statement built on it is
// passed over instead of adding a stale amount.
double connu(const std::optional<double>& montant) {
    if (!montant) throw dnt::ConversionError("the month amount could not be computed");
    return *montant;
}

// A month position of the quarter, 1 to 3; unknown (0) makes the statement fail.
int position(int k) {
    if (k < 1) throw dnt::ConversionError("the month is not one of the quarter");
    return k;
}

// What the statements of one month share: the month's record, the aidant line it adds
// into, the month's place in the quarter, its amount once known and its overtime pay.
struct Month {
    dnt::SharedState& s;
    dba::Record& d;
    dnt::AidantLine& ligne;
    std::string cleMois;  // year and month of the record's key, "YYYYMM"
    int k;
    std::optional<double> a;
    bool firstHours = false;  // the line had no hours yet: hours and amount are set, not added
    dnt::Int16 somme5{0};
};

// A figure of a line: set to `initial` when empty, else `ajoute(current)`.
template <class Ajoute>
void cumuler(std::string& figure, const std::string& initial, Ajoute&& ajoute) {
    figure = figure.empty() ? initial : ajoute(figure);
}

// A figure kept in currency: the month's value set, or added to it.
void cumulerMontant(std::string& figure, Currency mois, bool premier) {
    figure = premier ? NumberToText(mois) : NumberToText(Currency::fromText(figure) + mois);
}

// A count of overtime hours or pay: set to the month's value when empty, else added to it.
void cumulerNombre(std::string& figure, dnt::Int16 mois) {
    cumuler(figure, NumberToText(mois), [&](const std::string& v) { return NumberToText(CDbl(v) + mois.value()); });
}

// The month amount: the amount itself for kind "B", else hours x the month's constant,
// rounded to cents; months before the switch were in francs.
void montantDuMois(Month& m) {
    if (m.s.RecContrat.element(30) == "B") {
        m.a = CDbl(m.d.element(7)) / 100;
    } else {
        double x = (CDbl(m.d.element(6)) / 100) * CDbl(m.s.TabConstantesPaie.element(position(m.k))) + 0.5;
        m.a = dnt::CLng(x).value() / 100.0;
    }
}
void enEuros(Month& m) {
    if (m.cleMois < m.s.W_MoisConstante9 && m.s.W_Constante9Depassee) m.a = dnt::Floor(connu(m.a) / kFrancsParEuro + 0.5);
}
void garderMontantMois(Month& m) { m.s.W_MontantMois = connu(m.a); }
void premieresHeures(Month& m) { m.firstHours = m.ligne.hours.empty(); }
void ajouterHeures(Month& m) { cumulerMontant(m.ligne.hours, dnt::CCur(CDbl(m.d.element(6)) / 100), m.firstHours); }
void ajouterBrut(Month& m) { cumulerMontant(m.ligne.gross, dnt::CCur(connu(m.a)), m.firstHours); }
void noterBase(Month& m) { m.ligne.basis = dnt::asValue(m.s.RecContrat.element(30)); }
void noterDrapeau(Month& m) { m.ligne.flag = "False"; }
void ajouterAuTotalDuMois(Month& m) {
    const int p = position(m.k);
    m.s.W_Totaux.setElement(p, NumberToText(CDbl(m.s.W_Totaux.element(p)) + connu(m.a)));
}
void ajouterHeuresExclues(Month& m) {
    const Currency montant = dnt::CCur(CDbl(m.d.element(62)) / 100);
    cumuler(m.ligne.hoursExcluded, NumberToText(montant),
            [&](const std::string& v) { return NumberToText(Currency::fromText(v) + montant); });
}
void ajouterHeuresSup125(Month& m) { cumulerNombre(m.ligne.overtime125, m.s.W_HeuresSup125); }
void ajouterHeuresSup150(Month& m) { cumulerNombre(m.ligne.overtime150, m.s.W_HeuresSup150); }
void ajouterPaieHeuresSup(Month& m) { cumulerNombre(m.ligne.overtimePay, m.somme5); }

// The statements of a month, in their order, each passed over on its own when it fails:
// the amount, then the line's hours, amount, basis and flag, the month's total and the
// excluded hours; after the overtime is computed, its three figures.
using Statement = void (*)(Month&);
constexpr Statement kMontantEtLigne[] = {montantDuMois,  enEuros,       garderMontantMois,    premieresHeures,
                                         ajouterHeures,  ajouterBrut,   noterBase,            noterDrapeau,
                                         ajouterAuTotalDuMois, ajouterHeuresExclues};
constexpr Statement kHeuresSup[] = {ajouterHeuresSup125, ajouterHeuresSup150, ajouterPaieHeuresSup};

}  // namespace

void LectureMoisDetailCalcul(dnt::SharedState& s, const dnt::Quarter& quarter, const std::string& contrat,
                             const std::string& aidant, const std::string& annee, int m) {
    // Every statement is passed over when it fails. A month whose record cannot be read is
    // skipped whatever the reason, so that the record of an earlier month is never added again.
    dnt::PassageErreurs passer(true);
    const std::string cle = contrat + annee + (m < 10 ? "0" : "") + std::to_string(m);
    dba::File& fichier = s.fichier("DETAILCALCUL");
    if (passer([&] { s.RecDetailCalcul = fichier.DBRead(cle); }) != 0) return;
    dba::Record& d = s.RecDetailCalcul;

    passer([&] { if (d.element(6).empty()) d.setElement(6, "0"); });
    passer([&] { if (d.element(7).empty()) d.setElement(7, "0"); });

    int k = 0;
    passer([&] {
        if (quarter.months()[0] == m)
            k = 1;
        else if (quarter.months()[1] == m)
            k = 2;
        else
            k = 3;
    });

    // The aidant's line: the last one when it is this aidant's, else a new one.
    bool nouvelle = false;
    passer([&] {
        nouvelle = s.W_NbAidants == NbAidants(0) || s.W_LignesAidants[s.W_NbAidants.value()].aidant != aidant;
    });
    if (nouvelle) {
        passer([&] { s.W_NbAidants = s.W_NbAidants + NbAidants(1); });
        passer([&] { s.W_LignesAidants.at(s.W_NbAidants.value()).aidant = dnt::asValue(aidant); });
    }
    const int L = s.W_NbAidants.value();
    if (L < 1) return;  // no line to add into

    Month month{s, d, s.W_LignesAidants.at(L), Mid(cle, 9, 6), k, std::nullopt};
    for (Statement statement : kMontantEtLigne) passer([&] { statement(month); });
    month.somme5 = SommeRubriquesHeuresSup(s, d);
    HeuresSupDuMois(s);
    for (Statement statement : kHeuresSup) passer([&] { statement(month); });

    // Amounts of the month's "922" codes.
    int nbCodes = 0;
    passer([&] { nbCodes = d.DCount(8); });
    for (int j = 1; j <= nbCodes; ++j) {
        if (d.element(8, j) != "922") continue;
        passer([&] {
            cumuler(month.ligne.amount922, dnt::asValue(d.element(7)), [&](const std::string& v) {
                return NumberToText(CLngText(v).value() + CDbl(d.element(7)));
            });
        });
    }
}

}  // namespace payroll
