// The printer list and current printer of a printer system whose printers are opened on
// demand: the built-in ones (PDF, the text printer) first, then the system's, whose list is
// asked for once, at the first need. Selecting a printer opens it anew for a new document
// (each file a printer writes is written once); a document left open on the previous one
// is abandoned. What lists and opens the printers is the subclass's.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "printing/page_sink.h"
#include "printing/printer_system.h"

namespace printing {

class PrintersOnDemand : public PrinterSystem {
public:
    std::vector<std::string> printerNames() override;
    // Throws PrinterError for an index outside the list, OutputError for a printer that cannot open.
    Printer& select(long index) override;
    Printer& current() override;

    // What follows every document opened from now on (the structured export), made anew
    // for each printer selected.
    void follow(std::function<std::unique_ptr<PageSink>()> alongside) { alongside_ = std::move(alongside); }

protected:
    // `output`: the file the PDF and text printers write; with a `journal` path the print
    // journal of everything sent to the current printer is written there too.
    PrintersOnDemand(std::filesystem::path output, std::filesystem::path journal)
        : output_(std::move(output)), journal_(std::move(journal)) {}
    // The names that need no question to the print system, in list order.
    virtual std::vector<std::string> builtInNames() const = 0;
    // The whole list, built-in names first.
    virtual std::vector<std::string> listPrinters() = 0;
    virtual std::unique_ptr<Printer> open(const std::string& name, const std::filesystem::path& output,
                                          const std::filesystem::path& journal, std::unique_ptr<PageSink> alongside) = 0;

private:
    std::filesystem::path output_;
    std::filesystem::path journal_;
    std::vector<std::string> names_;
    std::unique_ptr<Printer> current_;
    std::function<std::unique_ptr<PageSink>()> alongside_;
};

}  // namespace printing
