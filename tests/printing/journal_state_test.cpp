// The journal's FONT, WIDTH, PAGE and END lines, page numbers and the printer's defaults.
#include "printing/journal_printer.h"
#include "printing/output_error.h"
#include "printing/printer_error.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace printing {
namespace {

TEST(JournalState, DefaultsAreCourierNewTenPointsNotBoldWidthOne) {
    std::ostringstream out;
    JournalPrinter p(out);
    EXPECT_EQ(p.fontName(), "Courier New");
    EXPECT_EQ(p.fontSize(), 10);
    EXPECT_FALSE(p.fontBold());
    EXPECT_EQ(p.drawWidth(), 1);
    EXPECT_EQ(p.page(), 1);
    p.print("A");
    p.print("B");
    p.line(0, 0, 10, 0);
    p.endDoc();
    EXPECT_EQ(out.str(),
              "FONT \"Courier New\" 10 0\n"
              "TEXT 0 0 \"A\"\n"
              "TEXT 0 227 \"B\"\n"
              "WIDTH 1\n"
              "LINE 0 0 10 0\n"
              "END\n");
}

TEST(JournalState, FontIsWrittenOnlyBeforeATextWhoseFontDiffersFromTheLastWritten) {
    std::ostringstream out;
    JournalPrinter p(out);
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
    EXPECT_EQ(out.str(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 0 0 \"A\"\n"
              "TEXT 0 566 \"B\"\n"
              "FONT \"Courier New\" 10.5 0\n"
              "TEXT 0 816 \"C\"\n"
              "FONT \"Arial\" 10.5 0\n"
              "TEXT 0 1054 \"D\"\n"
              "END\n");
}

TEST(JournalState, WidthIsWrittenOnlyBeforeALineWhoseWidthDiffersFromTheLastWritten) {
    std::ostringstream out;
    JournalPrinter p(out);
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
    EXPECT_EQ(out.str(),
              "WIDTH 3\n"
              "LINE 0 0 1 0\n"
              "LINE 0 1 1 1\n"
              "LINE 0 2 1 2\n"
              "WIDTH 12\n"
              "LINE 0 3 1 3\n"
              "FONT \"Courier New\" 10 0\n"
              "TEXT 1 3 \"X\"\n"
              "WIDTH 3\n"
              "LINE 0 4 1 4\n"
              "END\n");
}

TEST(JournalState, PagesAreNumberedFromTwoAndRestartAfterTheEndOfADocument) {
    std::ostringstream out;
    JournalPrinter p(out);
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
    EXPECT_EQ(out.str(),
              "FONT \"Courier New\" 10 0\n"
              "TEXT 0 0 \"one\"\n"
              "PAGE 2\n"
              "PAGE 3\n"
              "TEXT 0 0 \"three\"\n"
              "END\n"
              "FONT \"Courier New\" 10 0\n"
              "TEXT 0 0 \"again\"\n"
              "PAGE 2\n"
              "END\n");
}

TEST(JournalState, TheEndOfADocumentResetsThePositionButKeepsFontAndWidth) {
    std::ostringstream out;
    JournalPrinter p(out);
    p.setFontSize(11);
    p.setDrawWidth(3);
    p.setCurrentX(500);
    p.setCurrentY(700);
    p.endDoc();
    EXPECT_EQ(p.currentX(), 0);
    EXPECT_EQ(p.currentY(), 0);
    EXPECT_EQ(p.fontSize(), 11);
    EXPECT_EQ(p.drawWidth(), 3);
}

TEST(JournalState, AnEmptyDocumentIsJustEnd) {
    std::ostringstream out;
    JournalPrinter p(out);
    p.endDoc();
    EXPECT_EQ(out.str(), "END\n");
}

// A document never ended (a run that failed) is abandoned: its journal has no END.
TEST(JournalState, AnOpenDocumentIsAbandonedWhenThePrinterGoes) {
    std::ostringstream out;
    {
        JournalPrinter p(out);
        p.print("A");
    }
    EXPECT_EQ(out.str(), "FONT \"Courier New\" 10 0\nTEXT 0 0 \"A\"\n");
}

TEST(JournalState, TextsAreJsonStringsWithUtf8KeptAsIs) {
    std::ostringstream out;
    JournalPrinter p(out);
    p.print("a\"b\\c\td\x01" "é€/");
    p.setFontName("Cour\"ier");
    p.print("x");
    p.endDoc();
    EXPECT_EQ(out.str(),
              "FONT \"Courier New\" 10 0\n"
              "TEXT 0 0 \"a\\\"b\\\\c\\td\\u0001é€/\"\n"
              "FONT \"Cour\\\"ier\" 10 0\n"
              "TEXT 0 227 \"x\"\n"
              "END\n");
}

TEST(JournalState, ImpossibleWidthsAndSizesAreRefused) {
    std::ostringstream out;
    JournalPrinter p(out);
    EXPECT_THROW(p.setDrawWidth(0), InvalidPropertyValue);
    EXPECT_THROW(p.setFontSize(0), InvalidPropertyValue);
    EXPECT_THROW(p.setFontSize(-3), InvalidPropertyValue);
    EXPECT_EQ(p.drawWidth(), 1);
    EXPECT_EQ(p.fontSize(), 10);
}

TEST(JournalState, AJournalFileThatCannotBeCreatedIsAnOutputError) {
    EXPECT_THROW(JournalPrinter(std::filesystem::path("/nonexistent-dir/x.journal")), OutputError);
}

}  // namespace
}  // namespace printing
