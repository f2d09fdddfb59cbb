// The printer as the declaration printing code sees it: a page with a current position
// in twips, a font, a line width, text output, lines and pages, like the Basic Printer.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace printing {

// All positions are in twips (1440 to the inch, 567 to the centimetre), measured from
// the top left corner of the printable page, y growing downwards.
class Printer {
public:
    virtual ~Printer() = default;

    virtual double currentX() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentY(double y) = 0;

    virtual const std::string& fontName() const = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual double fontSize() const = 0;  // points
    virtual void setFontSize(double points) = 0;
    virtual bool fontBold() const = 0;
    virtual void setFontBold(bool bold) = 0;

    // Width of the lines drawn from now on, a whole number of at least 1.
    virtual int drawWidth() const = 0;
    virtual void setDrawWidth(int width) = 0;

    // Prints text (UTF-8) at the current position, then moves to the start of the next
    // line: x = 0, y one line height of the current font lower. `print("")` only moves.
    virtual void print(std::string_view text) = 0;
    // Prints text and leaves the position right after it, on the same line.
    virtual void printNoNewline(std::string_view text) = 0;

    // A straight black line; afterwards the current position is (x2, y2).
    virtual void line(double x1, double y1, double x2, double y2) = 0;

    // Ends the current page; the next output goes to the top left of a new one.
    virtual void newPage() = 0;
    // Ends the document and sends it; the next output starts a new document on page 1.
    virtual void endDoc() = 0;
    // Runs once the whole document is drawn and before it is delivered (a file put in
    // place, a job sent): what must be done first, such as committing the records the
    // document declares. A failure there keeps the document from being delivered.
    virtual void setBeforeDelivery(std::function<void()> hook) { (void)hook; }
    // Ends a document that will not be delivered (a run that failed): nothing of it stays.
    virtual void abandonDoc() {}
    // The pages of one declaration are held back until its records are written: from
    // holdPages() on, what is drawn stays with the printer; releaseHeldPages(true) sends it
    // on, releaseHeldPages(false) forgets it as if it had never been drawn (page count,
    // position, font and line width as they were at holdPages()).
    virtual void holdPages() {}
    virtual void releaseHeldPages(bool keep) { (void)keep; }
    // A preview only shows the pages: a run printed on it keeps no record.
    virtual bool preview() const { return false; }

    // Number of the current page of the document, from 1.
    virtual int page() const = 0;
    virtual const std::string& deviceName() const = 0;
};

}  // namespace printing
