// The printers the program can print on, by name.
#include "printing/qt/printers.h"

#include "printing/journal_writer.h"
#include "printing/page_model.h"
#include "printing/output_error.h"
#include "printing/qt/gui_application.h"
#include "printing/qt/output_device.h"
#include "printing/qt/printer_fonts.h"
#include "printing/qt/qt_printer_sink.h"
#include "printing/spooling_sink.h"
#include "printing/tee_sink.h"
#include "printing/text_page_writer.h"
#include "printing/text_printer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>


namespace printing::qt {

namespace {

constexpr int kDotsPerInch = 1440;
const char* const kDocumentName = "DECLARATION NOMINATIVE TRIMESTRIELLE";

void prepareQt() {
    ensureGuiApplication();
    checkPrinterFontFiles();
}

}  // namespace

std::vector<std::string> builtInPrinterNames() { return {kPdfPrinterName, TextPrinter::kDefaultDeviceName}; }

std::vector<std::string> printerNames() {
    ensureGuiApplication();
    std::vector<std::string> names = builtInPrinterNames();
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    return names;
}

std::unique_ptr<PageSink> openPdfSink(const std::filesystem::path& file) {
    prepareQt();
    auto output = std::make_unique<OutputDevice>(file);
    auto writer = std::make_unique<QPdfWriter>(output.get());
    writer->setResolution(kDotsPerInch);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer->setCreator(QStringLiteral("dnt"));
    writer->setTitle(QString::fromUtf8(kDocumentName));
    return std::make_unique<QtPrinterSink>(std::move(output), std::move(writer));
}

std::unique_ptr<PageSink> openSystemPrinterSink(const std::string& name) {
    prepareQt();
    const QString qname = QString::fromStdString(name);
    if (!QPrinterInfo::availablePrinterNames().contains(qname))
        throw OutputError("no printer named " + name);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(qname);
    if (!printer->isValid()) throw OutputError("the printer " + name + " cannot be used");
    printer->setResolution(kDotsPerInch);
    printer->setCopyCount(1);
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setDocName(QString::fromUtf8(kDocumentName));
    return std::make_unique<QtPrinterSink>(std::move(printer));
}

std::unique_ptr<Printer> openPrinter(const std::string& name, const std::filesystem::path& output,
                                     const std::filesystem::path& journal, std::unique_ptr<PageSink> alongside) {
    std::unique_ptr<PageSink> sink;
    if (name == kPdfPrinterName || isMatrixPrinterName(name)) {
        if (output.empty()) throw OutputError("the printer " + name + " needs an output file");
        if (name == kPdfPrinterName) {
            // Painted on a thread of its own while the run goes on with the next aidés.
            sink = std::make_unique<SpoolingSink>(openPdfSink(output));
        } else {
            sink = std::make_unique<TextPageWriter>(output);
        }
    } else {
        sink = std::make_unique<SpoolingSink>(openSystemPrinterSink(name));
    }
    if (!journal.empty()) sink = std::make_unique<TeeSink>(std::move(sink), std::make_unique<JournalWriter>(journal));
    if (alongside) sink = std::make_unique<TeeSink>(std::move(sink), std::move(alongside));
    return std::make_unique<PageModel>(std::move(sink), name);
}

}  // namespace printing::qt
