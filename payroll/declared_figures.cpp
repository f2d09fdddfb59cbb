// The figures of an aidant line: hours and wage, then the contributions at the quarter
// averages of their rates, with the charge-detail values appended between the two lines
// of amounts.
#include "payroll/declared_figures.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/average_rate.h"
#include "payroll/dated_rules.h"
#include "payroll/declared_wage.h"

namespace payroll {

using dnt::CDbl;
using dnt::NumberToText;

namespace {

// Int(gross × rate / 100 + 1/2), the rate a percentage.
double MontantCotisation(const std::string& brut, double taux) { return dnt::Floor(CDbl(brut) * taux / 100 + 0.5); }

}  // namespace

void AidantLineFigures(dnt::SharedState& s, const dnt::Quarter& quarter, long k, AidantFigures& f,
                       const std::function<void(Step, dnt::Column)>& ready) {
    using dnt::Column;
    dnt::AidantLine& ligne = s.W_LignesAidants.at(k);
    const std::string categorie = s.RecEltsPartemp.element(9);
    // Basis "F" has its two CSG rates on 98.25 % of the gross pay.
    const double diviseurCsg = ligne.basis == "F" ? 982.5 : 1000;

    const SalaireDeclare w = CalculSalaireDeclare(s, k);
    f.hours = w.Heures;
    f.netHourly = w.NetHoraire;
    ready(Step::Hours, Column::CsgRds);

    // A contribution in its column, totalled, then told.
    auto contribution = [&](Column c, double amount) {
        f.amounts[dnt::indexOf(c)] = amount;
        s.columnTotals.add(c, amount);
        ready(Step::Contribution, c);
    };

    PreparerDebutsMois(s, quarter);
    contribution(Column::CsgRds, MontantCotisation(w.Brut, MoyenneTaux(s, "04", diviseurCsg)));

    // S.SOC.: the rate of the aidé's category, less what the dated rules take off.
    const std::string cleSSoc = categorie != "00" && categorie != "01" && categorie != "02" ? "02" : "01";
    double taux = MoyenneTaux(s, cleSSoc, 1000);
    if (categorie == "00" && AbattementAvant2011(s, quarter)) taux = TauxAbattu(taux);
    const double montant = MontantCotisation(w.Brut, taux);
    double deduction = 0;
    if (DeductionHoraireEnVigueur(s, quarter) && !ligne.hours.empty())
        deduction = DeductionHoraireLigne(s, ligne.hours, ligne.hoursExcluded);
    contribution(Column::SSoc, montant - deduction);

    contribution(Column::Retr, MontantCotisation(w.Brut, MoyenneTaux(s, "06", 1000)));
    f.health = ligne.amount922;
    s.columnTotals.addText(Column::Sante, f.health);
    ready(Step::Contribution, Column::Sante);

    // The aidant joins the aidé's charge detail when the line has an aidant and hours.
    const std::string heures = ligne.hours;
    if (!ligne.aidant.empty() && !heures.empty() && CDbl(heures) != 0) {
        dba::Record& detail = s.RecDetailChgPartemp;
        f.inDetail = true;
        f.wageCents = NumberToText(CDbl(w.NetHoraire) * 100);
        detail.Replace(2, -1, 0, s.RecAidant.key());
        detail.Replace(3, -1, 0, f.hours);
        detail.Replace(4, -1, 0, f.wageCents);
        if (DeductionHoraireEnVigueur(s, quarter) && !ligne.hoursExcluded.empty()) {
            ligne.hoursExcluded = NumberToText(dnt::Floor(CDbl(ligne.hoursExcluded)));
            f.hoursExcluded = ligne.hoursExcluded;
            detail.Replace(14, -1, 0, f.hoursExcluded);
        }
    }
    ready(Step::Detail, Column::CsgDe);

    contribution(Column::CsgDe, MontantCotisation(w.Brut, MoyenneTaux(s, "03", diviseurCsg)));
    contribution(Column::FProf, MontantCotisation(w.Brut, MoyenneTaux(s, "05", 1000)));
    contribution(Column::Prevoy, MontantCotisation(w.Brut, MoyenneTaux(s, "08", 1000)));
    contribution(Column::Assed, MontantCotisation(w.Brut, MoyenneTaux(s, "07", 1000)));
    s.TabDebutsMois = dba::DynArray();
}

}  // namespace payroll
