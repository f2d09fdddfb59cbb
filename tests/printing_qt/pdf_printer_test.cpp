// The PDF printer: the text is in the file where the page model put it, in the
// embedded Liberation Mono, and the journal written beside it matches the journal printer.
#include "printing/journal_printer.h"
#include "printing/output_error.h"
#include "printing/printer_error.h"
#include "printing/qt/printer_fonts.h"
#include "printing/qt/printers.h"
#include "printing/qt/qt_printer_system.h"
#include "support/database.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

namespace printing::qt {
namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    pclose(pipe);
    return out;
}

bool haveTool(const std::string& tool) { return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0; }

// A small two-page declaration-like document.
void drawSample(Printer& p) {
    p.setFontSize(11);
    p.setFontName("Courier New");
    p.print(" ");
    p.print("Date : 01/04/2025" + std::string(20, ' ') + "Page : " + std::to_string(p.page()));
    p.setFontBold(true);
    p.setFontSize(14);
    p.print(std::string(5, ' ') + "DECLARATION NOMINATIVE TRIMESTRIELLE");
    p.setFontBold(false);
    p.setFontSize(11);
    p.print("Période       : 1er  TRIMESTRE 2025");
    p.setCurrentX(2 * 567);
    p.setCurrentY(5 * 567);
    p.printNoNewline("REPERE");
    p.setDrawWidth(3);
    p.line(0, 8.5 * 567, 20 * 567, 8.5 * 567);
    p.line(10.4 * 567, 8.5 * 567, 10.4 * 567, 9.7 * 567);
    p.newPage();
    p.print("SECONDE PAGE");
    p.endDoc();
}

class PdfPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"pdftotext", "pdffonts", "pdfinfo"})
            if (!haveTool(tool)) GTEST_SKIP() << tool << " is not installed (poppler-utils)";
        dir = tmp.dir();
        pdf = dir / "declaration.pdf";
        journal = dir / "declaration.journal";
        auto printer = openPrinter(kPdfPrinterName, pdf, journal);
        EXPECT_EQ(printer->deviceName(), "PDF");
        drawSample(*printer);
    }
    testsupport::TempDb tmp;
    fs::path dir, pdf, journal;
};

TEST_F(PdfPrinter, PagesTextFontsPositionsAndJournal) {
    // Two A4 portrait pages.
    std::string info = run("pdfinfo '" + pdf.string() + "'");
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +2\n"))) << info;
    // A4 is 595.276 x 841.89 points; the PDF states it in whole points.
    EXPECT_TRUE(std::regex_search(info, std::regex("Page size: +595(\\.[0-9]+)? x 84[12](\\.[0-9]+)? pts")))
        << info;
    // The text can be read back page by page.
    std::string text = run("pdftotext -layout '" + pdf.string() + "' -");
    auto feed = text.find('\f');
    ASSERT_NE(feed, std::string::npos) << text;
    std::string first = text.substr(0, feed), second = text.substr(feed);
    // The layout mode guesses the number of blanks between words; positions are checked below.
    EXPECT_TRUE(std::regex_search(first, std::regex("DECLARATION NOMINATIVE TRIMESTRIELLE"))) << text;
    EXPECT_TRUE(std::regex_search(first, std::regex("Période +: +1er +TRIMESTRE 2025"))) << text;
    EXPECT_TRUE(std::regex_search(first, std::regex("Date : 01/04/2025 +Page : 1"))) << text;
    EXPECT_NE(second.find("SECONDE PAGE"), std::string::npos) << text;
    // Liberation Mono regular and bold are embedded.
    std::string fonts = run("pdffonts '" + pdf.string() + "'");
    std::istringstream lines(fonts);
    std::string line;
    int regular = 0, bold = 0;
    while (std::getline(lines, line)) {
        if (line.find("LiberationMono") == std::string::npos) continue;
        // name type encoding emb sub uni object ID: "emb" is the fourth column from the end.
        EXPECT_TRUE(std::regex_search(line, std::regex(" yes +(yes|no) +(yes|no) +[0-9]+ +[0-9]+ *$"))) << line;
        (line.find("Bold") != std::string::npos ? bold : regular)++;
    }
    EXPECT_GE(regular, 1) << fonts;
    EXPECT_GE(bold, 1) << fonts;
    // Characters sit where the page model puts them.
    std::string boxes = run("pdftotext -bbox -f 1 -l 1 '" + pdf.string() + "' -");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(boxes, m,
                                  std::regex("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                             "yMax=\"([0-9.]+)\">REPERE<")))
        << boxes;
    // 2 cm from the origin, 6 characters of 0.6 em at 11 points, top 5 cm down; the origin
    // is 5 mm in from the paper's corner, which centres the 20 cm frame on A4.
    EXPECT_NEAR(std::stod(m[1]), 2.5 * 567 / 20.0, 0.2);
    EXPECT_NEAR(std::stod(m[3]) - std::stod(m[1]), 6 * 132 / 20.0, 0.2);
    EXPECT_NEAR(std::stod(m[2]), 5.5 * 567 / 20.0, 1.0);
    // The journal beside it is the journal printer's.
    std::ostringstream expected;
    {
        JournalPrinter p(expected);
        drawSample(p);
    }
    EXPECT_EQ(testsupport::slurp(journal), expected.str());
}

// The list of printers; a file put in place only when its document is ended (a printer
// selected again starts anew, a document left open is abandoned without a trace); unknown
// printers, missing outputs and missing fonts.
TEST(Printers, ListDeliveryErrorsAndMissingFonts) {
    auto names = printerNames();
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names[0], "PDF");
    EXPECT_EQ(names[1], "MATRICIELLE");
    testsupport::TempDb tmp;
    const fs::path dir = tmp.dir();
    {
        auto owned = std::make_unique<QtPrinterSystem>(dir / "out", dir / "out.journal");
        QtPrinterSystem& system = *owned;
        system.select(1).print("left open");
        EXPECT_EQ(system.current().deviceName(), "MATRICIELLE");
        system.select(1).print("matrix");
        system.current().newPage();
        system.current().print("B");
        EXPECT_FALSE(fs::exists(dir / "out"));
        system.current().endDoc();
        EXPECT_EQ(testsupport::slurp(dir / "out"), "matrix\n\fB\n");
        system.select(0).print("pdf");
        owned.reset();
        EXPECT_EQ(testsupport::slurp(dir / "out"), "matrix\n\fB\n") << "the abandoned PDF left nothing";
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "no temporary file left";
        QtPrinterSystem other(dir / "out.pdf");
        EXPECT_THROW(other.select(static_cast<long>(other.printerNames().size())), PrinterError);
        EXPECT_THROW(other.select(-1), PrinterError);
    }
    // Unknown printers and missing outputs are errors.
    EXPECT_THROW(openPrinter("NO SUCH PRINTER ANYWHERE"), OutputError);
    EXPECT_THROW(openPrinter("PDF"), OutputError);
    EXPECT_THROW(openPrinter("PDF", "/nonexistent-dir/out.pdf"), OutputError);
    // Missing font files are named with their package.
    try {
        registerPrinterFonts("/nonexistent-dir");
        FAIL() << "no error";
    } catch (const OutputError& e) {
        std::string what = e.what();
        EXPECT_NE(what.find("/nonexistent-dir/LiberationMono-Regular.ttf"), std::string::npos) << what;
        EXPECT_NE(what.find("fonts-liberation"), std::string::npos) << what;
    }
}

}  // namespace
}  // namespace printing::qt
