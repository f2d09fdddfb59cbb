// Painting the page model's operations.
#include "printing/qt/page_painter.h"

#include <QGlyphRun>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>

#include "printing/page_metrics.h"
#include "printing/qt/printer_fonts.h"
#include "numbers/utf8.h"

namespace printing::qt {

void PagePainter::scaleToTwips(QPainter& painter, double dpiX, double dpiY) {
    painter.scale(dpiX / 1440.0, dpiY / 1440.0);
    painter.setRenderHint(QPainter::Antialiasing);
}

void PagePainter::font(const std::string& name, double points, bool bold) {
    fontName_ = name;
    points_ = points;
    bold_ = bold;
}

const QRawFont& PagePainter::rawFont() {
    auto key = std::make_tuple(fontName_, points_, bold_);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) it = fonts_.emplace(key, printerFont(fontName_, points_, bold_)).first;
    return it->second;
}

void PagePainter::text(QPainter& painter, double x, double y, const std::string& text) {
    const QRawFont& raw = rawFont();
    // One glyph per character of the page model; the font has no ligatures, so the whole
    // text maps at once unless it holds bytes that are not UTF-8.
    QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromStdString(text));
    if (static_cast<std::size_t>(glyphs.size()) != dnt::utf8::countChars(text)) {
        glyphs.clear();
        for (const std::string& c : dnt::utf8::splitChars(text)) {
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
    painter.drawGlyphRun(QPointF(x, y + raw.ascent()), run);
}

void PagePainter::line(QPainter& painter, double x1, double y1, double x2, double y2) {
    QPen pen(Qt::black, drawWidth_ * kTwipsPerDrawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawLine(QLineF(x1, y1, x2, y2));
}

}  // namespace printing::qt
