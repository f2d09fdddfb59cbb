// The system's printers as the control sees them: a list of names and a current
// printer that a run makes one of them.
#pragma once

#include <string>
#include <vector>

#include "printing/printer.h"

namespace printing {

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    // Every printer, in the order the printer dialog lists them.
    virtual std::vector<std::string> printerNames() = 0;
    // Makes the printer of that index the current one; an index out of the list
    // raises an error saying so.
    virtual Printer& select(long index) = 0;
    // The current printer (the first of the list until one is selected).
    virtual Printer& current() = 0;
};

}  // namespace printing
