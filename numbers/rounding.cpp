// Rounding of doubles to whole numbers.
#include "numbers/rounding.h"

#include <cmath>

namespace dnt {

// Done by hand rather than with nearbyint so that the result never depends on the
// floating-point rounding mode some library may have left set.
double RoundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    double whole = std::trunc(x);
    double fraction = std::fabs(x - whole);  // exact: the whole part is 0 or within a factor 2 of x
    double away = x < 0 ? whole - 1.0 : whole + 1.0;
    if (fraction > 0.5) return away;
    if (fraction < 0.5) return whole;
    return std::fmod(whole, 2.0) == 0.0 ? whole : away;
}

double Floor(double x) { return std::floor(x); }

double Fix(double x) { return std::trunc(x); }

}  // namespace dnt
