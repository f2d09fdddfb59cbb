// The printers of the desktop: the list of printers.h (PDF, the matrix printer, then the
// system's) with the preview and the archive of one PDF per aidé after the first two, each
// opened on the file (the folder, for the archive) the printer dialog named.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <functional>

#include "declaration/split_archive.h"
#include "printing/printer_system.h"
#include "desktop/preview_printer.h"

namespace desktop {

// The printer that writes one PDF per aidé to a new folder, and nothing else.
inline constexpr const char* kSplitPrinterName = "PDF PAR AIDE";

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
    // The new folder the archive printer writes next.
    void setSplitFolder(std::filesystem::path folder) { splitFolder_ = std::move(folder); }
    const std::filesystem::path& splitFolder() const { return splitFolder_; }
    // Told of the archive a selection opens (nullptr when another printer is selected):
    // its declarations are given to it as they are complete.
    std::function<void(declaration::SplitArchive*)> archiveChanged;
    // Whether the printer of that name writes a file.
    static bool writesFile(const std::string& name);
    // The preview printer of the last run printed on it, nullptr when the last run was
    // printed elsewhere.
    const PreviewPrinter* preview() const { return previewSelected_ ? preview_.get() : nullptr; }

private:
    printing::PrinterSystem& system();
    void useArchive(bool used);

    std::filesystem::path journal_;
    std::filesystem::path output_;
    std::vector<std::string> names_;
    std::unique_ptr<printing::PrinterSystem> system_;
    bool selected_ = false;
    bool previewSelected_ = false;
    std::unique_ptr<PreviewPrinter> preview_;
    std::unique_ptr<printing::Printer> idle_;
    std::filesystem::path splitFolder_;
    std::unique_ptr<declaration::SplitArchive> archive_;  // outlives the printer drawing into it
    std::unique_ptr<printing::Printer> split_;
};

}  // namespace desktop
