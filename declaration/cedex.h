// FinCedex, the end of the town line of an address (centre or establishment): the Cedex
// mention built from the record's fields 10 (1 = Cedex) and 11 (the Cedex number).
#pragma once

#include <string>

#include "dba/dynarray.h"

namespace declaration {

// " Cedex " and field 11 when field 10 is 1 and field 11 is not empty; " Cedex" when
// field 10 is 1 and field 11 is empty; a single blank otherwise.
std::string FinCedex(const dba::DynArray& rec);

}  // namespace declaration
