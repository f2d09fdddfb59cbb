// Printers put together from a device's sink, the journal and the export.
#include "printing/printer_assembly.h"

#include "printing/journal_writer.h"
#include "printing/output_error.h"
#include "printing/page_model.h"
#include "printing/tee_sink.h"
#include "printing/text_page_writer.h"

namespace printing {

std::unique_ptr<Printer> assemblePrinter(std::unique_ptr<PageSink> device, const std::string& name,
                                         const std::filesystem::path& journal, std::unique_ptr<PageSink> alongside) {
    std::unique_ptr<PageSink> sink = std::move(device);
    if (!journal.empty()) sink = std::make_unique<TeeSink>(std::move(sink), std::make_unique<JournalWriter>(journal));
    if (alongside) sink = std::make_unique<TeeSink>(std::move(sink), std::move(alongside));
    return std::make_unique<PageModel>(std::move(sink), name);
}

std::unique_ptr<Printer> openTextPrinter(const std::string& name, const std::filesystem::path& output,
                                         const std::filesystem::path& journal, std::unique_ptr<PageSink> alongside) {
    if (output.empty()) throw OutputError("the printer " + name + " needs an output file");
    return assemblePrinter(std::make_unique<TextPageWriter>(output), name, journal, std::move(alongside));
}

}  // namespace printing
