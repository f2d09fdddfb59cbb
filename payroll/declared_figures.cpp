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

void ChiffresLigneAidant(dnt::SharedState& s, const dnt::Quarter& quarter, long k, ChiffresAidant& c,
                         const std::function<void(Etape)>& pret) {
    dnt::AidantLine& ligne = s.W_LignesAidants.at(k);
    const std::string categorie = s.RecEltsPartemp.element(9);
    // Basis "F" has its two CSG rates on 98.25 % of the gross pay.
    const double diviseurCsg = ligne.basis == "F" ? 982.5 : 1000;

    const SalaireDeclare w = CalculSalaireDeclare(s, k);
    c.Heures = w.Heures;
    c.NetHoraire = w.NetHoraire;
    pret(Etape::Salaire);

    PreparerDebutsMois(s, quarter);
    c.CsgRds = MontantCotisation(w.Brut, MoyenneTaux(s, "04", diviseurCsg));
    pret(Etape::CsgRds);

    // S.SOC.: the rate of the aidé's category, less what the dated rules take off.
    const std::string cleSSoc = categorie != "00" && categorie != "01" && categorie != "02" ? "02" : "01";
    double taux = MoyenneTaux(s, cleSSoc, 1000);
    if (categorie == "00" && AbattementAvant2011(s, quarter)) taux = TauxAbattu(taux);
    const double montant = MontantCotisation(w.Brut, taux);
    double deduction = 0;
    if (DeductionHoraireEnVigueur(s, quarter) && !ligne.hours.empty())
        deduction = DeductionHoraireLigne(s, ligne.hours, ligne.hoursExcluded);
    c.SSoc = montant - deduction;
    pret(Etape::SSoc);

    c.Retr = MontantCotisation(w.Brut, MoyenneTaux(s, "06", 1000));
    pret(Etape::Retr);
    c.Sante = ligne.amount922;
    pret(Etape::Sante);

    // The aidant joins the aidé's charge detail when the line has an aidant and hours.
    const std::string heures = ligne.hours;
    if (!ligne.aidant.empty() && !heures.empty() && CDbl(heures) != 0) {
        dba::Record& detail = s.RecDetailChgPartemp;
        c.AuDetail = true;
        c.SalaireCentimes = NumberToText(CDbl(w.NetHoraire) * 100);
        detail.Replace(2, -1, 0, s.RecAidant.key());
        detail.Replace(3, -1, 0, c.Heures);
        detail.Replace(4, -1, 0, c.SalaireCentimes);
        if (DeductionHoraireEnVigueur(s, quarter) && !ligne.hoursExcluded.empty()) {
            ligne.hoursExcluded = NumberToText(dnt::Floor(CDbl(ligne.hoursExcluded)));
            c.HeuresExclues = ligne.hoursExcluded;
            detail.Replace(14, -1, 0, c.HeuresExclues);
        }
    }
    pret(Etape::Detail);

    c.CsgDe = MontantCotisation(w.Brut, MoyenneTaux(s, "03", diviseurCsg));
    pret(Etape::CsgDe);
    c.FProf = MontantCotisation(w.Brut, MoyenneTaux(s, "05", 1000));
    pret(Etape::FProf);
    c.Prevoy = MontantCotisation(w.Brut, MoyenneTaux(s, "08", 1000));
    pret(Etape::Prevoy);
    c.Assed = MontantCotisation(w.Brut, MoyenneTaux(s, "07", 1000));
    pret(Etape::Assed);
    s.TabDebutsMois = dba::DynArray();
}

}  // namespace payroll
