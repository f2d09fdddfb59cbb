// The system's printers for a program that does not link Qt (dnt): the PDF printer, the
// text printer of matrix printers, then the system's printers. The text printer is made
// here; the PDF and system printers come from the Qt module (qt_module.h), loaded the first
// time one of them is selected or the system's list is asked for.
#pragma once

#include "printing/printers_on_demand.h"

namespace printing {

class LoadedPrinterSystem : public PrintersOnDemand {
public:
    // `spool`: whether the Qt printers paint on a thread of their own (qt/printers.h).
    LoadedPrinterSystem(std::filesystem::path output, std::filesystem::path journal, bool spool)
        : PrintersOnDemand(std::move(output), std::move(journal)), spool_(spool) {}

    // The two printers that need no module, without asking the print system.
    static std::vector<std::string> builtInPrinters();

protected:
    std::vector<std::string> builtInNames() const override { return builtInPrinters(); }
    std::vector<std::string> listPrinters() override;
    std::unique_ptr<Printer> open(const std::string& name, const std::filesystem::path& output,
                                  const std::filesystem::path& journal, std::unique_ptr<PageSink> alongside) override;

private:
    bool spool_;
};

}  // namespace printing
