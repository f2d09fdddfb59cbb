// The Qt back-end: the page model's operations painted on a PDF writer or a system printer.
#include "printing/qt/qt_printer_sink.h"

#include "printing/output_error.h"

#include <QPagedPaintDevice>
#include <QPrinter>

#include <utility>

namespace printing::qt {

QtPrinterSink::QtPrinterSink(std::unique_ptr<QPagedPaintDevice> device)
    : device_(std::move(device)) {}

QtPrinterSink::QtPrinterSink(std::unique_ptr<OutputDevice> output, std::unique_ptr<QPagedPaintDevice> device)
    : output_(std::move(output)), device_(std::move(device)) {}

QtPrinterSink::~QtPrinterSink() {
    try {
        abandon();
    } catch (...) {
    }
}

void QtPrinterSink::checkOutput() {
    if (output_) output_->check();
}

void QtPrinterSink::open() {
    if (qpainter_.isActive()) return;
    if (!qpainter_.begin(device_.get())) throw OutputError("the printer cannot start a document");
    PagePainter::scaleToTwips(qpainter_, device_->logicalDpiX(), device_->logicalDpiY());
}

void QtPrinterSink::beginPage(int number) {
    if (!qpainter_.isActive()) {
        open();
        return;
    }
    if (!device_->newPage()) throw OutputError("the printer cannot start page " + std::to_string(number));
    checkOutput();
}

void QtPrinterSink::font(const std::string& name, double points, bool bold) { painter_.font(name, points, bold); }

void QtPrinterSink::width(int drawWidth) { painter_.width(drawWidth); }

void QtPrinterSink::text(double x, double y, const std::string& text) {
    open();
    painter_.text(qpainter_, x, y, text);
}

void QtPrinterSink::line(double x1, double y1, double x2, double y2) {
    open();
    painter_.line(qpainter_, x1, y1, x2, y2);
}

void QtPrinterSink::endDocument() {
    if (!output_) return;  // a system printer's job stays open until it is delivered
    if (!qpainter_.isActive()) open();  // an empty document still makes a file, one blank page
    if (!qpainter_.end()) throw OutputError("the PDF writer cannot end the document");
    checkOutput();
    output_->file().sync();
}

void QtPrinterSink::deliver() {
    if (output_) {
        output_->file().deliver();
        return;
    }
    if (qpainter_.isActive() && !qpainter_.end()) throw OutputError("the printer refused the document");
}

void QtPrinterSink::abandon() {
    if (!qpainter_.isActive()) return;
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get())) {
        printer->abort();  // the job is cancelled, not sent
        qpainter_.end();
        return;
    }
    qpainter_.end();  // the PDF's temporary file goes with its OutputFile
}

}  // namespace printing::qt
