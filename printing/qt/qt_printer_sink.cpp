// The Qt back-end: paints the placed operations of the page model with QPainter.
#include "printing/qt/qt_printer_sink.h"

#include "printing/page_metrics.h"
#include "printing/output_error.h"
#include "printing/qt/printer_fonts.h"
#include "printing/utf8.h"

#include <QGlyphRun>
#include <QLineF>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QVector>

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
    if (painter_.isActive()) return;
    if (!painter_.begin(device_.get())) throw OutputError("the printer cannot start a document");
    painter_.scale(device_->logicalDpiX() / 1440.0, device_->logicalDpiY() / 1440.0);
    painter_.setRenderHint(QPainter::Antialiasing);
}

void QtPrinterSink::beginPage(int number) {
    if (!painter_.isActive()) {
        open();
        return;
    }
    if (!device_->newPage()) throw OutputError("the printer cannot start page " + std::to_string(number));
    checkOutput();
}

void QtPrinterSink::font(const std::string& name, double points, bool bold) {
    fontName_ = name;
    points_ = points;
    bold_ = bold;
}

void QtPrinterSink::width(int drawWidth) { drawWidth_ = drawWidth; }

const QRawFont& QtPrinterSink::rawFont() {
    auto key = std::make_tuple(fontName_, points_, bold_);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) it = fonts_.emplace(key, printerFont(fontName_, points_, bold_)).first;
    return it->second;
}

void QtPrinterSink::text(double x, double y, const std::string& text) {
    open();
    const QRawFont& raw = rawFont();
    // One glyph per character of the page model; the font has no ligatures, so the whole
    // text maps at once unless it holds bytes that are not UTF-8.
    QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromStdString(text));
    if (static_cast<std::size_t>(glyphs.size()) != countChars(text)) {
        glyphs.clear();
        for (const std::string& c : splitChars(text)) {
            QList<quint32> one = raw.glyphIndexesForString(QString::fromStdString(c));
            glyphs.push_back(one.isEmpty() ? 0 : one.front());
        }
    }
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    const double pitch = charWidth(points_);
    for (qsizetype i = 0; i < glyphs.size(); ++i) positions.push_back(QPointF(static_cast<double>(i) * pitch, 0));

    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter_.drawGlyphRun(QPointF(x, y + raw.ascent()), run);
}

void QtPrinterSink::line(double x1, double y1, double x2, double y2) {
    open();
    QPen pen(Qt::black, drawWidth_ * kTwipsPerDrawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.drawLine(QLineF(x1, y1, x2, y2));
}

void QtPrinterSink::endDocument() {
    if (!output_) return;  // a system printer's job stays open until it is delivered
    if (!painter_.isActive()) open();  // an empty document still makes a file, one blank page
    if (!painter_.end()) throw OutputError("the PDF writer cannot end the document");
    checkOutput();
    output_->file().sync();
}

void QtPrinterSink::deliver() {
    if (output_) {
        output_->file().deliver();
        return;
    }
    if (painter_.isActive() && !painter_.end()) throw OutputError("the printer refused the document");
}

void QtPrinterSink::abandon() {
    if (!painter_.isActive()) return;
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get())) {
        printer->abort();  // the job is cancelled, not sent
        painter_.end();
        return;
    }
    painter_.end();  // the PDF's temporary file goes with its OutputFile
}

}  // namespace printing::qt
