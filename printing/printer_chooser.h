// The printer dialog as the run sees it: the desktop shows one, the command line answers
// from its options, tests script it. The database library's utility object asks it when
// the control calls ChoixImprimante.
#pragma once

#include "dba/utility.h"

namespace printing {

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // The index of the chosen printer in the system's list, or -1 when cancelled.
    // May set the copy count through `copies`.
    virtual long choose(long& copies) = 0;
};

// Makes `chooser` the printer dialog of `utilitaire` (for as long as both live).
inline void useChooser(dba::Utilitaire& utilitaire, PrinterChooser& chooser) {
    utilitaire.setPrinterDialog([&chooser](long& copies) { return chooser.choose(copies); });
}

}  // namespace printing
