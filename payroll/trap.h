// One statement of a procedure that passes over its failing statements: an error of the
// number semantics or of the database ends that statement only, and its number is given
// back for the caller to test, as after a trapped read.
#pragma once

#include <cstdint>

#include "numbers/error.h"

namespace payroll {

// Runs the statement; gives 0 when it succeeded, else the number of the error it raised.
template <class Statement>
int32_t step(Statement&& statement) {
    try {
        statement();
        return 0;
    } catch (const dnt::Error& e) {  // dba::DbError included
        return e.number() == 0 ? -1 : e.number();
    }
}

}  // namespace payroll
