// A sink that hands every operation to two others.
#include "printing/tee_sink.h"

#include <utility>

namespace printing {

TeeSink::TeeSink(std::unique_ptr<PageSink> first, std::unique_ptr<PageSink> second)
    : first_(std::move(first)), second_(std::move(second)) {}

void TeeSink::beginPage(int number) {
    first_->beginPage(number);
    second_->beginPage(number);
}

void TeeSink::font(const std::string& name, double points, bool bold) {
    first_->font(name, points, bold);
    second_->font(name, points, bold);
}

void TeeSink::width(int drawWidth) {
    first_->width(drawWidth);
    second_->width(drawWidth);
}

void TeeSink::text(double x, double y, const std::string& text) {
    first_->text(x, y, text);
    second_->text(x, y, text);
}

void TeeSink::line(double x1, double y1, double x2, double y2) {
    first_->line(x1, y1, x2, y2);
    second_->line(x1, y1, x2, y2);
}

void TeeSink::endDocument() {
    first_->endDocument();
    second_->endDocument();
}

void TeeSink::deliver() {
    first_->deliver();
    second_->deliver();
}

void TeeSink::abandon() {
    first_->abandon();
    second_->abandon();
}

}  // namespace printing
