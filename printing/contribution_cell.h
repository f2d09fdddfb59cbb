// MontantCotisation and CelluleCotisation, the contribution cells of an aidant block: the
// amount of a rate on the gross pay, shown right-aligned and added to its column total, or
// a blank cell when it is 0.
#pragma once

#include <string>

#include "numbers/integers.h"

namespace printing {

// Int(gross × rate / 100 + 1/2), the rate a percentage.
double MontantCotisation(const std::string& brut, double taux);

// The amount right-aligned in w characters, added to `total`; w blanks when it is 0.
std::string CelluleCotisation(double montant, long w, dnt::Long32& total);

}  // namespace printing
