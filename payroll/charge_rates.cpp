// TauxUrssafDesCharges: the rates of the eight contribution lines (CHGPARTEMP "01" to "08")
// in force at the quarter's last day.
#include "numbers/error.h"
#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/history.h"
#include "payroll/payroll.h"

namespace payroll {

void TauxUrssafDesCharges(dnt::SharedState& s, const dnt::Quarter& quarter) {
    dba::File& fichier = ouvrirFichier(s, "CHGPARTEMP");
    s.TabTauxCharges = dba::DynArray();
    const double fin = dnt::Floor(dnt::CDbl(quarter.lastDayText()));
    for (int n = 1; n <= 8; ++n) {
        std::string cle = "0" + std::to_string(n);
        dba::Record rec = fichier.DBRead(cle);
        // Periods are in ascending order of their ends: the first one that reaches the
        // quarter's last day gives the rate. Data that stop before it are an error.
        int j = 1;
        for (;;) {
            std::string finPeriode = rec.element(3, j);
            if (finPeriode.empty())
                throw dnt::ConversionError("CHGPARTEMP " + cle + " has no period reaching the quarter's last day");
            if (!(dnt::Floor(dnt::CDbl(finPeriode)) < fin)) break;
            ++j;
        }
        s.TabTauxCharges.setElement(n, dnt::NumberToText(dnt::CCur(dnt::CDbl(rec.element(2, j)) / 1000)));
    }
}

}  // namespace payroll
