// Reading ahead the records the print loop will read for the next aidés of the selection,
// so that a server answers them in one wait rather than one per record.
#pragma once

#include "common/quarter.h"
#include "common/state.h"
#include "dba/dynarray.h"

namespace declaration {

// From row `from` of the selection, the rows of the next aidés: their contracts, the
// calculation details of the quarter's months, the aidés' and aidants' records. Not the
// records a run writes (REGULDNT, DETAILCHGPARTEMP), read at their aidé's turn. Gives the
// first row not read ahead.
long LireEnAvance(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, long from);

}  // namespace declaration
