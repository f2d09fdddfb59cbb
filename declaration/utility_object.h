// The database library's utility object as the printing uses it: dates and number layouts.
#pragma once

#include "dba/utility.h"

namespace declaration {

// One object for the whole printing: its date and number operations keep no state.
inline const dba::Utilitaire& Utilitaire() {
    static const dba::Utilitaire utilitaire;
    return utilitaire;
}

}  // namespace declaration
