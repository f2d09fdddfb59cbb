// The print journal sink: one line per printer operation.
#include "printing/journal_writer.h"

#include "printing/json_string.h"
#include "printing/output_error.h"

#include <cmath>
#include <cstdio>

namespace printing {

long long roundTwips(double v) {
    double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5) r = 2.0 * std::round(v / 2.0);
    return static_cast<long long>(r);
}

std::string formatNumber(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
    return s == "-0" ? "0" : s;
}

JournalWriter::JournalWriter(std::ostream& out) : out_(out) {}

JournalWriter::JournalWriter(const std::filesystem::path& file)
    : file_(std::make_unique<OutputFile>(file, OutputFile::Mode::InPlace)), out_(file_->stream()) {}

JournalWriter::~JournalWriter() = default;

void JournalWriter::check() {
    if (!out_) throw OutputError(file_ && !file_->error().empty() ? file_->error() : "cannot write the print journal");
}

void JournalWriter::beginPage(int number) {
    if (number == 1) return;
    out_ << "PAGE " << number << '\n';
    out_.flush();  // a failing disk is found page by page
    check();
}

void JournalWriter::font(const std::string& name, double points, bool bold) {
    font_ = Font{name, points, bold};
}

void JournalWriter::width(int drawWidth) { width_ = drawWidth; }

void JournalWriter::text(double x, double y, const std::string& text) {
    if (fontWritten_ != font_) {
        out_ << "FONT " << jsonQuote(font_.name) << ' ' << formatNumber(font_.size) << ' '
             << (font_.bold ? 1 : 0) << '\n';
        fontWritten_ = font_;
    }
    out_ << "TEXT " << roundTwips(x) << ' ' << roundTwips(y) << ' ' << jsonQuote(text) << '\n';
    check();
}

void JournalWriter::line(double x1, double y1, double x2, double y2) {
    if (widthWritten_ != width_) {
        out_ << "WIDTH " << width_ << '\n';
        widthWritten_ = width_;
    }
    out_ << "LINE " << roundTwips(x1) << ' ' << roundTwips(y1) << ' ' << roundTwips(x2) << ' '
         << roundTwips(y2) << '\n';
    check();
}

void JournalWriter::endDocument() {
    out_.flush();
    check();
}

void JournalWriter::deliver() {
    out_ << "END\n";
    out_.flush();
    check();
    if (file_) file_->sync();
    fontWritten_.reset();
    widthWritten_.reset();
    font_ = Font{"Courier New", 10, false};
    width_ = 1;
}

}  // namespace printing
