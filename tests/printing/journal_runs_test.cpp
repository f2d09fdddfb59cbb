// How printed items become runs in the journal: blanks, splits and positions.
#include "printing/journal_printer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace printing {
namespace {

class JournalRuns : public ::testing::Test {
protected:
    JournalRuns() {
        p.setFontName("Courier New");
        p.setFontSize(11);
    }
    std::string journal() {
        p.endDoc();
        return out.str();
    }
    std::ostringstream out;
    JournalPrinter p{out};
};

TEST_F(JournalRuns, ItemsFollowingEachOtherMakeOneRunTrimmedAtBothEnds) {
    p.setCurrentX(0.2 * 567);
    p.setCurrentY(8.7 * 567);
    p.printNoNewline("IDENT");
    p.printNoNewline("   ");
    p.printNoNewline("D");
    p.print("  ");
    p.setCurrentX(0.2 * 567);
    p.print(std::string(49, ' ') + "NET");
    EXPECT_EQ(journal(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 113 4933 \"IDENT   D\"\n"
              "TEXT 6581 5182 \"NET\"\n"
              "END\n");
}

TEST_F(JournalRuns, LeadingBlanksMoveTheRunRightByOneCharacterEach) {
    p.printNoNewline("  ");
    p.print(" AB  ");
    p.setFontSize(14);
    p.print(std::string(15, ' ') + "TITLE");
    EXPECT_EQ(journal(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 396 0 \"AB\"\n"
              "FONT \"Courier New\" 14 0\n"
              "TEXT 2520 249 \"TITLE\"\n"
              "END\n");
}

TEST_F(JournalRuns, BlankLinesWriteNothingAndYIsRoundedOnlyOnOutput) {
    p.print(" ");
    p.print(" ");
    p.print("");
    p.print("X");
    EXPECT_DOUBLE_EQ(p.currentY(), 4 * 249.21875);
    EXPECT_EQ(p.currentX(), 0);
    EXPECT_EQ(journal(), "FONT \"Courier New\" 11 0\nTEXT 0 748 \"X\"\nEND\n");
}

TEST_F(JournalRuns, NewlineMovesByTheHeightOfTheFontInForceAtTheNewline) {
    p.setFontSize(14);
    p.print("T");
    EXPECT_DOUBLE_EQ(p.currentY(), 317.1875);
    p.setFontSize(11);
    p.print("U");
    EXPECT_DOUBLE_EQ(p.currentY(), 317.1875 + 249.21875);
}

TEST_F(JournalRuns, HalvesRoundToEvenAndNegativeZeroIsZero) {
    p.setCurrentX(2.5);
    p.printNoNewline("A");
    p.setCurrentX(3.5);
    p.printNoNewline("B");
    p.setCurrentX(-0.4);
    p.setCurrentY(11962.5);
    p.printNoNewline("C");
    EXPECT_EQ(journal(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 2 0 \"A\"\n"
              "TEXT 4 0 \"B\"\n"
              "TEXT 0 11962 \"C\"\n"
              "END\n");
}

TEST_F(JournalRuns, SettingThePositionEndsTheRunEvenWhereItAlreadyIs) {
    p.printNoNewline("AB");
    p.setCurrentX(p.currentX());
    p.print("CD");
    EXPECT_EQ(journal(), "FONT \"Courier New\" 11 0\nTEXT 0 0 \"AB\"\nTEXT 264 0 \"CD\"\nEND\n");
}

TEST_F(JournalRuns, AFontChangeEndsTheRunButSettingTheSameFontDoesNot) {
    p.printNoNewline("AB");
    p.setFontBold(false);
    p.setFontSize(11);
    p.printNoNewline("CD");
    p.setFontBold(true);
    p.print("EF");
    EXPECT_EQ(journal(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 0 0 \"ABCD\"\n"
              "FONT \"Courier New\" 11 1\n"
              "TEXT 528 0 \"EF\"\n"
              "END\n");
}

TEST_F(JournalRuns, ALineEndsTheRunAndTheNextTextStartsAtItsEndPoint) {
    p.printNoNewline("AB");
    p.line(0, 500, 1000, 600);
    EXPECT_EQ(p.currentX(), 1000);
    EXPECT_EQ(p.currentY(), 600);
    p.print("CD");
    EXPECT_EQ(journal(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 0 0 \"AB\"\n"
              "WIDTH 1\n"
              "LINE 0 500 1000 600\n"
              "TEXT 1000 600 \"CD\"\n"
              "END\n");
}

TEST_F(JournalRuns, ANewPageEndsTheRunAndStartsAtTheTopLeft) {
    p.setCurrentX(1000);
    p.setCurrentY(2000);
    p.printNoNewline("AB");
    p.newPage();
    EXPECT_EQ(p.currentX(), 0);
    EXPECT_EQ(p.currentY(), 0);
    p.print("CD");
    EXPECT_EQ(journal(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 1000 2000 \"AB\"\n"
              "PAGE 2\n"
              "TEXT 0 0 \"CD\"\n"
              "END\n");
}

TEST_F(JournalRuns, CharactersAreCountedAsCodePoints) {
    p.printNoNewline("Période");
    p.setCurrentX(p.currentX());
    p.print("X");
    EXPECT_EQ(journal(), "FONT \"Courier New\" 11 0\nTEXT 0 0 \"Période\"\nTEXT 924 0 \"X\"\nEND\n");
}

TEST_F(JournalRuns, ALineBreakInsidePrintedTextEndsTheLine) {
    p.print("A\r\nB\nC");
    EXPECT_DOUBLE_EQ(p.currentY(), 3 * 249.21875);
    EXPECT_EQ(journal(),
              "FONT \"Courier New\" 11 0\n"
              "TEXT 0 0 \"A\"\n"
              "TEXT 0 249 \"B\"\n"
              "TEXT 0 498 \"C\"\n"
              "END\n");
}

}  // namespace
}  // namespace printing
