// CelluleCotisation: the contribution cells, amounts right-aligned and totalled, or blanks.
#include "declaration/contribution_cell.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "declaration/layout_text.h"

namespace declaration {

std::string CelluleCotisation(double montant, long w, dnt::Long32& total) {
    if (montant == 0) return Blancs(w);
    total += dnt::CLng(montant);
    return ADroite(dnt::NumberToText(montant), w);
}

}  // namespace declaration
