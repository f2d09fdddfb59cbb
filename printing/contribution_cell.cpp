// CelluleCotisation: the contribution cells, amounts right-aligned and totalled, or blanks.
#include "printing/contribution_cell.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "printing/layout_text.h"

namespace printing {

std::string CelluleCotisation(double montant, long w, dnt::Long32& total) {
    if (montant == 0) return Blancs(w);
    total += dnt::CLng(montant);
    return ADroite(dnt::NumberToText(montant), w);
}

}  // namespace printing
