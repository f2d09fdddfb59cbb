// The matrix printer: a page model whose pages are written as fixed-pitch text.
#include "printing/text_printer.h"

#include "printing/text_page_writer.h"

#include <memory>
#include <utility>

namespace printing {

TextPrinter::TextPrinter(std::ostream& out, std::string deviceName)
    : PageModel(std::make_unique<TextPageWriter>(out), std::move(deviceName)) {}

TextPrinter::TextPrinter(const std::filesystem::path& file, std::string deviceName)
    : PageModel(std::make_unique<TextPageWriter>(file), std::move(deviceName)) {}

}  // namespace printing
