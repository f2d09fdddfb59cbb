// ContributionCell, the contribution cells of an aidant block: an amount shown
// right-aligned, or a blank cell when it is 0.
#pragma once

#include <string>


namespace declaration {

// The amount right-aligned in w characters; w blanks when it is 0.
std::string ContributionCell(double montant, long w);

}  // namespace declaration
