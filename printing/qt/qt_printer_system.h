// The system's printers for the control: the list of printers.h and the printer a run
// makes current, opened on demand.
#pragma once

#include "printing/page_sink.h"
#include "printing/printer_system.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace printing::qt {

// output is the file the PDF and matrix printers write; with a journal path, the print
// journal of everything sent to the current printer is written there too. Selecting a
// printer opens it anew for a new document (each file a printer writes is written once);
// a document left open on the previous one is abandoned. The list is read once, at the
// first need.
class QtPrinterSystem : public PrinterSystem {
public:
    explicit QtPrinterSystem(std::filesystem::path output, std::filesystem::path journal = {});

    std::vector<std::string> printerNames() override;
    // Throws PrinterError for an index outside the list, OutputError for a printer that cannot open.
    Printer& select(long index) override;
    Printer& current() override;

    // What follows every document opened from now on (the structured export), made anew
    // for each printer selected.
    void follow(std::function<std::unique_ptr<PageSink>()> alongside) { alongside_ = std::move(alongside); }

private:
    std::filesystem::path output_;
    std::filesystem::path journal_;
    std::vector<std::string> names_;
    long currentIndex_ = -1;
    std::unique_ptr<Printer> current_;
    std::function<std::unique_ptr<PageSink>()> alongside_;
};

}  // namespace printing::qt
