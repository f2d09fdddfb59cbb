// The block of one aidant inside the employee frame: identification, hours, net hourly
// wage and the eight contribution amounts under their column titles, the aidant's name,
// address and basis; the amounts go into the column totals and the aidant into the aidé's
// charge-detail record.
#include "numbers/numtext.h"
#include "common/procs.h"
#include "numbers/rounding.h"
#include "payroll/dated_rules.h"
#include "payroll/payroll.h"
#include "printing/average_rate.h"
#include "printing/contribution_cell.h"
#include "printing/declaration.h"
#include "printing/declared_wage.h"
#include "printing/layout_text.h"
#include "printing/numeric_value.h"
#include "printing/page_units.h"
#include "printing/printer.h"
#include "printing/utility_object.h"

namespace printing {

using dnt::CDbl;
using dnt::NumberToText;

namespace {

// Prints a cell and, when the run is exported, keeps what it shows (without the padding)
// in `champ` of the line being printed.
class Cellules {
public:
    Cellules(dnt::SharedState& s, Printer& p) : s_(s), p_(p) {}
    void ligne(const dba::Record& aidant) {
        if (s_.Declaree)
            s_.DeclarationCourante.lignes.push_back({aidant.key(), aidant.element(4) + " " + aidant.element(3), {}, {}, {}});
    }
    std::string* champ(std::string dnt::LigneDeclaree::*membre) {
        if (!s_.Declaree || s_.DeclarationCourante.lignes.empty()) return nullptr;
        return &(s_.DeclarationCourante.lignes.back().*membre);
    }
    std::string* montant(int colonne) {
        if (!s_.Declaree || s_.DeclarationCourante.lignes.empty()) return nullptr;
        return &s_.DeclarationCourante.lignes.back().montants[static_cast<size_t>(colonne)];
    }
    void imprimer(const std::string& cellule, std::string* champ, bool finDeLigne = false) {
        if (finDeLigne) p_.print(cellule);
        else p_.printNoNewline(cellule);
        if (champ) {
            const size_t debut = cellule.find_first_not_of(' ');
            *champ = debut == std::string::npos ? std::string() : cellule.substr(debut, cellule.find_last_not_of(' ') - debut + 1);
        }
    }

private:
    dnt::SharedState& s_;
    Printer& p_;
};

}  // namespace

void Imprime_Detail_Aidant(dnt::SharedState& s, long k) {
    Printer& p = *s.Imprimante;
    const dba::Utilitaire& util = Utilitaire();
    const int ligne = static_cast<int>(k);
    auto L = [&](int v) { return s.W_LignesAidants.element(ligne, v); };
    const dba::Record& aidant = s.RecAidant;
    const std::string categorie = s.RecEltsPartemp.element(9);
    const bool forfait = L(4) == "F";
    Cellules cellules(s, p);
    cellules.ligne(aidant);

    // Line A: identification, column D, hours, CSG RDS, S.SOC., RETR., SANTE.
    p.setCurrentX(Cm(s, 0.2));
    if (Val(aidant.element(17)) != 0)
        p.printNoNewline(aidant.element(17) + " " + aidant.element(18) + Blancs(23));
    else
        p.printNoNewline(Blancs(44));
    if (!s.RecContrat.bound())
        p.printNoNewline(" ");
    else
        p.printNoNewline(payroll::ComprisDansTrimestre(s, s.RecContrat.element(8)) ? "D" : " ");
    p.printNoNewline(Blancs(2));

    SalaireDeclare w = CalculSalaireDeclare(s, k);
    cellules.imprimer(util.FormatNombre(w.Heures, 4, 2, 0), cellules.champ(&dnt::LigneDeclaree::heures));

    PreparerDebutsMois(s);

    double taux = MoyenneTaux(s, "04", forfait ? 982.5 : 1000);
    cellules.imprimer(CelluleCotisation(MontantCotisation(w.Brut, taux), 7, s.W_TotalCsgRds), cellules.montant(0));

    const std::string cleSSoc = categorie != "00" && categorie != "01" && categorie != "02" ? "02" : "01";
    taux = MoyenneTaux(s, cleSSoc, 1000);
    if (categorie == "00" && payroll::AbattementAvant2011(s)) taux = payroll::TauxAbattu(taux);
    const double montant = MontantCotisation(w.Brut, taux);
    double deduction = 0;
    if (payroll::DeductionHoraireEnVigueur(s) && !L(2).empty())
        deduction = payroll::DeductionHoraireLigne(s, L(2), L(6));
    cellules.imprimer(CelluleCotisation(montant - deduction, 8, s.W_TotalSSoc), cellules.montant(1));

    taux = MoyenneTaux(s, "06", 1000);
    cellules.imprimer(CelluleCotisation(MontantCotisation(w.Brut, taux), 7, s.W_TotalRetr), cellules.montant(2));

    const std::string sante = L(10);
    if (!sante.empty() && CDbl(sante) != 0) {
        s.W_TotalSante = dnt::CLng(s.W_TotalSante.value() + CDbl(sante));
        cellules.imprimer(ADroite(sante, 7), cellules.montant(3), true);
    } else {
        cellules.imprimer(Blancs(7), cellules.montant(3), true);
    }

    // Line B: name, cut to 30 characters, then the first 11 characters of field 2.
    p.setCurrentX(Cm(s, 0.2));
    const std::string nom = aidant.element(4) + " " + aidant.element(3);
    if (Longueur(nom) > 30)
        p.print(Gauche(nom, 30) + " " + Gauche(aidant.element(2), 11));
    else
        p.print(nom + Blancs(31 - Longueur(nom)) + Gauche(aidant.element(2), 11));

    // Line C: address, NET, CSG.DE, F.PROF, PREVOY, ASSED.
    p.setCurrentX(Cm(s, 0.2));
    std::string adresse = dnt::MiseEnFormeAdresse(aidant, 5);
    if (adresse.empty() && !aidant.element(9).empty()) adresse = aidant.element(9);
    p.printNoNewline(adresse.empty() ? Blancs(46) : AGauche(adresse, 46));

    // The aidant joins the aidé's charge detail: code, hours, hourly wage in cents, and the
    // whole hours left out of the deduction.
    const std::string heures = L(2);
    if (!L(1).empty() && !heures.empty() && CDbl(heures) != 0) {
        dba::Record& detail = s.RecDetailChgPartemp;
        detail.Replace(2, -1, 0, aidant.key());
        detail.Replace(3, -1, 0, w.Heures);
        detail.Replace(4, -1, 0, NumberToText(CDbl(w.NetHoraire) * 100));
        if (payroll::DeductionHoraireEnVigueur(s) && !L(6).empty()) {
            s.W_LignesAidants.Replace(ligne, 6, 0, NumberToText(dnt::Floor(CDbl(L(6)))));
            detail.Replace(14, -1, 0, L(6));
        }
    }

    cellules.imprimer(util.FormatNombre(w.NetHoraire, 5, 2, 0), cellules.champ(&dnt::LigneDeclaree::netHoraire));
    taux = MoyenneTaux(s, "03", forfait ? 982.5 : 1000);
    cellules.imprimer(CelluleCotisation(MontantCotisation(w.Brut, taux), 7, s.W_TotalCsgDe), cellules.montant(4));
    taux = MoyenneTaux(s, "05", 1000);
    cellules.imprimer(CelluleCotisation(MontantCotisation(w.Brut, taux), 8, s.W_TotalFProf), cellules.montant(5));
    taux = MoyenneTaux(s, "08", 1000);
    cellules.imprimer(CelluleCotisation(MontantCotisation(w.Brut, taux), 7, s.W_TotalPrevoy), cellules.montant(6));
    taux = MoyenneTaux(s, "07", 1000);
    cellules.imprimer(CelluleCotisation(MontantCotisation(w.Brut, taux), 7, s.W_TotalAssed), cellules.montant(7), true);

    // Line D: postal code and town, then the basis of the declaration.
    s.TabDebutsMois = dba::DynArray();
    p.setCurrentX(Cm(s, 0.2));
    const std::string ville = aidant.element(10) + " " + aidant.element(11);
    p.print(AGauche(ville, 47) + (L(4) == "B" ? "REEL" : "FORFAIT"));
}

}  // namespace printing
