// The receiving end of a printer: already placed drawing operations, page by page.
#pragma once

#include <string>

namespace printing {

// Every position is final, in twips from the top left of the page; a back-end only
// draws. The page model calls, for each document: beginPage(1), then drawing
// operations, beginPage(2) ..., and endDocument() (also for a document with no page),
// then deliver(); or abandon() for a document that will never be delivered. A failure
// of the output raises OutputError (output_error.h).
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
    // The whole document is drawn and on disk (or with the printer), not yet delivered.
    virtual void endDocument() = 0;
    // Hands the document over: a file is put in place, a job goes to the printer.
    virtual void deliver() {}
    // A document that ends without being delivered: nothing of it stays.
    virtual void abandon() {}
};

}  // namespace printing
