// The system's printers for the control in a program that links Qt: the list of
// printers.h and the printer a run makes current, opened on demand.
#pragma once

#include "printing/printers_on_demand.h"

namespace printing::qt {

// output is the file the PDF and matrix printers write; with a journal path, the print
// journal of everything sent to the current printer is written there too.
class QtPrinterSystem : public PrintersOnDemand {
public:
    explicit QtPrinterSystem(std::filesystem::path output, std::filesystem::path journal = {})
        : PrintersOnDemand(std::move(output), std::move(journal)) {}

protected:
    std::vector<std::string> builtInNames() const override;
    std::vector<std::string> listPrinters() override;
    std::unique_ptr<Printer> open(const std::string& name, const std::filesystem::path& output,
                                  const std::filesystem::path& journal, std::unique_ptr<PageSink> alongside) override;
};

}  // namespace printing::qt
