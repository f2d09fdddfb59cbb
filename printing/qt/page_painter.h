// The one place that paints the page model's operations with a QPainter: the PDF writer,
// the system printers and the preview all draw their pages through it, in twips (the
// painter is scaled so that one unit is one twip).
#pragma once

#include <QPainter>
#include <QRawFont>

#include <map>
#include <string>
#include <tuple>

namespace printing::qt {

// Text is drawn glyph by glyph at the page model's pitch (0.6 em), its top at y (baseline
// = y + ascent of the font). A line width counts as pixels of a 300-dot printer: 4.8 twips
// each, round caps, black.
class PagePainter {
public:
    static constexpr double kTwipsPerDrawWidth = 1440.0 / 300.0;

    // Scales `painter` from its device's resolution to twips.
    static void scaleToTwips(QPainter& painter, double dpiX, double dpiY);

    void font(const std::string& name, double points, bool bold);
    void width(int drawWidth) { drawWidth_ = drawWidth; }
    void text(QPainter& painter, double x, double y, const std::string& text);
    void line(QPainter& painter, double x1, double y1, double x2, double y2);

private:
    const QRawFont& rawFont();

    std::string fontName_ = "Courier New";
    double points_ = 10;
    bool bold_ = false;
    int drawWidth_ = 1;
    std::map<std::tuple<std::string, double, bool>, QRawFont> fonts_;
};

}  // namespace printing::qt
