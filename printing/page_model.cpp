// The page model: position arithmetic and the cutting of printed items into runs.
#include "printing/page_model.h"

#include "printing/page_metrics.h"
#include "printing/printer_error.h"
#include "printing/utf8.h"

#include <cmath>
#include <utility>

namespace printing {

PageModel::PageModel(PageSink& sink, std::string deviceName)
    : sink_(sink), deviceName_(std::move(deviceName)) {}

PageModel::PageModel(std::unique_ptr<PageSink> sink, std::string deviceName)
    : ownedSink_(std::move(sink)), sink_(*ownedSink_), deviceName_(std::move(deviceName)) {}

PageModel::~PageModel() {
    try {
        abandonDoc();
    } catch (...) {
        // A destructor cannot report; the document is lost as an unsent job would be.
    }
}

void PageModel::abandonDoc() {
    if (!documentOpen_) return;
    documentOpen_ = false;
    run_.clear();
    page_ = 1;
    x_ = 0;
    y_ = 0;
    fontSent_.reset();
    widthSent_.reset();
    sink_.abandon();
}

void PageModel::setCurrentX(double x) {
    flushRun();
    x_ = x;
}

void PageModel::setCurrentY(double y) {
    flushRun();
    y_ = y;
}

void PageModel::changeFont(const Font& font) {
    if (font == font_) return;
    flushRun();
    font_ = font;
}

void PageModel::setFontName(const std::string& name) {
    Font f = font_;
    f.name = name;
    changeFont(f);
}

void PageModel::setFontSize(double points) {
    if (!(points > 0) || !std::isfinite(points))
        throw InvalidPropertyValue("font size " + std::to_string(points));
    Font f = font_;
    f.size = points;
    changeFont(f);
}

void PageModel::setFontBold(bool bold) {
    Font f = font_;
    f.bold = bold;
    changeFont(f);
}

void PageModel::setDrawWidth(int width) {
    if (width < 1) throw InvalidPropertyValue("line width " + std::to_string(width));
    drawWidth_ = width;
}

void PageModel::print(std::string_view text) { printItems(text, true); }

void PageModel::printNoNewline(std::string_view text) { printItems(text, false); }

void PageModel::printItems(std::string_view text, bool endLine) {
    beginDocument();
    while (true) {
        std::size_t stop = text.find_first_of("\r\n");
        if (stop == std::string_view::npos) break;
        appendToRun(text.substr(0, stop));
        newLine();
        std::size_t next = stop + 1;
        if (text[stop] == '\r' && next < text.size() && text[next] == '\n') ++next;
        text.remove_prefix(next);
    }
    appendToRun(text);
    if (endLine) newLine();
}

void PageModel::appendToRun(std::string_view text) {
    if (text.empty()) return;
    if (run_.empty()) {
        runX_ = x_;
        runY_ = y_;
    }
    run_.append(text);
    x_ += static_cast<double>(countChars(text)) * charWidth(font_.size);
}

void PageModel::newLine() {
    flushRun();
    x_ = 0;
    y_ += lineHeight(font_.size);
}

void PageModel::flushRun() {
    if (run_.empty()) return;
    std::string run = std::move(run_);
    run_.clear();
    std::size_t first = run.find_first_not_of(' ');
    if (first == std::string::npos) return;
    std::size_t last = run.find_last_not_of(' ');
    sendFont();
    sink_.text(runX_ + static_cast<double>(first) * charWidth(font_.size), runY_,
               run.substr(first, last - first + 1));
}

void PageModel::sendFont() {
    if (fontSent_ == font_) return;
    sink_.font(font_.name, font_.size, font_.bold);
    fontSent_ = font_;
}

void PageModel::beginDocument() {
    if (documentOpen_) return;
    documentOpen_ = true;
    page_ = 1;
    sink_.beginPage(1);
}

void PageModel::line(double x1, double y1, double x2, double y2) {
    flushRun();
    beginDocument();
    sendFont();
    if (widthSent_ != drawWidth_) {
        sink_.width(drawWidth_);
        widthSent_ = drawWidth_;
    }
    sink_.line(x1, y1, x2, y2);
    x_ = x2;
    y_ = y2;
}

void PageModel::newPage() {
    flushRun();
    beginDocument();
    ++page_;
    sink_.beginPage(page_);
    x_ = 0;
    y_ = 0;
}

void PageModel::endDoc() {
    flushRun();
    documentOpen_ = false;
    page_ = 1;
    x_ = 0;
    y_ = 0;
    fontSent_.reset();
    widthSent_.reset();
    try {
        sink_.endDocument();
        if (beforeDelivery_) beforeDelivery_();
        sink_.deliver();
    } catch (...) {
        try {
            sink_.abandon();
        } catch (...) {
        }
        throw;
    }
}

}  // namespace printing
