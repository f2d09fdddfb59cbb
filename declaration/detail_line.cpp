// Imprime_Detail_Aidant: the block of one aidant inside the employee frame: identification, hours, net hourly
// wage and the eight contribution amounts under their column titles, the aidant's name,
// address and basis. The figures come from the payroll computation, each printed as soon
// as it is computed; the amounts go into the column totals.
#include "numbers/numtext.h"
#include "common/procs.h"
#include "payroll/declared_figures.h"
#include "payroll/payroll.h"
#include "declaration/contribution_cell.h"
#include "declaration/declaration.h"
#include "declaration/layout_text.h"
#include "declaration/numeric_value.h"
#include "declaration/page_units.h"
#include "printing/printer.h"
#include "declaration/utility_object.h"

namespace declaration {

using dnt::CDbl;
using payroll::Etape;

namespace {

// Prints a cell and, when the run is exported, keeps what it shows (without the padding)
// in `champ` of the line being printed.
class Cellules {
public:
    Cellules(dnt::SharedState& s, printing::Printer& p) : s_(s), p_(p) {}
    void ligne(const dba::Record& aidant) {
        if (s_.Declaree)
            s_.DeclarationCourante.lignes.push_back(
                {aidant.key(), aidant.element(4) + " " + aidant.element(3), {}, {}, {}});
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
            *champ = debut == std::string::npos
                         ? std::string()
                         : cellule.substr(debut, cellule.find_last_not_of(' ') - debut + 1);
        }
    }

private:
    dnt::SharedState& s_;
    printing::Printer& p_;
};

}  // namespace

void Imprime_Detail_Aidant(dnt::SharedState& s, const dnt::Quarter& quarter, long k) {
    printing::Printer& p = *s.Imprimante;
    const dba::Utilitaire& util = Utilitaire();
    const dba::Record& aidant = s.RecAidant;
    const std::string base = s.W_LignesAidants[k].basis;
    Cellules cellules(s, p);
    cellules.ligne(aidant);

    // Line A: identification and column D, then hours, CSG RDS, S.SOC., RETR., SANTE.
    p.setCurrentX(Cm(s, 0.2));
    if (Val(aidant.element(17)) != 0)
        p.printNoNewline(aidant.element(17) + " " + aidant.element(18) + Blancs(23));
    else
        p.printNoNewline(Blancs(44));
    if (!s.RecContrat.bound())
        p.printNoNewline(" ");
    else
        p.printNoNewline(payroll::ComprisDansTrimestre(quarter, s.RecContrat.element(8)) ? "D" : " ");
    p.printNoNewline(Blancs(2));

    // Each figure is laid out as soon as it is computed: when a rate cannot be read, the
    // cells before it are printed and the error goes on to the print loop.
    payroll::ChiffresAidant c;
    auto cotisation = [&](double montant, long w, dnt::Long32& total, int colonne, bool finDeLigne = false) {
        cellules.imprimer(CelluleCotisation(montant, w, total), cellules.montant(colonne), finDeLigne);
    };
    payroll::ChiffresLigneAidant(s, quarter, k, c, [&](Etape etape) {
        switch (etape) {
        case Etape::Salaire:
            cellules.imprimer(util.FormatNombre(c.Heures, 4, 2, 0), cellules.champ(&dnt::LigneDeclaree::heures));
            break;
        case Etape::CsgRds: cotisation(c.CsgRds, 7, s.W_TotalCsgRds, 0); break;
        case Etape::SSoc: cotisation(c.SSoc, 8, s.W_TotalSSoc, 1); break;
        case Etape::Retr: cotisation(c.Retr, 7, s.W_TotalRetr, 2); break;
        case Etape::Sante: {
            if (!c.Sante.empty() && CDbl(c.Sante) != 0) {
                s.W_TotalSante = dnt::CLng(s.W_TotalSante.value() + CDbl(c.Sante));
                cellules.imprimer(ADroite(c.Sante, 7), cellules.montant(3), true);
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

            // Line C: address, then NET, CSG.DE, F.PROF, PREVOY, ASSED.
            p.setCurrentX(Cm(s, 0.2));
            std::string adresse = dnt::MiseEnFormeAdresse(aidant, 5);
            if (adresse.empty() && !aidant.element(9).empty()) adresse = aidant.element(9);
            p.printNoNewline(adresse.empty() ? Blancs(46) : AGauche(adresse, 46));
            break;
        }
        case Etape::Detail:
            // The net hourly wage, once the line is in the charge detail.
            cellules.imprimer(util.FormatNombre(c.NetHoraire, 5, 2, 0),
                              cellules.champ(&dnt::LigneDeclaree::netHoraire));
            break;
        case Etape::CsgDe: cotisation(c.CsgDe, 7, s.W_TotalCsgDe, 4); break;
        case Etape::FProf: cotisation(c.FProf, 8, s.W_TotalFProf, 5); break;
        case Etape::Prevoy: cotisation(c.Prevoy, 7, s.W_TotalPrevoy, 6); break;
        case Etape::Assed: cotisation(c.Assed, 7, s.W_TotalAssed, 7, true); break;
        }
    });

    // Line D: postal code and town, then the basis of the declaration.
    p.setCurrentX(Cm(s, 0.2));
    const std::string ville = aidant.element(10) + " " + aidant.element(11);
    p.print(AGauche(ville, 47) + (base == "B" ? "REEL" : "FORFAIT"));
}

}  // namespace declaration
