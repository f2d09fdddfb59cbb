// CreationCleFichierDetailChgPartemp: opens the aidé's charge-detail record of the quarter
// (DETAILCHGPARTEMP, key aidé code and quarter key) for update, and starts it afresh with
// the entity code.
#include "common/error_trap.h"
#include "dba/errors.h"
#include "payroll/payroll.h"

namespace payroll {

void CreationCleFichierDetailChgPartemp(dnt::SharedState& s, const dnt::Quarter& quarter) {
    // Every statement is passed over when it fails; only a refused lock is acted on.
    dnt::PassageErreurs passer(true);
    dba::File& fichier = s.fichier("DETAILCHGPARTEMP");
    const std::string cle = s.RecAide.key() + quarter.key();

    int32_t err = passer([&] { s.RecDetailChgPartemp = fichier.DBReadLock(cle); });
    if (err == dba::kErrLockRefused) err = passer([&] { s.RecDetailChgPartemp = fichier.DBRead(cle); });
    // A missing key (whose lock is kept) or any other failed read gives an empty record bound
    // to this aidé's key, never the previous aidé's record.
    if (err != 0) passer([&] { s.RecDetailChgPartemp = fichier.NewRecord(cle); });

    passer([&] { s.RecDetailChgPartemp.setText(""); });
    passer([&] { s.RecDetailChgPartemp.setElement(1, s.W_CodeEntite); });
}

}  // namespace payroll
