// ComprisDansTrimestre: whether a day falls inside the quarter of the run (the quarter's
// days and months are the Quarter value's, payroll/quarter.h).
#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/payroll.h"

namespace payroll {

bool ComprisDansTrimestre(const dnt::Quarter& quarter, const std::string& W_Date) {
    if (W_Date.empty()) return false;
    const double jour = dnt::Floor(dnt::CDbl(W_Date));
    return static_cast<double>(quarter.firstDay()) <= jour && static_cast<double>(quarter.lastDay()) >= jour;
}

}  // namespace payroll
