// PreparerDebutsMois: the first days of the quarter's three months, which the
// quarter-average contribution rates (MoyenneTaux) are looked up for.
#pragma once

#include "common/state.h"

namespace printing {

// Fields 1 to 3 of s.TabDebutsMois: the quarter's first day, then the first days of its
// second and third months (day numbers as text).
void PreparerDebutsMois(dnt::SharedState& s);

}  // namespace printing
