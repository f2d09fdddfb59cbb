// Choosing and opening printers on demand, whoever makes them.
#include "printing/printers_on_demand.h"

#include "printing/printer_error.h"

namespace printing {

std::vector<std::string> PrintersOnDemand::printerNames() {
    if (names_.empty()) names_ = listPrinters();
    return names_;
}

Printer& PrintersOnDemand::select(long index) {
    const auto builtIn = builtInNames();
    const auto names = index >= 0 && static_cast<std::size_t>(index) < builtIn.size() ? builtIn : printerNames();
    if (index < 0 || static_cast<std::size_t>(index) >= names.size())
        throw PrinterError("there is no printer number " + std::to_string(index) + " in the list of " +
                           std::to_string(names.size()));
    current_.reset();  // a document left open is abandoned, before its files are reused
    current_ = open(names[static_cast<std::size_t>(index)], output_, journal_, alongside_ ? alongside_() : nullptr);
    return *current_;
}

Printer& PrintersOnDemand::current() { return current_ ? *current_ : select(0); }

}  // namespace printing
