// The journal's FONT, WIDTH, PAGE and END lines, page numbers and the printer's defaults.
#include "printing/journal_printer.h"
#include "printing/output_error.h"
#include "printing/printer_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace printing {
namespace {

// Operations on a new printer (Courier New 10, not bold, width 1), and the journal written.
struct Cas {
    const char* nom;
    std::function<void(JournalPrinter&)> ecrire;
    std::string attendu;
};

TEST(JournalState, FontWidthPageAndEndLines) {
    const std::vector<Cas> cas = {
        {"the defaults are Courier New ten points not bold and width one",
         [](JournalPrinter& p) {
             p.print("A");
             p.print("B");
             p.line(0, 0, 10, 0);
             p.endDoc();
         },
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"A\"\nTEXT 0 227 \"B\"\nWIDTH 1\nLINE 0 0 10 0\nEND\n"},
        {"a font is written only before a text whose font differs from the last written",
         [](JournalPrinter& p) {
             p.setFontSize(11);
             p.print("A");
             p.setFontSize(14);
             p.setFontBold(true);
             p.print(" ");  // nothing printed in 14 bold
             p.setFontBold(false);
             p.setFontSize(11);
             p.print("B");
             p.setFontSize(10.5);
             p.print("C");
             p.setFontName("Arial");
             p.print("D");
             p.endDoc();
         },
         "FONT \"Courier New\" 11 0\nTEXT 0 0 \"A\"\nTEXT 0 566 \"B\"\nFONT \"Courier New\" 10.5 0\n"
         "TEXT 0 816 \"C\"\nFONT \"Arial\" 10.5 0\nTEXT 0 1054 \"D\"\nEND\n"},
        {"a width is written only before a line whose width differs from the last written",
         [](JournalPrinter& p) {
             p.setDrawWidth(3);
             p.line(0, 0, 1, 0);
             p.line(0, 1, 1, 1);
             p.setDrawWidth(12);
             p.setDrawWidth(3);
             p.line(0, 2, 1, 2);
             p.setDrawWidth(12);
             p.line(0, 3, 1, 3);
             p.setDrawWidth(3);
             p.print("X");
             p.line(0, 4, 1, 4);
             p.endDoc();
         },
         "WIDTH 3\nLINE 0 0 1 0\nLINE 0 1 1 1\nLINE 0 2 1 2\nWIDTH 12\nLINE 0 3 1 3\n"
         "FONT \"Courier New\" 10 0\nTEXT 1 3 \"X\"\nWIDTH 3\nLINE 0 4 1 4\nEND\n"},
        {"pages are numbered from two and restart after the end of a document",
         [](JournalPrinter& p) {
             EXPECT_EQ(p.page(), 1);
             p.print("one");
             p.newPage();
             EXPECT_EQ(p.page(), 2);
             p.newPage();  // page 2 stays blank
             EXPECT_EQ(p.page(), 3);
             p.print("three");
             p.endDoc();
             EXPECT_EQ(p.page(), 1);
             p.print("again");
             p.newPage();
             EXPECT_EQ(p.page(), 2);
             p.endDoc();
         },
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"one\"\nPAGE 2\nPAGE 3\nTEXT 0 0 \"three\"\nEND\n"
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"again\"\nPAGE 2\nEND\n"},
        {"the end of a document resets the position but keeps font and width",
         [](JournalPrinter& p) {
             p.setFontSize(11);
             p.setDrawWidth(3);
             p.setCurrentX(500);
             p.setCurrentY(700);
             p.endDoc();
             EXPECT_EQ(p.currentX(), 0);
             EXPECT_EQ(p.currentY(), 0);
             EXPECT_EQ(p.fontSize(), 11);
             EXPECT_EQ(p.drawWidth(), 3);
         },
         "END\n"},
        {"texts are JSON strings with UTF-8 kept as is",
         [](JournalPrinter& p) {
             p.print("a\"b\\c\td\x01" "é€/");
             p.setFontName("Cour\"ier");
             p.print("x");
             p.endDoc();
         },
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"a\\\"b\\\\c\\td\\u0001é€/\"\nFONT \"Cour\\\"ier\" 10 0\n"
         "TEXT 0 227 \"x\"\nEND\n"},
        {"impossible widths and sizes are refused",
         [](JournalPrinter& p) {
             EXPECT_THROW(p.setDrawWidth(0), InvalidPropertyValue);
             EXPECT_THROW(p.setFontSize(0), InvalidPropertyValue);
             EXPECT_THROW(p.setFontSize(-3), InvalidPropertyValue);
             p.line(0, 0, 1, 0);
             p.print("A");
         },
         // A document never ended (a run that failed) is abandoned: its journal has no END.
         "WIDTH 1\nLINE 0 0 1 0\nFONT \"Courier New\" 10 0\nTEXT 1 0 \"A\"\n"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::ostringstream out;
        {
            JournalPrinter p(out);
            c.ecrire(p);
        }
        EXPECT_EQ(out.str(), c.attendu);
    }
}

TEST(JournalState, AJournalFileThatCannotBeCreatedIsAnOutputError) {
    EXPECT_THROW(JournalPrinter(std::filesystem::path("/nonexistent-dir/x.journal")), OutputError);
}

}  // namespace
}  // namespace printing
