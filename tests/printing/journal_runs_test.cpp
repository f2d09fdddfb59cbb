// How printed items become runs in the journal: blanks, splits and positions.
#include "printing/journal_printer.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace printing {
namespace {

// Operations on a printer in Courier New 11, and the journal they write once ended.
struct Cas {
    const char* nom;
    std::function<void(JournalPrinter&)> ecrire;
    std::string attendu;  // the lines after the FONT line of Courier New 11, END included
};

const std::string kFont11 = "FONT \"Courier New\" 11 0\n";

TEST(JournalRuns, ItemsBecomeRunsAtTheirPositions) {
    const std::vector<Cas> cas = {
        {"items following each other make one run trimmed at both ends",
         [](JournalPrinter& p) {
             p.setCurrentX(0.2 * 567);
             p.setCurrentY(8.7 * 567);
             p.printNoNewline("IDENT");
             p.printNoNewline("   ");
             p.printNoNewline("D");
             p.print("  ");
             p.setCurrentX(0.2 * 567);
             p.print(std::string(49, ' ') + "NET");
         },
         "TEXT 113 4933 \"IDENT   D\"\nTEXT 6581 5182 \"NET\"\nEND\n"},
        {"leading blanks move the run right by one character each",
         [](JournalPrinter& p) {
             p.printNoNewline("  ");
             p.print(" AB  ");
             p.setFontSize(14);
             p.print(std::string(15, ' ') + "TITLE");
         },
         "TEXT 396 0 \"AB\"\nFONT \"Courier New\" 14 0\nTEXT 2520 249 \"TITLE\"\nEND\n"},
        {"blank lines write nothing and y is rounded only on output",
         [](JournalPrinter& p) {
             p.print(" ");
             p.print(" ");
             p.print("");
             p.print("X");
             EXPECT_DOUBLE_EQ(p.currentY(), 4 * 249.21875);
             EXPECT_EQ(p.currentX(), 0);
         },
         "TEXT 0 748 \"X\"\nEND\n"},
        {"halves round to even and a negative zero is zero",
         [](JournalPrinter& p) {
             p.setCurrentX(2.5);
             p.printNoNewline("A");
             p.setCurrentX(3.5);
             p.printNoNewline("B");
             p.setCurrentX(-0.4);
             p.setCurrentY(11962.5);
             p.printNoNewline("C");
         },
         "TEXT 2 0 \"A\"\nTEXT 4 0 \"B\"\nTEXT 0 11962 \"C\"\nEND\n"},
        {"setting the position ends the run even where it already is",
         [](JournalPrinter& p) {
             p.printNoNewline("AB");
             p.setCurrentX(p.currentX());
             p.print("CD");
         },
         "TEXT 0 0 \"AB\"\nTEXT 264 0 \"CD\"\nEND\n"},
        {"a font change ends the run but setting the same font does not",
         [](JournalPrinter& p) {
             p.printNoNewline("AB");
             p.setFontBold(false);
             p.setFontSize(11);
             p.printNoNewline("CD");
             p.setFontBold(true);
             p.print("EF");
         },
         "TEXT 0 0 \"ABCD\"\nFONT \"Courier New\" 11 1\nTEXT 528 0 \"EF\"\nEND\n"},
        {"a line ends the run and the next text starts at its end point",
         [](JournalPrinter& p) {
             p.printNoNewline("AB");
             p.line(0, 500, 1000, 600);
             EXPECT_EQ(p.currentX(), 1000);
             EXPECT_EQ(p.currentY(), 600);
             p.print("CD");
         },
         "TEXT 0 0 \"AB\"\nWIDTH 1\nLINE 0 500 1000 600\nTEXT 1000 600 \"CD\"\nEND\n"},
        {"a new page ends the run and starts at the top left",
         [](JournalPrinter& p) {
             p.setCurrentX(1000);
             p.setCurrentY(2000);
             p.printNoNewline("AB");
             p.newPage();
             EXPECT_EQ(p.currentX(), 0);
             EXPECT_EQ(p.currentY(), 0);
             p.print("CD");
         },
         "TEXT 1000 2000 \"AB\"\nPAGE 2\nTEXT 0 0 \"CD\"\nEND\n"},
        {"characters are counted as code points",
         [](JournalPrinter& p) {
             p.printNoNewline("Période");
             p.setCurrentX(p.currentX());
             p.print("X");
         },
         "TEXT 0 0 \"Période\"\nTEXT 924 0 \"X\"\nEND\n"},
        {"a line break inside printed text ends the line",
         [](JournalPrinter& p) {
             p.print("A\r\nB\nC");
             EXPECT_DOUBLE_EQ(p.currentY(), 3 * 249.21875);
         },
         "TEXT 0 0 \"A\"\nTEXT 0 249 \"B\"\nTEXT 0 498 \"C\"\nEND\n"},
        {"a newline moves by the height of the font in force at the newline",
         [](JournalPrinter& p) {
             p.setFontSize(14);
             p.print("T");
             EXPECT_DOUBLE_EQ(p.currentY(), 317.1875);
             p.setFontSize(11);
             p.print("U");
             EXPECT_DOUBLE_EQ(p.currentY(), 317.1875 + 249.21875);
         },
         "FONT \"Courier New\" 14 0\nTEXT 0 0 \"T\"\nFONT \"Courier New\" 11 0\nTEXT 0 317 \"U\"\nEND\n"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::ostringstream out;
        JournalPrinter p(out);
        p.setFontName("Courier New");
        p.setFontSize(11);
        c.ecrire(p);
        p.endDoc();
        std::string attendu = c.attendu;
        if (attendu.rfind("FONT", 0) != 0) attendu = kFont11 + attendu;
        EXPECT_EQ(out.str(), attendu);
    }
}

}  // namespace
}  // namespace printing
