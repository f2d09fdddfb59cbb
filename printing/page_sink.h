// The receiving end of a printer: already placed drawing operations, page by page.
#pragma once

#include <string>

namespace printing {

// Every position is final, in twips from the top left of the page; a back-end only
// draws. The page model calls, for each document: beginPage(1), then drawing
// operations, beginPage(2) ..., and endDocument() (also for a document with no page).
// font() comes before a text or line whose font differs from the last one sent;
// width() before a line whose width differs from the last one sent.
class PageSink {
public:
    virtual ~PageSink() = default;

    virtual void beginPage(int number) = 0;
    virtual void font(const std::string& name, double points, bool bold) = 0;
    virtual void width(int drawWidth) = 0;
    // A run of text (UTF-8, no leading or trailing blank) whose first character's left
    // edge is at x and whose top is at y.
    virtual void text(double x, double y, const std::string& text) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void endDocument() = 0;
};

}  // namespace printing
