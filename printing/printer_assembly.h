// A printer put together around its device's sink: the print journal and what follows the
// document (the structured export) teed beside it, under the one page model. Shared by the
// Qt printers and the text printer, which needs no Qt at all.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "printing/page_sink.h"
#include "printing/printer.h"

namespace printing {

std::unique_ptr<Printer> assemblePrinter(std::unique_ptr<PageSink> device, const std::string& name,
                                         const std::filesystem::path& journal = {},
                                         std::unique_ptr<PageSink> alongside = nullptr);

// The text printer of matrix printers, writing `output` (required); OutputError when it
// cannot be created.
std::unique_ptr<Printer> openTextPrinter(const std::string& name, const std::filesystem::path& output,
                                         const std::filesystem::path& journal = {},
                                         std::unique_ptr<PageSink> alongside = nullptr);

}  // namespace printing
