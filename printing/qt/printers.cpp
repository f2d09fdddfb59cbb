// The printers the program can print on, by name.
#include "printing/qt/printers.h"

#include "printing/output_error.h"
#include "printing/printer_assembly.h"
#include "printing/qt/gui_application.h"
#include "printing/qt/output_device.h"
#include "printing/qt/printer_fonts.h"
#include "printing/qt/qt_printer_sink.h"
#include "printing/spooling_sink.h"
#include "printing/text_printer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <malloc.h>


namespace printing::qt {

namespace {

constexpr int kDotsPerInch = 1440;
// The page's origin is the corner of a printable area with even margins: the declaration's
// frame is 20 cm wide, so 5 mm on each side of A4 (21 cm) centres it, inside what every
// office printer prints. QPdfWriter paints from the margins' corner, as a QPrinter paints
// from its printable area's.
constexpr double kPdfMarginMm = (210.0 - 200.0) / 2;
const char* const kDocumentName = "DECLARATION NOMINATIVE TRIMESTRIELLE";

// Qt's PDF engine compresses each page through two buffers of 16 MB that it allocates and
// frees page after page. With glibc's defaults the heap is trimmed, then grown again, at
// each page: the kernel maps and zeroes 32 MB a page, which took as long as painting the
// quarter. Kept in the heap, they cost their first allocation only (about 25 MB more at
// the peak).
void keepPageBuffers() {
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
        return true;
    }();
    (void)kept;
}

void prepareQt() {
    ensureGuiApplication();
    checkPrinterFontFiles();
    keepPageBuffers();
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
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                      QPageLayout::Millimeter));
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
                                     const std::filesystem::path& journal, std::unique_ptr<PageSink> alongside,
                                     bool spool) {
    if (isMatrixPrinterName(name)) return openTextPrinter(name, output, journal, std::move(alongside));
    std::unique_ptr<PageSink> sink;
    if (name == kPdfPrinterName) {
        if (output.empty()) throw OutputError("the printer " + name + " needs an output file");
        sink = openPdfSink(output);
    } else {
        sink = openSystemPrinterSink(name);
    }
    // Painted on a thread of its own while the run goes on with the next aidés.
    if (spool) sink = std::make_unique<SpoolingSink>(std::move(sink));
    return assemblePrinter(std::move(sink), name, journal, std::move(alongside));
}

}  // namespace printing::qt
