// CalculSalaireDeclare, what the declaration states for one aidant line: the hours and the
// net hourly wage, derived from the line's hours and gross pay, the contribution rate and
// the minimum and upper hourly values of the quarter.
#pragma once

#include <string>

#include "common/state.h"

namespace payroll {

// The numbers of the computation, held as texts as they are kept between its steps.
struct SalaireDeclare {
    std::string Heures;      // hours declared
    std::string Brut;        // gross pay, base of the contributions
    std::string NetTotal;    // net pay
    std::string NetCopie;    // net pay, as used for the hours recomputed
    std::string NetHoraire;  // net hourly wage, in cents
};

// Chooses the line's minimum wage and rate (W_ValeurConstante, W_TauxLigne) from its basis
// code (value 4), then computes the hours and wage of aidant line k.
SalaireDeclare CalculSalaireDeclare(dnt::SharedState& s, long k);

}  // namespace payroll
