// MoisDebut and ValeurDuMois, the reading of the dated histories that the payroll constants
// and rates are kept as: one value per date of effect, in parallel multi-valued fields, the
// most recent date first.
#pragma once

#include <string>

#include "numbers/integers.h"
#include "common/state.h"
#include "common/quarter.h"
#include "dba/dynarray.h"

namespace payroll {

// The file object of a file of the database: the one already open in s.Fichiers, or the file
// opened now and kept there.
dba::File& ouvrirFichier(dnt::SharedState& s, const std::string& nom);

// The month key of the quarter's first day, as a long.
dnt::Long32 MoisDebut(const dnt::Quarter& quarter);

// Value j of field `champValeurs` for the first date j of field `champDates` whose month key is
// not after `mois` (yyyymm); the empty text when no date qualifies.
std::string ValeurDuMois(const dba::DynArray& rec, int champDates, int champValeurs, dnt::Long32 mois);

}  // namespace payroll
