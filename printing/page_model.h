// The one page model of every printer: keeps position, font and line width, gathers
// printed items into runs and sends already placed operations to a PageSink.
#pragma once

#include "printing/page_sink.h"
#include "printing/printer.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace printing {

// A character is 0.6 em wide and a line 2320/2048 em high (page_metrics.h). A run is
// what consecutive print items put on one line until the position is set, a newline, a
// font change (a set that leaves name, size and bold as they were is no change), a line,
// a new page or the end of the document. Leading and trailing blanks (U+0020) of a run
// are not sent: x moves right one character per leading blank, and a run of blanks only
// is not sent at all. A line feed inside printed text (alone or after a carriage return,
// or a carriage return alone) ends the line as a print statement does.
// A document begins at the first print, line or new page; endDoc() always reaches the
// sink, so an empty document still ends, and is delivered after the before-delivery hook.
// A document left open at destruction (a run that failed) is abandoned, not delivered.
class PageModel : public Printer {
public:
    static constexpr const char* kDefaultFontName = "Courier New";
    static constexpr double kDefaultFontSize = 10.0;

    PageModel(PageSink& sink, std::string deviceName);
    PageModel(std::unique_ptr<PageSink> sink, std::string deviceName);
    ~PageModel() override;
    PageModel(const PageModel&) = delete;
    PageModel& operator=(const PageModel&) = delete;

    double currentX() const override { return x_; }
    void setCurrentX(double x) override;
    double currentY() const override { return y_; }
    void setCurrentY(double y) override;

    const std::string& fontName() const override { return font_.name; }
    void setFontName(const std::string& name) override;
    double fontSize() const override { return font_.size; }
    void setFontSize(double points) override;
    bool fontBold() const override { return font_.bold; }
    void setFontBold(bool bold) override;

    int drawWidth() const override { return drawWidth_; }
    void setDrawWidth(int width) override;

    void print(std::string_view text) override;
    void printNoNewline(std::string_view text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    void endDoc() override;
    void setBeforeDelivery(std::function<void()> hook) override { beforeDelivery_ = std::move(hook); }
    void abandonDoc() override;
    void holdPages() override;
    void releaseHeldPages(bool keep) override;

    int page() const override { return page_; }
    const std::string& deviceName() const override { return deviceName_; }

private:
    struct Font {
        std::string name = kDefaultFontName;
        double size = kDefaultFontSize;
        bool bold = false;
        bool operator==(const Font&) const = default;
    };

    void printItems(std::string_view text, bool endLine);
    void appendToRun(std::string_view text);
    void newLine();
    void flushRun();
    void beginDocument();
    void sendFont();
    void changeFont(const Font& font);

    std::unique_ptr<PageSink> ownedSink_;
    PageSink& sink_;
    std::string deviceName_;

    double x_ = 0;
    double y_ = 0;
    Font font_;
    int drawWidth_ = 1;
    int page_ = 1;
    bool documentOpen_ = false;

    // The run being gathered: where it starts and what it holds so far.
    std::string run_;
    double runX_ = 0;
    double runY_ = 0;

    std::function<void()> beforeDelivery_;
    std::optional<Font> fontSent_;
    std::optional<int> widthSent_;

    // What is drawn while pages are held, and the model as it was when the hold began.
    struct Held {
        enum Kind { Page, FontOp, WidthOp, TextOp, LineOp } kind;
        std::string text;
        double a = 0, b = 0, c = 0, d = 0;
    };
    struct Saved {
        double x, y;
        Font font;
        int drawWidth, page;
        bool documentOpen;
        std::optional<Font> fontSent;
        std::optional<int> widthSent;
    };
    std::optional<Saved> holdStart_;
    std::vector<Held> held_;
    void emitPage(int number);
    void emitFont();
    void emitWidth();
    void emitText(double x, double y, std::string text);
    void emitLine(double x1, double y1, double x2, double y2);
};

}  // namespace printing
