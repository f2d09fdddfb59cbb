// DateEcheance: the date before which the quarter's contributions are due.
#pragma once

#include <string>

#include "common/quarter.h"

namespace declaration {

// "dd/mm/yyyy" of the last day of the month before the one that holds the quarter's last
// day plus 35 days: 30/04 for a quarter ending 31/03, 31/01 of the next year for 31/12.
std::string DateEcheance(const dnt::Quarter& quarter);

}  // namespace declaration
