// ImprimeLignesAidants, the aidant lines of one aidé's declaration: the contract of each
// line found with the row cursor, a new page with its header and frame when needed, the
// detail block, and a ruled line or the frame's closing between blocks.
#include "numbers/integers.h"
#include "declaration/declaration.h"
#include "declaration/layout_text.h"
#include "declaration/page_units.h"
#include "declaration/print_loop_steps.h"
#include "printing/printer.h"

namespace declaration {

namespace {

// Value v of row `ligne` of the selection; nothing outside its rows.
std::string Rangee(const dba::DynArray& Tableau, long ligne, int v) {
    if (ligne < 1 || ligne > Tableau.DCount()) return {};
    return Tableau.element(static_cast<int>(ligne), v);
}

// Moves the cursor forward to the first row of aidé A. The search ends at the last row: a
// cursor that has already gone past the aidé's rows (the contracts of one aidant running on
// from one aidé into the next) is left where it stood, for the next aidés to be found.
void CurseurSurAide(dnt::SharedState& s, const dba::DynArray& Tableau, const std::string& A) {
    const long n = Tableau.DCount();
    long c = s.W_IndiceTableau;
    while (c <= n && (c < 1 || Rangee(Tableau, c, 2) != A)) ++c;
    if (c <= n) s.W_IndiceTableau = c;
}

}  // namespace

void ImprimeLignesAidants(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, const std::string& A,
                          PassageErreurs& passer) {
    printing::Printer& p = *s.Imprimante;
    const long n = Tableau.DCount();
    s.PageCommencee = false;
    passer([&] { CurseurSurAide(s, Tableau, A); });

    const long lignes = s.W_NbAidants.value();
    for (long j = 1; j <= lignes; ++j) {
        const std::string aidant = s.W_LignesAidants[j].aidant;

        // The first of the aidant's adjacent rows gives the contract of the line; the cursor
        // then passes over them, never beyond the last row.
        const long c = s.W_IndiceTableau;
        if (c >= 1 && c <= n && Gauche(Rangee(Tableau, c, 1), 5) == aidant) {
            LireEnregistrement(s, passer, s.RecContrat, "CONTRAT", Rangee(Tableau, c, 1));
            while (s.W_IndiceTableau <= n && Gauche(Rangee(Tableau, s.W_IndiceTableau, 1), 5) == aidant)
                ++s.W_IndiceTableau;
        }

        LireEnregistrement(s, passer, s.RecAidant, "CIVILAIDANT", aidant);

        // A page that begins with the sixth line shows the aidé's second URSSAF number.
        s.NumAffil1 = true;
        if (j == 6 && !s.RecEltsPartemp.element(3).empty()) s.NumAffil1 = false;

        if (!s.PageCommencee) {
            if (!s.PremierePage) {
                passer([&] { s.CommandeImprimante("NEWPAGE"); });
                passer([&] { p.newPage(); });
            }
            s.PremierePage = false;
            passer([&] { ImpEnteteDetail(s, quarter, s.NumAffil1); });
            passer([&] { Imprime_Entete_Cadre(s); });
            s.PageCommencee = true;
        }

        passer([&] { Imprime_Detail_Aidant(s, quarter, j); });

        // Between two blocks: close the frame when another block would pass the usable page,
        // else rule a line and leave one empty line.
        if (j != lignes) {
            passer([&] {
                const double y = dnt::CLng(p.currentY()).value();
                if (y + Cm(s, 2.2) > Cm(s, 20.2)) {
                    passer([&] { Imprime_Fin_Cadre(s); });
                    s.PageCommencee = false;
                } else {
                    p.setDrawWidth(3);
                    p.line(0, y, Cm(s, 20), y);
                    p.print(" ");
                }
            });
        }
    }
}

}  // namespace declaration
