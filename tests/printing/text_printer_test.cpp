// The matrix printer's text pages: where characters land, lines and form feeds.
#include "printing/text_printer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace printing {
namespace {

TEST(TextPrinter, RunsLandOnTheGridOfTheirOwnFont) {
    std::ostringstream out;
    TextPrinter p(out);
    EXPECT_EQ(p.deviceName(), "MATRICIELLE");
    p.setCurrentX(5 * 120);  // 10 points: 120 twips a column, 226.5625 a row
    p.setCurrentY(2 * 226.5625);
    p.print("AB");
    p.printNoNewline("   C");
    p.setFontSize(11);  // 132 and 249.21875
    p.setCurrentX(0.2 * 567);
    p.setCurrentY(10 * 249.21875);
    p.print("D");
    p.endDoc();
    EXPECT_EQ(out.str(), "\n\n     AB\n   C\n\n\n\n\n\n\n D\n");
}

TEST(TextPrinter, PagesAreSeparatedByFormFeedsAndKeepEmptyPages) {
    std::ostringstream out;
    TextPrinter p(out);
    p.print("one");
    p.newPage();
    p.newPage();
    p.print("");
    p.print("three");
    p.endDoc();
    p.print("again");
    p.endDoc();
    EXPECT_EQ(out.str(), "one\n\f\f\nthree\n\fagain\n");
}

TEST(TextPrinter, LaterCharactersReplaceEarlierOnesAndCountAsCodePoints) {
    std::ostringstream out;
    TextPrinter p(out);
    p.printNoNewline("éAZ");
    p.setCurrentX(120);
    p.printNoNewline("B");
    p.endDoc();
    EXPECT_EQ(out.str(), "éBZ\n");
    EXPECT_TRUE(isMatrixPrinterName("Epson Matricielle LQ"));  // matrix printers are known by their name
    EXPECT_TRUE(isMatrixPrinterName("MATRIC"));
    EXPECT_FALSE(isMatrixPrinterName("PDF"));
    EXPECT_FALSE(isMatrixPrinterName("Laser MATRI"));
}

TEST(TextPrinter, HorizontalLinesAreDashesUnderTextAndOtherLinesAreLeftOut) {
    for (bool lineFirst : {true, false}) {
        std::ostringstream out;
        TextPrinter p(out);
        auto rule = [&] { p.line(0, 226.5625, 600, 226.5625); };
        if (lineFirst) rule();
        p.setCurrentX(120);
        p.setCurrentY(226.5625);
        p.printNoNewline("X Y");
        if (!lineFirst) rule();
        p.line(1200, 0, 1200, 2000);
        p.line(0, 0, 700, 500);
        p.endDoc();
        EXPECT_EQ(out.str(), "\n-X-Y-\n") << (lineFirst ? "line first" : "text first");
    }
}

}  // namespace
}  // namespace printing
