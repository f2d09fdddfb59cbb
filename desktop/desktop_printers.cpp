// The desktop's printers, opened through the Qt printer system.
#include "desktop/desktop_printers.h"

#include "printing/matrix_rule.h"
#include "printing/qt/printers.h"
#include "printing/qt/qt_printer_system.h"
#include "desktop/idle_printer.h"

#include <algorithm>

namespace desktop {

DesktopPrinters::DesktopPrinters(std::filesystem::path journal) : journal_(std::move(journal)) {}

DesktopPrinters::~DesktopPrinters() = default;

bool DesktopPrinters::writesFile(const std::string& name) {
    return name == printing::qt::kPdfPrinterName || printing::isMatrixPrinterName(name);
}

std::vector<std::string> DesktopPrinters::printerNames() {
    if (names_.empty()) {
        names_ = printing::qt::printerNames();
        // The preview comes after the PDF and matrix printers.
        names_.insert(names_.begin() + std::min<std::ptrdiff_t>(2, static_cast<std::ptrdiff_t>(names_.size())),
                      kPreviewPrinterName);
    }
    return names_;
}

printing::PrinterSystem& DesktopPrinters::system() {
    if (!system_) system_ = std::make_unique<printing::qt::QtPrinterSystem>(output_, journal_);
    return *system_;
}

printing::Printer& DesktopPrinters::select(long index) {
    const std::vector<std::string> names = printerNames();
    if (index >= 0 && static_cast<size_t>(index) < names.size() && names[static_cast<size_t>(index)] == kPreviewPrinterName) {
        preview_ = std::make_unique<PreviewPrinter>();
        previewSelected_ = true;
        selected_ = true;
        return *preview_;
    }
    // The system's list has no preview: the printers after it come one place earlier.
    const long previewAt = static_cast<long>(std::find(names.begin(), names.end(), kPreviewPrinterName) - names.begin());
    printing::Printer& printer = system().select(index > previewAt ? index - 1 : index);
    previewSelected_ = false;
    selected_ = true;
    return printer;
}

printing::Printer& DesktopPrinters::current() {
    if (selected_ && previewSelected_) return *preview_;
    if (selected_) return system().current();
    if (!idle_) idle_ = std::make_unique<IdlePrinter>();
    return *idle_;
}

void DesktopPrinters::setOutput(std::filesystem::path output) {
    if (output == output_ && system_) return;
    system_.reset();
    selected_ = false;
    output_ = std::move(output);
}

}  // namespace desktop
