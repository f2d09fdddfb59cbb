// The printers of a program without Qt, the Qt ones loaded on demand.
#include "printing/loaded_printer_system.h"

#include "printing/matrix_rule.h"
#include "printing/printer_assembly.h"
#include "printing/printer_error.h"
#include "printing/qt_module.h"
#include "printing/text_printer.h"

namespace printing {

namespace {
constexpr const char* kPdfPrinterName = "PDF";
}  // namespace

LoadedPrinterSystem::LoadedPrinterSystem(std::filesystem::path output, std::filesystem::path journal, bool spool)
    : output_(std::move(output)), journal_(std::move(journal)), spool_(spool) {}

std::vector<std::string> LoadedPrinterSystem::builtInNames() { return {kPdfPrinterName, TextPrinter::kDefaultDeviceName}; }

std::vector<std::string> LoadedPrinterSystem::printerNames() {
    if (names_.empty()) names_ = qtModule().printerNames();
    return names_;
}

Printer& LoadedPrinterSystem::select(long index) {
    const auto builtIn = builtInNames();
    const auto names = index >= 0 && static_cast<std::size_t>(index) < builtIn.size() ? builtIn : printerNames();
    if (index < 0 || static_cast<std::size_t>(index) >= names.size())
        throw PrinterError("there is no printer number " + std::to_string(index) + " in the list of " +
                           std::to_string(names.size()));
    current_.reset();  // a document left open is abandoned, before its files are reused
    const std::string& name = names[static_cast<std::size_t>(index)];
    std::unique_ptr<PageSink> alongside = alongside_ ? alongside_() : nullptr;
    if (isMatrixPrinterName(name)) current_ = openTextPrinter(name, output_, journal_, std::move(alongside));
    else current_ = qtModule().openPrinter(name, output_, journal_, std::move(alongside), spool_);
    return *current_;
}

Printer& LoadedPrinterSystem::current() { return current_ ? *current_ : select(0); }

}  // namespace printing
