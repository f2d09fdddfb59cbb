// The system's printers for a program that does not link Qt (dnt): the PDF printer, the
// text printer of matrix printers, then the system's printers. The text printer is made
// here; the PDF and system printers come from the Qt module (qt_module.h), loaded the first
// time one of them is selected or the system's list is asked for.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "printing/page_sink.h"
#include "printing/printer_system.h"

namespace printing {

class LoadedPrinterSystem : public PrinterSystem {
public:
    // `output`: the file the PDF and text printers write; with a `journal` path the print
    // journal is written there too. `spool`: whether the Qt printers paint on a thread of
    // their own (qt/printers.h).
    LoadedPrinterSystem(std::filesystem::path output, std::filesystem::path journal, bool spool);

    // The two printers that need no module, without asking the print system.
    static std::vector<std::string> builtInNames();

    std::vector<std::string> printerNames() override;
    Printer& select(long index) override;
    Printer& current() override;

    // What follows every document opened from now on (the structured export).
    void follow(std::function<std::unique_ptr<PageSink>()> alongside) { alongside_ = std::move(alongside); }

private:
    std::filesystem::path output_;
    std::filesystem::path journal_;
    bool spool_;
    std::vector<std::string> names_;
    std::unique_ptr<Printer> current_;
    std::function<std::unique_ptr<PageSink>()> alongside_;
};

}  // namespace printing
