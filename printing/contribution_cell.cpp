// MontantCotisation and CelluleCotisation: contribution amounts and their cells.
#include "printing/contribution_cell.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "printing/layout_text.h"

namespace printing {

double MontantCotisation(const std::string& brut, double taux) {
    return dnt::Floor(dnt::CDbl(brut) * taux / 100 + 0.5);
}

std::string CelluleCotisation(double montant, long w, dnt::Long32& total) {
    if (montant == 0) return Blancs(w);
    total += dnt::CLng(montant);
    return ADroite(dnt::NumberToText(montant), w);
}

}  // namespace printing
