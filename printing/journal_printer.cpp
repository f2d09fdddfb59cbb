// A printer whose paper is the print journal.
#include "printing/journal_printer.h"

#include "printing/journal_writer.h"

#include <memory>
#include <utility>

namespace printing {

JournalPrinter::JournalPrinter(std::ostream& out, std::string deviceName)
    : PageModel(std::make_unique<JournalWriter>(out), std::move(deviceName)) {}

JournalPrinter::JournalPrinter(const std::filesystem::path& file, std::string deviceName)
    : PageModel(std::make_unique<JournalWriter>(file), std::move(deviceName)) {}

}  // namespace printing
