// Pages kept in memory.
#include "printing/recorded_pages.h"

namespace printing {

void RecordedPages::beginPage(int number) {
    if (number == 1) pages_.clear();
    pages_.push_back({font_, width_});
}

void RecordedPages::font(const std::string& name, double points, bool bold) {
    font_ = {Op::Font, name, points, bold ? 1.0 : 0.0};
    if (!pages_.empty()) pages_.back().push_back(font_);
}

void RecordedPages::width(int drawWidth) {
    width_ = {Op::Width, {}, static_cast<double>(drawWidth)};
    if (!pages_.empty()) pages_.back().push_back(width_);
}

void RecordedPages::text(double x, double y, const std::string& text) {
    if (!pages_.empty()) pages_.back().push_back({Op::Text, text, x, y});
}

void RecordedPages::line(double x1, double y1, double x2, double y2) {
    if (!pages_.empty()) pages_.back().push_back({Op::Line, {}, x1, y1, x2, y2});
}

void RecordedPages::replay(int index, PageSink& sink) const {
    sink.beginPage(1);
    for (const Op& op : pages_.at(static_cast<size_t>(index))) {
        switch (op.kind) {
        case Op::Font: sink.font(op.text, op.a, op.b != 0); break;
        case Op::Width: sink.width(static_cast<int>(op.a)); break;
        case Op::Text: sink.text(op.a, op.b, op.text); break;
        case Op::Line: sink.line(op.a, op.b, op.c, op.d); break;
        }
    }
    sink.endDocument();
}

}  // namespace printing
