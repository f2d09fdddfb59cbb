// CalculSalaireDeclare, the hours and net hourly wage of an aidant line: gross less the
// employee contributions, divided by the hours, held at least at the minimum wage,
// recomputed above the threshold.
#include "payroll/declared_wage.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"

namespace payroll {

using dnt::CDbl;
using dnt::Floor;
using dnt::NumberToText;

namespace {

// To cents: Int(x × 100 + 1/2) / 100.
double AuCentime(double x) { return Floor(x * 100 + 0.5) / 100; }

// A number of the record as a double, an empty text counting as 0.
double Nombre(const std::string& text) { return text.empty() ? 0 : CDbl(text); }

}  // namespace

SalaireDeclare CalculSalaireDeclare(dnt::SharedState& s, long k) {
    const dnt::AidantLine& ligne = s.W_LignesAidants[k];
    const std::string heuresLigne = ligne.hours;
    const std::string brutLigne = ligne.gross;

    // The same choice as the calculation details make from the contract kind.
    if (ligne.basis == "F") {
        s.W_ValeurConstante = s.W_ValeurReduiteBis;
        s.W_TauxLigne = s.W_TauxCentreBis;
    } else {
        s.W_ValeurConstante = s.W_ValeurReduite;
        s.W_TauxLigne = s.W_TauxCentre;
    }

    SalaireDeclare w;
    // Hours: the whole hours of the line; a line without hours counts one when it has pay.
    if (Nombre(heuresLigne) == 0)
        w.Heures = Nombre(brutLigne) == 0 ? "0" : "1";
    else
        w.Heures = NumberToText(Floor(CDbl(heuresLigne)));

    // Net pay: the contributions in double precision, written as text, then taken from the
    // gross pay in currency.
    w.Brut = brutLigne.empty() ? "0" : brutLigne;
    const std::string cotisations = NumberToText((CDbl(w.Brut) * s.W_TauxLigne) / 100);
    w.NetTotal = NumberToText(dnt::Currency::fromText(w.Brut) - dnt::Currency::fromText(cotisations));
    w.NetCopie = w.NetTotal;

    // Net hourly wage.
    if (CDbl(w.Heures) != 0) {
        w.NetHoraire = NumberToText(CDbl(w.NetTotal) / CDbl(w.Heures));
    } else {
        w.NetHoraire = w.NetTotal;
        if (!(CDbl(w.Brut) == 0 || CDbl(w.NetTotal) == 0)) w.Heures = "1";
    }
    w.NetHoraire = NumberToText(AuCentime(CDbl(w.NetHoraire)));

    // Below the minimum: the minimum is declared, and the hours that it pays.
    const double minimum = s.W_ValeurConstante;
    if (CDbl(w.NetHoraire) != 0 && CDbl(w.NetHoraire) < minimum) {
        w.NetHoraire = NumberToText(minimum);
        // A minimum of 0 cannot divide: the hours stay as they are.
        if (minimum != 0) {
            w.Heures = NumberToText(AuCentime(CDbl(w.NetCopie) / minimum));
            if (CDbl(w.Heures) == 0) w.Heures = "1";
        }
    }

    // At or above the upper threshold: the hours are the net pay at the minimum wage, cut,
    // and the wage is the net pay shared over them. Without a minimum, nothing changes; when
    // the hours come out at 0, one hour is declared at the whole net pay.
    if (CDbl(w.NetHoraire) >= s.W_Valeur1Reduite && minimum != 0) {
        w.NetCopie = NumberToText(AuCentime(CDbl(w.NetCopie)));
        w.Heures = NumberToText(Floor(CDbl(w.NetCopie) / minimum));
        if (CDbl(w.Heures) != 0) {
            w.NetHoraire = NumberToText(AuCentime(CDbl(w.NetCopie) / CDbl(w.Heures)));
        } else {
            w.Heures = "1";
            w.NetHoraire = w.NetCopie;
        }
    }
    return w;
}

}  // namespace payroll
