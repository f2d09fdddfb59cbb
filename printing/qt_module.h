// The Qt printers (the PDF file printer and the system's printers) as a module of their
// own, libdnt_qt_printers.so, which a program that does not link Qt loads only when a run
// prints on one of them: a journal or text run then never pays for loading Qt's libraries
// and starting its application.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "printing/page_sink.h"
#include "printing/printer.h"

namespace printing {

// What the module offers: printing::qt::printerNames, printing::qt::openPrinter and
// printing::qt::openPdfSink (printing/qt/printers.h).
struct QtModule {
    std::vector<std::string> (*printerNames)();
    std::unique_ptr<Printer> (*openPrinter)(const std::string& name, const std::filesystem::path& output,
                                            const std::filesystem::path& journal,
                                            std::unique_ptr<PageSink> alongside, bool spool);
    std::unique_ptr<PageSink> (*openPdfSink)(const std::filesystem::path& file);
};

// The name of the module's one exported function, which gives its QtModule.
inline constexpr const char* kQtModuleEntry = "dnt_qt_printers_module";
inline constexpr const char* kQtModuleFile = "libdnt_qt_printers.so";

// Loads the module at the first call, from the program's own folder, else from
// ../lib/dnt beside it; PrinterError naming what is missing when it cannot.
const QtModule& qtModule();

}  // namespace printing
