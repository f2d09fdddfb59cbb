// CelluleCotisation, the contribution cells of an aidant block: an amount shown
// right-aligned and added to its column total, or a blank cell when it is 0.
#pragma once

#include <string>

#include "numbers/integers.h"

namespace declaration {

// The amount right-aligned in w characters, added to `total`; w blanks when it is 0.
std::string CelluleCotisation(double montant, long w, dnt::Long32& total);

}  // namespace declaration
