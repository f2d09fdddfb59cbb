// The print journal sink: one line per printer operation, exactly as the journal format says.
#pragma once

#include "printing/output_file.h"
#include "printing/page_sink.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace printing {

// Lines: PAGE n (never for page 1), FONT "name" size bold, WIDTH w, TEXT x y "text",
// LINE x1 y1 x2 y2, END. FONT is written before a TEXT only when it differs from the
// last FONT written, WIDTH before a LINE only when it differs from the last WIDTH
// written; both are forgotten at END, so each document of a journal stands alone.
// Positions are whole twips rounded to nearest, halves to even (as every conversion to a
// whole number of the control). The font size is written as the control writes numbers
// ("11", "10.5"). Texts are JSON strings (json_string.h). Lines end with "\n".
class JournalWriter : public PageSink {
public:
    explicit JournalWriter(std::ostream& out);
    // Creates (or empties) the file, mode 0600; throws OutputError when it cannot.
    explicit JournalWriter(const std::filesystem::path& file);
    ~JournalWriter() override;

    void beginPage(int number) override;
    void font(const std::string& name, double points, bool bold) override;
    void width(int drawWidth) override;
    void text(double x, double y, const std::string& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void endDocument() override;
    // END is written when the document is delivered: a journal without it tells of a run
    // that did not finish.
    void deliver() override;

private:
    struct Font {
        std::string name;
        double size = 0;
        bool bold = false;
        bool operator==(const Font&) const = default;
    };

    void check();

    std::unique_ptr<OutputFile> file_;
    std::ostream& out_;
    Font font_{"Courier New", 10, false};
    int width_ = 1;
    std::optional<Font> fontWritten_;
    std::optional<int> widthWritten_;
};

// Whole twips: nearest, halves to even.
long long roundTwips(double v);
// A number as the control writes it: at most 15 significant digits, no trailing zeros.
std::string formatNumber(double v);

}  // namespace printing
