// Imprime_Entete_Cadre and Imprime_Fin_Cadre, the employee frame of a declaration page: its
// header box with the two lines of column titles, and the closing of its body at the bottom
// of the usable page.
#include "declaration/declaration.h"
#include "declaration/layout_text.h"
#include "declaration/page_units.h"
#include "printing/printer.h"

namespace declaration {

namespace {
// The vertical lines between the seven columns, in cm.
constexpr double kSeparateurs[] = {10.4, 11.1, 12.9, 14.8, 16.5, 18.3};

// The titles of one line's four contribution columns, from column `premiere` of the table,
// each after its blanks; the last ends the line.
void TitresColonnes(printing::Printer& p, std::size_t premiere) {
    for (std::size_t i = premiere; i < premiere + dnt::kColumnsPerLine; ++i) {
        const dnt::ContributionColumn& c = dnt::kContributionColumns[i];
        p.printNoNewline(Blancs(c.blanksBefore));
        if (dnt::endsItsLine(c.column)) p.print(c.title);
        else p.printNoNewline(c.title);
    }
}

}  // namespace

void Imprime_Entete_Cadre(dnt::SharedState& s) {
    printing::Printer& p = *s.Imprimante;
    p.setCurrentX(Cm(s, 0.2));
    p.setCurrentY(Cm(s, 8.7));
    p.printNoNewline("IDENTIFICATION DES PERSONNES EMPLOYEES");
    p.printNoNewline(Blancs(7));
    p.printNoNewline("D");
    p.printNoNewline(Blancs(2));
    p.printNoNewline("HEURES");
    TitresColonnes(p, 0);

    p.setCurrentX(Cm(s, 0.2));
    p.printNoNewline(Blancs(49));
    p.printNoNewline("NET");
    TitresColonnes(p, dnt::kColumnsPerLine);

    p.setDrawWidth(3);
    p.line(0, Cm(s, 8.5), Cm(s, 20), Cm(s, 8.5));
    p.line(0, Cm(s, 9.7), Cm(s, 20), Cm(s, 9.7));
    p.line(0, Cm(s, 8.5), 0, Cm(s, 9.7));
    p.line(Cm(s, 20), Cm(s, 8.5), Cm(s, 20), Cm(s, 9.7));
    for (double x : kSeparateurs) p.line(Cm(s, x), Cm(s, 8.5), Cm(s, x), Cm(s, 9.7));
    p.print(" ");
}

void Imprime_Fin_Cadre(dnt::SharedState& s) {
    printing::Printer& p = *s.Imprimante;
    p.setDrawWidth(3);
    p.line(0, Cm(s, 9.7), 0, Cm(s, 20.2));
    p.line(Cm(s, 20), Cm(s, 9.7), Cm(s, 20), Cm(s, 20.2));
    p.line(0, Cm(s, 20.2), Cm(s, 20), Cm(s, 20.2));
    for (double x : kSeparateurs) p.line(Cm(s, x), Cm(s, 9.7), Cm(s, x), Cm(s, 20.2));
    p.print(" ");
}

}  // namespace declaration
