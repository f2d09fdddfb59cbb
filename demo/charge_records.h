// What earlier declarations left behind: REGULDNT (regularisation amounts, stamped with
// the quarter that used them) and DETAILCHGPARTEMP (an aidé's charge detail of a quarter).
#pragma once

#include "demo/pay_details.h"
#include "demo/population.h"
#include "demo/random.h"
#include "demo/record_text.h"

namespace demo {

// REGULDNT of every aidé that has amounts; DETAILCHGPARTEMP of the quarter before the
// latest for about a quarter of the aidés that worked then, and one record of the
// latest quarter, as an earlier print of it would have left, for the first fixed case.
void writeChargeRecords(RecordSink& sink, const Population& p, const CumulsTrimestre& precedent, Random& r);

}  // namespace demo
