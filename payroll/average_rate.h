// MoyenneTaux: the quarter-average rates of the contribution lines, looked up for the
// first days of the quarter's three months.
#pragma once

#include <string>

#include "common/state.h"
#include "common/quarter.h"

namespace payroll {

// Fields 1 to 3 of s.TabDebutsMois: the quarter's first day, then the first days of its
// second and third months (day numbers as text).
void PreparerDebutsMois(dnt::SharedState& s, const dnt::Quarter& quarter);

// Quarter average of a CHGPARTEMP rate (its thousandths divided by `diviseur`) over the
// months whose first days are in TabDebutsMois.
double MoyenneTaux(dnt::SharedState& s, const std::string& cle, double diviseur);

}  // namespace payroll
