// The Qt back-end: paints the placed operations of the page model on a paged device
// (a PDF file or a system printer) with QPainter.
#pragma once

#include "printing/page_sink.h"
#include "printing/qt/output_device.h"

#include <QPainter>
#include <QRawFont>

#include <map>
#include <memory>
#include <string>
#include <tuple>

class QPagedPaintDevice;

namespace printing::qt {

// One twip is one device unit when the device has 1440 dots to the inch; any other
// resolution is scaled to it. Text is drawn glyph by glyph at the page model's pitch
// (0.6 em), its top at y (baseline = y + ascent of the font). A line width counts as
// pixels of a 300-dot printer: 4.8 twips each, round caps, black. A new document opens
// the device (a new job). On a file (an OutputDevice given) endDocument() finishes the PDF
// in its temporary file and deliver() puts it in place; on a system printer deliver()
// sends the job and abandon() cancels it. A document with no page leaves a system printer
// alone; on a file it writes one blank page so the file still exists.
class QtPrinterSink : public PageSink {
public:
    static constexpr double kTwipsPerDrawWidth = 1440.0 / 300.0;

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
    const QRawFont& rawFont();

    void checkOutput();

    std::unique_ptr<OutputDevice> output_;  // outlives the device that writes to it
    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter painter_;

    std::string fontName_ = "Courier New";
    double points_ = 10;
    bool bold_ = false;
    int drawWidth_ = 1;
    std::map<std::tuple<std::string, double, bool>, QRawFont> fonts_;
};

}  // namespace printing::qt
