// The sink of matrix printers: lays every run on a grid of characters and writes each
// page as lines of fixed-pitch text, pages separated by form feeds.
#pragma once

#include "printing/output_file.h"
#include "printing/page_sink.h"

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace printing {

// A run goes to column round(x / character width) and row round(y / line height), both
// of the run's own font (page_metrics.h), negative ones to 0; its characters fill the
// cells from there, a later character replacing an earlier one. A horizontal line is
// shown as '-' in the cells of its row from column round(x1 / w) to round(x2 / w) - 1
// (at least one cell), with the metrics of the last font sent, wherever no character
// other than a blank lies, whatever the order of text and line; other lines are not
// drawn. Bold is not shown. A page is written as its rows down to the last
// one holding something, each without trailing blanks and ended by "\n"; a form feed
// "\f" is written before every page but the first of the output, so an empty page is
// a form feed alone. Pages go to the stream as soon as they end.
class TextPageWriter : public PageSink {
public:
    explicit TextPageWriter(std::ostream& out);
    // Writes the file through a temporary one, put in place when the document is
    // delivered; throws OutputError when it cannot be created or written.
    explicit TextPageWriter(const std::filesystem::path& file);
    ~TextPageWriter() override;

    void beginPage(int number) override;
    void font(const std::string& name, double points, bool bold) override;
    void width(int drawWidth) override;
    void text(double x, double y, const std::string& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void endDocument() override;
    void deliver() override;

private:
    struct Cell {
        std::string text;  // one character (UTF-8), "" when nothing was printed there
        bool ruled = false;
    };
    using Row = std::vector<Cell>;

    void writePage();
    Cell& cell(std::size_t row, std::size_t column);

    void check();

    std::unique_ptr<OutputFile> file_;
    std::ostream& out_;
    double points_ = 10;
    bool pageOpen_ = false;
    bool anyPageWritten_ = false;
    std::map<std::size_t, Row> rows_;
};

}  // namespace printing
