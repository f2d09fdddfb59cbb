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

// A figure of a line: set to `initial` when empty, else `ajoute(current)`.
template <class Ajoute>
void cumuler(std::string& figure, const std::string& initial, Ajoute&& ajoute) {
    figure = figure.empty() ? initial : ajoute(figure);
}

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
    const std::string cleMois = Mid(cle, 9, 6);

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
    dnt::AidantLine& ligne = s.W_LignesAidants.at(L);

    // The month amount: the amount itself for kind "B", else hours x the month's constant,
    // rounded to cents; months before the switch were in francs.
    std::optional<double> a;
    passer([&] {
        if (s.RecContrat.element(30) == "B") {
            a = CDbl(d.element(7)) / 100;
        } else {
            double x = (CDbl(d.element(6)) / 100) * CDbl(s.TabConstantesPaie.element(position(k))) + 0.5;
            a = dnt::CLng(x).value() / 100.0;
        }
    });
    passer([&] {
        if (cleMois < s.W_MoisConstante9 && s.W_Constante9Depassee) a = dnt::Floor(connu(a) / kFrancsParEuro + 0.5);
    });
    passer([&] { s.W_MontantMois = connu(a); });

    // Hours and amount, in currency.
    bool heuresVides = false;
    passer([&] { heuresVides = ligne.hours.empty(); });
    if (heuresVides) {
        passer([&] { ligne.hours = NumberToText(dnt::CCur(CDbl(d.element(6)) / 100)); });
        passer([&] { ligne.gross = NumberToText(dnt::CCur(connu(a))); });
    } else {
        passer([&] { ligne.hours = NumberToText(Currency::fromText(ligne.hours) + dnt::CCur(CDbl(d.element(6)) / 100)); });
        passer([&] { ligne.gross = NumberToText(Currency::fromText(ligne.gross) + dnt::CCur(connu(a))); });
    }

    passer([&] { ligne.basis = dnt::asValue(s.RecContrat.element(30)); });
    passer([&] { ligne.flag = "False"; });

    passer([&] {
        int p = position(k);
        s.W_Totaux.setElement(p, NumberToText(CDbl(s.W_Totaux.element(p)) + connu(a)));
    });

    passer([&] {
        Currency montant = dnt::CCur(CDbl(d.element(62)) / 100);
        cumuler(ligne.hoursExcluded, NumberToText(montant),
                [&](const std::string& v) { return NumberToText(Currency::fromText(v) + montant); });
    });

    // Overtime.
    dnt::Int16 somme5 = SommeRubriquesHeuresSup(s, d);
    HeuresSupDuMois(s);
    passer([&] {
        cumuler(ligne.overtime125, NumberToText(s.W_HeuresSup125),
                [&](const std::string& v) { return NumberToText(CDbl(v) + s.W_HeuresSup125.value()); });
    });
    passer([&] {
        cumuler(ligne.overtime150, NumberToText(s.W_HeuresSup150),
                [&](const std::string& v) { return NumberToText(CDbl(v) + s.W_HeuresSup150.value()); });
    });
    passer([&] {
        cumuler(ligne.overtimePay, NumberToText(somme5),
                [&](const std::string& v) { return NumberToText(CDbl(v) + somme5.value()); });
    });

    // Amounts of the month's "922" codes.
    int nbCodes = 0;
    passer([&] { nbCodes = d.DCount(8); });
    for (int j = 1; j <= nbCodes; ++j) {
        if (d.element(8, j) != "922") continue;
        passer([&] {
            cumuler(ligne.amount922, dnt::asValue(d.element(7)), [&](const std::string& v) {
                return NumberToText(CLngText(v).value() + CDbl(d.element(7)));
            });
        });
    }
}

}  // namespace payroll
