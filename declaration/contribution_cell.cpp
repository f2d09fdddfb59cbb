// ContributionCell: the contribution cells, amounts right-aligned, or blanks.
#include "declaration/contribution_cell.h"

#include "numbers/numtext.h"
#include "declaration/layout_text.h"

namespace declaration {

std::string ContributionCell(double montant, long w) {
    if (montant == 0) return Blancs(w);
    return ADroite(dnt::NumberToText(montant), w);
}

}  // namespace declaration
