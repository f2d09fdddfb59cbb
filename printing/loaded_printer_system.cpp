// The printers of a program without Qt, the Qt ones loaded on demand.
#include "printing/loaded_printer_system.h"

#include "printing/matrix_rule.h"
#include "printing/printer_assembly.h"
#include "printing/qt_module.h"
#include "printing/text_printer.h"

namespace printing {

std::vector<std::string> LoadedPrinterSystem::builtInPrinters() { return {"PDF", TextPrinter::kDefaultDeviceName}; }

std::vector<std::string> LoadedPrinterSystem::listPrinters() { return qtModule().printerNames(); }

std::unique_ptr<Printer> LoadedPrinterSystem::open(const std::string& name, const std::filesystem::path& output,
                                                   const std::filesystem::path& journal,
                                                   std::unique_ptr<PageSink> alongside) {
    if (isMatrixPrinterName(name)) return openTextPrinter(name, output, journal, std::move(alongside));
    return qtModule().openPrinter(name, output, journal, std::move(alongside), spool_);
}

}  // namespace printing
