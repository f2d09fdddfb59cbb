// The sink of matrix printers: runs laid on a grid of characters, pages as text.
#include "printing/text_page_writer.h"

#include "printing/page_metrics.h"
#include "printing/output_error.h"
#include "numbers/utf8.h"

#include <algorithm>
#include <cmath>

namespace printing {

namespace {

std::size_t gridIndex(double position, double step) {
    double v = std::floor(position / step + 0.5);
    return v < 0 ? 0 : static_cast<std::size_t>(v);
}

}  // namespace

TextPageWriter::TextPageWriter(std::ostream& out) : out_(out) {}

TextPageWriter::TextPageWriter(const std::filesystem::path& file)
    : file_(std::make_unique<OutputFile>(file, OutputFile::Mode::Delivered)), out_(file_->stream()) {}

TextPageWriter::~TextPageWriter() = default;

void TextPageWriter::check() {
    if (!out_) throw OutputError(file_ && !file_->error().empty() ? file_->error() : "cannot write the printer's text");
}

TextPageWriter::Cell& TextPageWriter::cell(std::size_t row, std::size_t column) {
    Row& r = rows_[row];
    if (r.size() <= column) r.resize(column + 1);
    return r[column];
}

void TextPageWriter::beginPage(int number) {
    if (pageOpen_) writePage();
    pageOpen_ = true;
}

void TextPageWriter::font(const std::string&, double points, bool) { points_ = points; }

void TextPageWriter::width(int) {}

void TextPageWriter::text(double x, double y, const std::string& text) {
    pageOpen_ = true;
    std::size_t row = gridIndex(y, lineHeight(points_));
    std::size_t column = gridIndex(x, charWidth(points_));
    for (std::string& c : dnt::utf8::splitChars(text)) cell(row, column++).text = std::move(c);
}

void TextPageWriter::line(double x1, double y1, double x2, double y2) {
    pageOpen_ = true;
    if (y1 != y2) return;
    double w = charWidth(points_);
    std::size_t first = gridIndex(std::min(x1, x2), w);
    std::size_t last = std::max(first + 1, gridIndex(std::max(x1, x2), w));
    std::size_t row = gridIndex(y1, lineHeight(points_));
    for (std::size_t c = first; c < last; ++c) cell(row, c).ruled = true;
}

void TextPageWriter::endDocument() {
    if (pageOpen_) writePage();
    out_.flush();
    check();
    if (file_) file_->sync();
}

void TextPageWriter::deliver() {
    if (file_) file_->deliver();
}

void TextPageWriter::writePage() {
    if (anyPageWritten_) out_ << '\f';
    anyPageWritten_ = true;
    std::size_t next = 0;
    for (const auto& [row, cells] : rows_) {
        for (; next < row; ++next) out_ << '\n';
        std::string text;
        for (const Cell& c : cells) {
            bool blank = c.text.empty() || c.text == " ";
            text += !blank ? c.text : c.ruled ? "-" : " ";
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out_ << text << '\n';
        next = row + 1;
    }
    rows_.clear();
    pageOpen_ = false;
    out_.flush();
    check();
}

}  // namespace printing
