// The printers the program can print on, by name: the PDF file printer, the matrix
// (text) printer and the system's printers through CUPS.
#pragma once

#include "printing/page_sink.h"
#include "printing/printer.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace printing::qt {

inline constexpr const char* kPdfPrinterName = "PDF";

// "PDF", "MATRICIELLE", then the system's printers (QPrinterInfo::availablePrinterNames).
std::vector<std::string> printerNames();
// The first two only, which asking the print system for its printers (tens of
// milliseconds, a connection to the spooler) would not change.
std::vector<std::string> builtInPrinterNames();

// A4 portrait PDF file at 1440 dots to the inch, margins 0, fonts embedded.
std::unique_ptr<PageSink> openPdfSink(const std::filesystem::path& file);
// A system printer at 1440 dots to the inch where it allows it, one copy, origin at the
// top left of its printable area. Throws OutputError when no such printer exists.
std::unique_ptr<PageSink> openSystemPrinterSink(const std::string& name);

// The printer of that name of printerNames(): "PDF" writes output (required); a name
// with "MATRIC" writes its text pages to output (required); any other is a system
// printer (output not used). With a journal path, the print journal of everything sent
// is written there too. `alongside` follows the document as well (the structured export):
// ended with it and delivered after it. Creates the QGuiApplication and registers the
// fonts if needed. Throws OutputError for an unknown printer or a file that cannot be created.
std::unique_ptr<Printer> openPrinter(const std::string& name,
                                     const std::filesystem::path& output = {},
                                     const std::filesystem::path& journal = {},
                                     std::unique_ptr<PageSink> alongside = nullptr);

}  // namespace printing::qt
