// The parts of the remaining exemption computation CalculTepRestant, in the order it runs
// them.
#pragma once

#include <string>

#include "common/state.h"
#include "common/quarter.h"

namespace payroll {

// The declaration basis of the aidé and the rate line that basis uses.
struct BaseDeclaration {
    std::string CodeBase;  // field 9 of ELTSPARTEMP
    int IndiceTaux = 2;    // 1 for "00" and "01", else 2
};

// The contributions above and below the ceiling (basis "02" only).
struct Tranches {
    double PartTranche1 = 0;
    double PartTranche2 = 0;
};

// Base contributions into W_TotalCharges, and W_DeductionHeures.
Tranches CotisationsDeBase(dnt::SharedState& s, const dnt::Quarter& quarter, const BaseDeclaration& base);

}  // namespace payroll
