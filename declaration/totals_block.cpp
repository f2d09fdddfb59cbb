// Imprime_Bas_Page, the foot of a detailed declaration below the closed employee frame: the
// column totals, the adjustment, the amounts due (CalculMontantsDus) and the net amount to
// pay in their ruled boxes, then the payment paragraph.
#include "numbers/numtext.h"
#include "payroll/payroll.h"
#include "declaration/declaration.h"
#include "declaration/layout_text.h"
#include "declaration/page_units.h"
#include "declaration/payment_paragraph.h"
#include "printing/printer.h"

namespace declaration {

using dnt::Long32;

namespace {

std::string Large(Long32 n, long w) { return ADroite(dnt::NumberToText(n), w); }

// Field f of the charge-detail record as a whole number; an empty field counts as absent.
Long32 Champ(const dba::Record& rec, int f) {
    const std::string t = rec.element(f);
    return t.empty() ? Long32(0) : dnt::CLngText(t);
}

}  // namespace

MontantsDus CalculMontantsDus(const dnt::SharedState& s) {
    const dba::Record& detail = s.RecDetailChgPartemp;
    MontantsDus m;
    const dnt::ContributionTotals& t = s.columnTotals;
    using dnt::Column;
    m.A = t[Column::CsgRds] + t[Column::CsgDe] + t[Column::SSoc] + t[Column::FProf];
    m.B = t[Column::Retr] + t[Column::Prevoy] + t[Column::Assed] + t[Column::Sante];
    m.S = m.A + m.B;
    Long32 declare(0);
    for (int f = 6; f <= 13; ++f) declare += Champ(detail, f);
    declare += Champ(detail, 17);
    m.X = declare - m.S - s.W_RegulInitiale - Champ(detail, 5);
    return m;
}

void Imprime_Bas_Page(dnt::SharedState& s, const dnt::Quarter& quarter) {
    printing::Printer& p = *s.Imprimante;

    // Column totals, each ending under its title.
    p.setFontBold(true);
    std::string ligneA = Blancs(45) + "TOTAUX : ", ligneC = Blancs(54);
    for (const dnt::ContributionColumn& c : dnt::kContributionColumns)
        (dnt::indexOf(c.column) < dnt::kColumnsPerLine ? ligneA : ligneC) += Large(s.columnTotals[c.column], c.width);
    p.print(ligneA);
    p.print(ligneC);
    p.setFontBold(false);

    p.setDrawWidth(3);
    for (double x : {12.9, 14.8, 16.5, 18.3, 20.0}) p.line(Cm(s, x), Cm(s, 20.2), Cm(s, x), Cm(s, 21.6));
    p.line(Cm(s, 12.9), Cm(s, 21.6), Cm(s, 20), Cm(s, 21.6));
    p.print(" ");

    const MontantsDus m = CalculMontantsDus(s);
    const Long32 A = m.A, B = m.B, S = m.S, X = m.X;
    p.setFontBold(true);
    p.print(Blancs(36) + "AJOUTER/DEDUIRE : " + (X == Long32(0) ? Blancs(10) : Large(X, 10)));
    p.print(Blancs(39) + "MONTANTS DUS : " + Blancs(6) + dnt::NumberToText(A) + Blancs(10) + dnt::NumberToText(B));
    p.print(" ");
    p.print(Blancs(40) + "NET A PAYER : " + Blancs(14) + dnt::NumberToText(S + X));
    p.setFontBold(false);

    p.setDrawWidth(3);
    p.line(Cm(s, 12.9), Cm(s, 21.6), Cm(s, 12.9), Cm(s, 23.9));
    p.line(Cm(s, 16.5), Cm(s, 21.6), Cm(s, 16.5), Cm(s, 22.9));
    p.line(Cm(s, 20), Cm(s, 21.6), Cm(s, 20), Cm(s, 23.9));
    p.line(Cm(s, 12.9), Cm(s, 22.9), Cm(s, 20), Cm(s, 22.9));
    p.line(Cm(s, 12.9), Cm(s, 23.9), Cm(s, 20), Cm(s, 23.9));
    p.print(" ");

    ImprimeParagrapheReglement(s, quarter);
}

}  // namespace declaration
