// LectureRegularisation, the aidé's regularisation of the quarter: the amounts of its
// REGULDNT record not yet used by an earlier quarter, stamped with this quarter as they are
// taken.
#include "numbers/numtext.h"
#include "dba/errors.h"
#include "declaration/print_loop_steps.h"

namespace declaration {

void LectureRegularisation(dnt::SharedState& s, const dnt::Quarter& quarter, const std::string& A, PassageErreurs& passer) {
    passer.activer();
    const int32_t erreur = passer([&] { s.RecRegulDnt = s.fichier("REGULDNT").DBRead(A); });
    // No record: no regularisation, nothing written. A read that failed otherwise leaves
    // nothing to walk either (never the previous aidé's record).
    if (erreur == 0) {
        // Values j of field 1 (amount) and field 2 (the quarter that used it), until an empty
        // amount or an amount used by an earlier quarter.
        const long cle = [&] {
            long q = 0;
            passer([&] { q = dnt::CLngText(quarter.key()).value(); });
            return q;
        }();
        for (int j = 1;; ++j) {
            const std::string montant = s.RecRegulDnt.element(1, j);
            const std::string utilise = s.RecRegulDnt.element(2, j);
            if (montant.empty()) break;
            bool anterieur = false;
            passer([&] { anterieur = !utilise.empty() && dnt::CLngText(utilise).value() < cle; });
            if (anterieur) break;
            passer([&] { s.W_Regul = dnt::CLng(s.W_Regul.value() + dnt::CDbl(montant)); });
            if (utilise.empty()) passer([&] { s.RecRegulDnt.setElement(2, j, quarter.key()); });
        }
        passer([&] { s.RecRegulDnt.DBWrite(); });
    }
    passer([&] { s.W_RegulInitiale = s.W_Regul; });
}

}  // namespace declaration
