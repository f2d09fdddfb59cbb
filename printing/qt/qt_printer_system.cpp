// The system's printers for the control, opened on demand.
#include "printing/qt/qt_printer_system.h"

#include "printing/printer_error.h"
#include "printing/qt/printers.h"

#include <utility>

namespace printing::qt {

QtPrinterSystem::QtPrinterSystem(std::filesystem::path output, std::filesystem::path journal)
    : output_(std::move(output)), journal_(std::move(journal)) {}

std::vector<std::string> QtPrinterSystem::printerNames() {
    if (names_.empty()) names_ = qt::printerNames();
    return names_;
}

Printer& QtPrinterSystem::select(long index) {
    const auto builtIn = builtInPrinterNames();
    const auto names = index >= 0 && static_cast<std::size_t>(index) < builtIn.size() ? builtIn : printerNames();
    if (index < 0 || static_cast<std::size_t>(index) >= names.size())
        throw PrinterError("there is no printer number " + std::to_string(index) + " in the list of " +
                           std::to_string(names.size()));
    current_.reset();  // a document left open is abandoned, before its files are reused
    currentIndex_ = -1;
    current_ = openPrinter(names[static_cast<std::size_t>(index)], output_, journal_, alongside_ ? alongside_() : nullptr);
    currentIndex_ = index;
    return *current_;
}

Printer& QtPrinterSystem::current() { return current_ ? *current_ : select(0); }

}  // namespace printing::qt
