// The desktop's printers, opened through the Qt printer system.
#include "desktop/desktop_printers.h"

#include "printing/matrix_rule.h"
#include "printing/page_model.h"
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
        // The preview and the archive come after the PDF and matrix printers.
        names_.insert(names_.begin() + std::min<std::ptrdiff_t>(2, static_cast<std::ptrdiff_t>(names_.size())),
                      {kPreviewPrinterName, kSplitPrinterName});
    }
    return names_;
}

printing::PrinterSystem& DesktopPrinters::system() {
    if (!system_) system_ = std::make_unique<printing::qt::QtPrinterSystem>(output_, journal_);
    return *system_;
}

void DesktopPrinters::useArchive(bool used) {
    split_.reset();  // a document left open is abandoned, then its archive removed
    archive_.reset();
    if (used) {
        archive_ = std::make_unique<declaration::SplitArchive>(
            splitFolder_, [](const std::filesystem::path& file) { return printing::qt::openPdfSink(file); });
        split_ = std::make_unique<printing::PageModel>(archive_->followingSink(), kSplitPrinterName);
    }
    if (archiveChanged) archiveChanged(archive_.get());
}

printing::Printer& DesktopPrinters::select(long index) {
    const std::vector<std::string> names = printerNames();
    const std::string name = index >= 0 && static_cast<size_t>(index) < names.size() ? names[static_cast<size_t>(index)] : "";
    useArchive(name == kSplitPrinterName);
    previewSelected_ = name == kPreviewPrinterName;
    selected_ = true;
    if (previewSelected_) {
        preview_ = std::make_unique<PreviewPrinter>();
        return *preview_;
    }
    if (split_) return *split_;
    // The system's list has neither the preview nor the archive: the printers after them
    // come two places earlier.
    const long ownAt = static_cast<long>(std::find(names.begin(), names.end(), kPreviewPrinterName) - names.begin());
    return system().select(index > ownAt ? index - 2 : index);
}

printing::Printer& DesktopPrinters::current() {
    if (selected_ && previewSelected_) return *preview_;
    if (selected_ && split_) return *split_;
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
