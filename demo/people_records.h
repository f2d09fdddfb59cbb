// The records of the people and their contracts: CIVILAIDE, ELTSPARTEMP, ELTSFACTAIDE,
// CIVILAIDANT and CONTRAT.
#pragma once

#include "demo/population.h"
#include "demo/record_text.h"

namespace demo {

void writePeople(RecordSink& sink, const Population& p);

}  // namespace demo
