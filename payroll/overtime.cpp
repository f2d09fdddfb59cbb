// SommeRubriquesHeuresSup and HeuresSupDuMois, the overtime of one month: quantities summed
// per overtime rubric, then whole hours per rate; every statement is passed over when it
// fails.
#include "payroll/overtime.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "common/error_trap.h"

namespace payroll {

using dnt::CDbl;
using dnt::NumberToText;

dnt::Int16 SommeRubriquesHeuresSup(dnt::SharedState& s, const dba::Record& d) {
    dnt::PassageErreurs passer(true);
    dba::DynArray& rub = s.RubriquesHeuresSup;
    const int nbRub = rub.DCount();
    for (int r = 1; r <= nbRub; ++r) passer([&] { rub.Replace(r, 3, 0, ""); });

    dnt::Int16 somme{0};
    int nbLignes = 0;
    passer([&] { nbLignes = d.DCount(2); });
    for (int j = 1; j <= nbLignes; ++j) {
        for (int r = 1; r <= nbRub; ++r) {
            if (rub.Extract(r, 1, -1) != d.element(2, j)) continue;
            passer([&] {
                std::string cumul = rub.Extract(r, 3, -1);
                if (cumul.empty())
                    rub.Replace(r, 3, 0, d.element(3, j));
                else
                    rub.Replace(r, 3, 0, NumberToText(CDbl(cumul) + CDbl(d.element(3, j))));
            });
            passer([&] { somme = dnt::CInt(somme.value() + CDbl(d.element(5, j))); });
        }
    }
    return somme;
}

void HeuresSupDuMois(dnt::SharedState& s) {
    dnt::PassageErreurs passer(true);
    dba::DynArray& rub = s.RubriquesHeuresSup;
    s.W_HeuresSup125 = dnt::Int16(0);
    s.W_HeuresSup150 = dnt::Int16(0);
    for (int r = 1; r <= rub.DCount(); ++r) {
        if (rub.Extract(r, 2, -1) == "1250000")
            passer([&] { s.W_HeuresSup125 = dnt::CInt(s.W_HeuresSup125.value() + CDbl(rub.Extract(r, 3, -1))); });
        else
            passer([&] { s.W_HeuresSup150 = dnt::CInt(s.W_HeuresSup150.value() + CDbl(rub.Extract(r, 3, -1))); });
    }
    passer([&] { s.W_HeuresSup125 = dnt::CInt(dnt::Floor(s.W_HeuresSup125.value() / 100.0)); });
    passer([&] { s.W_HeuresSup150 = dnt::CInt(dnt::Floor(s.W_HeuresSup150.value() / 100.0)); });
}

}  // namespace payroll
