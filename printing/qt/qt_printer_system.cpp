// The system's printers for the control, opened on demand.
#include "printing/qt/qt_printer_system.h"

#include "printing/qt/printers.h"

namespace printing::qt {

std::vector<std::string> QtPrinterSystem::builtInNames() const { return builtInPrinterNames(); }

std::vector<std::string> QtPrinterSystem::listPrinters() { return qt::printerNames(); }

std::unique_ptr<Printer> QtPrinterSystem::open(const std::string& name, const std::filesystem::path& output,
                                               const std::filesystem::path& journal,
                                               std::unique_ptr<PageSink> alongside) {
    return openPrinter(name, output, journal, std::move(alongside));
}

}  // namespace printing::qt
