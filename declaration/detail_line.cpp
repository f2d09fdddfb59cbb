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


namespace {

// Prints a cell and, when the run is exported, keeps what it shows (without the padding)
// in `champ` of the line being printed.
class CellPrinter {
public:
    CellPrinter(dnt::SharedState& s, printing::Printer& p) : s_(s), p_(p) {}
    void ligne(const dba::Record& aidant) {
        if (s_.onDeclared)
            s_.currentDeclaration.lines.push_back(
                {aidant.key(), aidant.element(4) + " " + aidant.element(3), {}, {}, {}});
    }
    std::string* champ(std::string dnt::DeclaredLine::*membre) {
        if (!s_.onDeclared || s_.currentDeclaration.lines.empty()) return nullptr;
        return &(s_.currentDeclaration.lines.back().*membre);
    }
    std::string* montant(dnt::Column colonne) {
        if (!s_.onDeclared || s_.currentDeclaration.lines.empty()) return nullptr;
        return &s_.currentDeclaration.lines.back().amounts[dnt::indexOf(colonne)];
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
    CellPrinter cellules(s, p);
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
    payroll::AidantFigures f;
    payroll::AidantLineFigures(s, quarter, k, f, [&](payroll::Step step, dnt::Column colonne) {
        switch (step) {
        case payroll::Step::Hours:
            cellules.imprimer(util.FormatNombre(f.hours, 4, 2, 0), cellules.champ(&dnt::DeclaredLine::hours));
            return;
        case payroll::Step::Detail:
            // The net hourly wage, once the line is in the charge detail.
            cellules.imprimer(util.FormatNombre(f.netHourly, 5, 2, 0),
                              cellules.champ(&dnt::DeclaredLine::netHourly));
            return;
        case payroll::Step::Contribution:
            break;
        }
        const long w = dnt::kContributionColumns[dnt::indexOf(colonne)].width;
        std::string cellule;
        if (colonne == dnt::Column::Sante)
            cellule = dnt::figureCounts(f.health) ? ADroite(f.health, w) : Blancs(w);
        else
            cellule = ContributionCell(f.amount(colonne), w);
        cellules.imprimer(cellule, cellules.montant(colonne), dnt::endsItsLine(colonne));
        if (colonne != dnt::Column::Sante) return;

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
    });

    // Line D: postal code and town, then the basis of the declaration.
    p.setCurrentX(Cm(s, 0.2));
    const std::string ville = aidant.element(10) + " " + aidant.element(11);
    p.print(AGauche(ville, 47) + (base == "B" ? "REEL" : "FORFAIT"));
}

}  // namespace declaration
