// The page model: position arithmetic and the cutting of printed items into runs.
#include "printing/page_model.h"

#include "printing/page_metrics.h"
#include "printing/printer_error.h"
#include "numbers/utf8.h"

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
    holdStart_.reset();
    held_.clear();
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
    x_ += static_cast<double>(dnt::utf8::countChars(text)) * charWidth(font_.size);
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
    emitText(runX_ + static_cast<double>(first) * charWidth(font_.size), runY_, run.substr(first, last - first + 1));
}

void PageModel::sendFont() {
    if (fontSent_ == font_) return;
    emitFont();
    fontSent_ = font_;
}

void PageModel::beginDocument() {
    if (documentOpen_) return;
    documentOpen_ = true;
    page_ = 1;
    emitPage(1);
}

void PageModel::line(double x1, double y1, double x2, double y2) {
    flushRun();
    beginDocument();
    sendFont();
    if (widthSent_ != drawWidth_) {
        emitWidth();
        widthSent_ = drawWidth_;
    }
    emitLine(x1, y1, x2, y2);
    x_ = x2;
    y_ = y2;
}

void PageModel::newPage() {
    flushRun();
    beginDocument();
    ++page_;
    emitPage(page_);
    x_ = 0;
    y_ = 0;
}

// Every placed operation goes to the sink, or waits with the held pages.
void PageModel::emitPage(int number) {
    if (holdStart_) held_.push_back({Held::Page, {}, static_cast<double>(number)});
    else sink_.beginPage(number);
}

void PageModel::emitFont() {
    if (holdStart_) held_.push_back({Held::FontOp, font_.name, font_.size, font_.bold ? 1.0 : 0.0});
    else sink_.font(font_.name, font_.size, font_.bold);
}

void PageModel::emitWidth() {
    if (holdStart_) held_.push_back({Held::WidthOp, {}, static_cast<double>(drawWidth_)});
    else sink_.width(drawWidth_);
}

void PageModel::emitText(double x, double y, std::string text) {
    if (holdStart_) held_.push_back({Held::TextOp, std::move(text), x, y});
    else sink_.text(x, y, text);
}

void PageModel::emitLine(double x1, double y1, double x2, double y2) {
    if (holdStart_) held_.push_back({Held::LineOp, {}, x1, y1, x2, y2});
    else sink_.line(x1, y1, x2, y2);
}

void PageModel::holdPages() {
    releaseHeldPages(true);
    // What was being gathered before the hold is not the held declaration's.
    flushRun();
    holdStart_ = Saved{x_, y_, font_, drawWidth_, page_, documentOpen_, fontSent_, widthSent_};
}

void PageModel::releaseHeldPages(bool keep) {
    if (!holdStart_) return;
    if (keep) {
        holdStart_.reset();
        std::vector<Held> ops = std::move(held_);
        held_.clear();
        for (const Held& op : ops) {
            switch (op.kind) {
            case Held::Page: sink_.beginPage(static_cast<int>(op.a)); break;
            case Held::FontOp: sink_.font(op.text, op.a, op.b != 0); break;
            case Held::WidthOp: sink_.width(static_cast<int>(op.a)); break;
            case Held::TextOp: sink_.text(op.a, op.b, op.text); break;
            case Held::LineOp: sink_.line(op.a, op.b, op.c, op.d); break;
            }
        }
        return;
    }
    run_.clear();
    const Saved& s = *holdStart_;
    x_ = s.x;
    y_ = s.y;
    font_ = s.font;
    drawWidth_ = s.drawWidth;
    page_ = s.page;
    documentOpen_ = s.documentOpen;
    fontSent_ = s.fontSent;
    widthSent_ = s.widthSent;
    holdStart_.reset();
    held_.clear();
}

void PageModel::endDoc() {
    releaseHeldPages(true);
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
