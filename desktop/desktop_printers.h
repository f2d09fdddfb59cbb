// The printers of the desktop: the list of printers.h (PDF, the matrix printer, then the
// system's) with the preview after the first two, each opened on the file the printer
// dialog named for the PDF and matrix ones.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "printing/printer_system.h"
#include "desktop/preview_printer.h"

namespace desktop {

class DesktopPrinters : public printing::PrinterSystem {
public:
    explicit DesktopPrinters(std::filesystem::path journal = {});
    ~DesktopPrinters() override;

    std::vector<std::string> printerNames() override;
    printing::Printer& select(long index) override;
    // The printer selected last; before any selection, a printer that prints nothing (a
    // run whose printer dialog was cancelled still ends its document).
    printing::Printer& current() override;

    // The file the PDF and matrix printers write next; ends any document left open.
    void setOutput(std::filesystem::path output);
    const std::filesystem::path& output() const { return output_; }
    // Whether the printer of that name writes a file.
    static bool writesFile(const std::string& name);
    // The preview printer of the last run printed on it, nullptr when the last run was
    // printed elsewhere.
    const PreviewPrinter* preview() const { return previewSelected_ ? preview_.get() : nullptr; }

private:
    printing::PrinterSystem& system();

    std::filesystem::path journal_;
    std::filesystem::path output_;
    std::vector<std::string> names_;
    std::unique_ptr<printing::PrinterSystem> system_;
    bool selected_ = false;
    bool previewSelected_ = false;
    std::unique_ptr<PreviewPrinter> preview_;
    std::unique_ptr<printing::Printer> idle_;
};

}  // namespace desktop
