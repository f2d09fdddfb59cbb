// The Qt back-end: paints the placed operations of the page model on a paged device
// (a PDF file or a system printer) with QPainter.
#pragma once

#include "printing/page_sink.h"
#include "printing/qt/output_device.h"
#include "printing/qt/page_painter.h"

#include <QPainter>
#include <QRawFont>

#include <map>
#include <memory>
#include <string>
#include <tuple>

class QPagedPaintDevice;

namespace printing::qt {

// One twip is one device unit when the device has 1440 dots to the inch; any other
// resolution is scaled to it; the pages are painted by PagePainter. A new document opens
// the device (a new job). On a file (an OutputDevice given) endDocument() finishes the PDF
// in its temporary file and deliver() puts it in place; on a system printer deliver()
// sends the job and abandon() cancels it. A document with no page leaves a system printer
// alone; on a file it writes one blank page so the file still exists.
class QtPrinterSink : public PageSink {
public:
    // A system printer's device.
    explicit QtPrinterSink(std::unique_ptr<QPagedPaintDevice> device);
    // A PDF writer writing to `output`.
    QtPrinterSink(std::unique_ptr<OutputDevice> output, std::unique_ptr<QPagedPaintDevice> device);
    ~QtPrinterSink() override;

    void beginPage(int number) override;
    void font(const std::string& name, double points, bool bold) override;
    void width(int drawWidth) override;
    void text(double x, double y, const std::string& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void endDocument() override;
    void deliver() override;
    void abandon() override;

private:
    void open();
    void checkOutput();

    std::unique_ptr<OutputDevice> output_;  // outlives the device that writes to it
    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter qpainter_;
    PagePainter painter_;
};

}  // namespace printing::qt
