// ChoixModeReglement and ImprimeParagrapheReglement, the payment paragraph at the foot of a
// declaration: who pays the net amount and how.
#pragma once

#include <string>

#include "common/error_trap.h"
#include "common/quarter.h"
#include "common/state.h"

namespace declaration {

using dnt::PassageErreurs;

// Who pays: the establishment for the aidé, a direct debit from the aidé's account, or the
// aidé sending the payment.
enum class ModeReglement { Entite, Prelevement, Aide };

// The mode of the aidé of `s`: the establishment when the centre takes payments for it
// and the aidé's elements say so; a direct debit when the centre takes them and the
// aidé's billing record (read into RecEltsFactAide, under `passer`) has a bank account;
// else the aidé.
ModeReglement ChoixModeReglement(dnt::SharedState& s, PassageErreurs& passer);
// "entite", "prelevement" or "aide".
const char* NomModeReglement(ModeReglement mode);

// Prints one of three texts: the establishment pays for the aidé; the URSSAF debits the
// aidé's bank account on the due date; the aidé sends the payment to the centre before
// the due date. A statement that fails is passed over.
void ImprimeParagrapheReglement(dnt::SharedState& s, const dnt::Quarter& quarter);

}  // namespace declaration
