// The payment paragraph at the foot of a declaration: who pays the net amount and how.
#pragma once

#include <string>

#include "common/state.h"

namespace printing {

// Prints one of three texts: the establishment pays for the aidé; the URSSAF debits the
// aidé's bank account on the due date; the aidé sends the payment to the centre before
// the due date. A statement that fails is passed over.
void ImprimeParagrapheReglement(dnt::SharedState& s);

}  // namespace printing
