// A sink that hands every operation to two others, e.g. a printer and its journal.
#pragma once

#include "printing/page_sink.h"

#include <memory>

namespace printing {

class TeeSink : public PageSink {
public:
    TeeSink(std::unique_ptr<PageSink> first, std::unique_ptr<PageSink> second);

    void beginPage(int number) override;
    void font(const std::string& name, double points, bool bold) override;
    void width(int drawWidth) override;
    void text(double x, double y, const std::string& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void endDocument() override;
    void deliver() override;
    void abandon() override;

private:
    std::unique_ptr<PageSink> first_;
    std::unique_ptr<PageSink> second_;
};

}  // namespace printing
