// Pages kept in memory as the page model sends them, to be shown (the preview) or sent
// again to another sink: one list of operations per page, each page standing alone (it
// starts with the font and line width in force).
#pragma once

#include <string>
#include <vector>

#include "printing/page_sink.h"

namespace printing {

class RecordedPages : public PageSink {
public:
    struct Op {
        enum Kind { Font, Width, Text, Line } kind;
        std::string text;  // the font name, or the text
        double a = 0, b = 0, c = 0, d = 0;  // size and bold, width, x y, or x1 y1 x2 y2
    };

    void beginPage(int number) override;
    void font(const std::string& name, double points, bool bold) override;
    void width(int drawWidth) override;
    void text(double x, double y, const std::string& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void endDocument() override {}
    void abandon() override { pages_.clear(); }

    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Sends page `index` (from 0) to `sink` as one document of one page.
    void replay(int index, PageSink& sink) const;

private:
    std::vector<std::vector<Op>> pages_;
    Op font_{Op::Font, "Courier New", 10, 0};
    Op width_{Op::Width, {}, 1};
};

}  // namespace printing
