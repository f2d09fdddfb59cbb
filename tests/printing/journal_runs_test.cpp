// The journal printer's lines: runs of printed items at their positions, FONT, WIDTH, PAGE and
// END lines, page numbers and the printer's defaults, each case a script of printer operations.
#include "printing/journal_printer.h"
#include "printing/output_error.h"
#include "printing/printer_error.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace printing {
namespace {

// Plays a script of operations separated by '|': P print, N print without newline, X and Y
// the position ("X=" sets x where it is), S font size, B bold (0 or 1), F font name, W draw
// width, L a line (x1 y1 x2 y2), G a new page, E the end of the document; "?" followed by x,
// y, p (page), s (size) or w (width) and a value checks it; "!W" and "!S" with a value expect
// the value refused.
void jouer(JournalPrinter& p, const std::string& script) {
    std::istringstream ops(script);
    for (std::string op; std::getline(ops, op, '|');) {
        const std::string a = op.empty() ? "" : op.substr(1);
        const char c = op.empty() ? 'P' : op[0];
        if (c == 'P') p.print(a);
        if (c == 'N') p.printNoNewline(a);
        if (c == 'X') p.setCurrentX(a == "=" ? p.currentX() : std::stod(a));
        if (c == 'Y') p.setCurrentY(std::stod(a));
        if (c == 'S') p.setFontSize(std::stod(a));
        if (c == 'B') p.setFontBold(a == "1");
        if (c == 'F') p.setFontName(a);
        if (c == 'W') p.setDrawWidth(std::stoi(a));
        if (c == 'G') p.newPage();
        if (c == 'E') p.endDoc();
        if (c == 'L') {
            double x1, y1, x2, y2;
            std::istringstream(a) >> x1 >> y1 >> x2 >> y2;
            p.line(x1, y1, x2, y2);
        }
        if (c == '?') {
            const double v = a[0] == 'x'   ? p.currentX()
                             : a[0] == 'y' ? p.currentY()
                             : a[0] == 'p' ? p.page()
                             : a[0] == 's' ? p.fontSize()
                                           : p.drawWidth();
            EXPECT_DOUBLE_EQ(v, std::stod(a.substr(1))) << op;
        }
        if (c == '!' && a[0] == 'W') EXPECT_THROW(p.setDrawWidth(std::stoi(a.substr(1))), InvalidPropertyValue) << op;
        if (c == '!' && a[0] == 'S') EXPECT_THROW(p.setFontSize(std::stod(a.substr(1))), InvalidPropertyValue) << op;
    }
}

// A case: its name, its script and the journal written.
struct Cas {
    const char* nom;
    std::string script, attendu;
};

std::string journal(const std::string& script) {
    std::ostringstream out;
    {
        JournalPrinter p(out);
        jouer(p, script);
    }
    return out.str();
}

TEST(JournalRuns, ItemsBecomeRunsAtTheirPositions) {
    const std::string font11 = "FONT \"Courier New\" 11 0\n";
    const std::vector<Cas> cas = {
        {"items following each other make one run trimmed at both ends",
         "X113.4|Y4932.9|NIDENT|N   |ND|P  |X113.4|P" + std::string(49, ' ') + "NET",
         "TEXT 113 4933 \"IDENT   D\"\nTEXT 6581 5182 \"NET\"\n"},
        {"leading blanks move the run right by one character each", "N  |P AB  |S14|P" + std::string(15, ' ') + "TITLE",
         "TEXT 396 0 \"AB\"\nFONT \"Courier New\" 14 0\nTEXT 2520 249 \"TITLE\"\n"},
        {"blank lines write nothing and y is rounded only on output", "P |P |P|PX|?y996.875|?x0", "TEXT 0 748 \"X\"\n"},
        {"halves round to even and a negative zero is zero", "X2.5|NA|X3.5|NB|X-0.4|Y11962.5|NC",
         "TEXT 2 0 \"A\"\nTEXT 4 0 \"B\"\nTEXT 0 11962 \"C\"\n"},
        {"setting the position ends the run even where it already is", "NAB|X=|PCD",
         "TEXT 0 0 \"AB\"\nTEXT 264 0 \"CD\"\n"},
        {"a font change ends the run but setting the same font does not", "NAB|B0|S11|NCD|B1|PEF",
         "TEXT 0 0 \"ABCD\"\nFONT \"Courier New\" 11 1\nTEXT 528 0 \"EF\"\n"},
        {"a line ends the run and the next text starts at its end point", "NAB|L0 500 1000 600|?x1000|?y600|PCD",
         "TEXT 0 0 \"AB\"\nWIDTH 1\nLINE 0 500 1000 600\nTEXT 1000 600 \"CD\"\n"},
        {"a new page ends the run and starts at the top left", "X1000|Y2000|NAB|G|?x0|?y0|PCD",
         "TEXT 1000 2000 \"AB\"\nPAGE 2\nTEXT 0 0 \"CD\"\n"},
        {"characters are counted as code points", "NPériode|X=|PX", "TEXT 0 0 \"Période\"\nTEXT 924 0 \"X\"\n"},
        {"a line break inside printed text ends the line", "PA\r\nB\nC|?y747.65625",
         "TEXT 0 0 \"A\"\nTEXT 0 249 \"B\"\nTEXT 0 498 \"C\"\n"},
        {"a newline moves by the height of the font in force at the newline", "S14|PT|?y317.1875|S11|PU|?y566.40625",
         "FONT \"Courier New\" 14 0\nTEXT 0 0 \"T\"\nFONT \"Courier New\" 11 0\nTEXT 0 317 \"U\"\n"},
    };
    for (const Cas& c : cas) {
        // On Courier New 11; the FONT line of Courier New 11 first unless the case starts another.
        std::string attendu = (c.attendu.rfind("FONT", 0) == 0 ? "" : font11) + c.attendu + "END\n";
        EXPECT_EQ(journal("FCourier New|S11|" + c.script + "|E"), attendu) << c.nom;
    }
}

TEST(JournalState, FontWidthPageAndEndLines) {
    // On a new printer: Courier New 10, not bold, width 1.
    const std::vector<Cas> cas = {
        {"the defaults are Courier New ten points not bold and width one", "PA|PB|L0 0 10 0|E",
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"A\"\nTEXT 0 227 \"B\"\nWIDTH 1\nLINE 0 0 10 0\nEND\n"},
        {"a font is written only before a text whose font differs from the last written",
         "S11|PA|S14|B1|P |B0|S11|PB|S10.5|PC|FArial|PD|E",  // nothing printed in 14 bold
         "FONT \"Courier New\" 11 0\nTEXT 0 0 \"A\"\nTEXT 0 566 \"B\"\nFONT \"Courier New\" 10.5 0\n"
         "TEXT 0 816 \"C\"\nFONT \"Arial\" 10.5 0\nTEXT 0 1054 \"D\"\nEND\n"},
        {"a width is written only before a line whose width differs from the last written",
         "W3|L0 0 1 0|L0 1 1 1|W12|W3|L0 2 1 2|W12|L0 3 1 3|W3|PX|L0 4 1 4|E",
         "WIDTH 3\nLINE 0 0 1 0\nLINE 0 1 1 1\nLINE 0 2 1 2\nWIDTH 12\nLINE 0 3 1 3\n"
         "FONT \"Courier New\" 10 0\nTEXT 1 3 \"X\"\nWIDTH 3\nLINE 0 4 1 4\nEND\n"},
        // Page 2 stays blank.
        {"pages are numbered from two and restart after the end of a document",
         "?p1|Pone|G|?p2|G|?p3|Pthree|E|?p1|Pagain|G|?p2|E",
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"one\"\nPAGE 2\nPAGE 3\nTEXT 0 0 \"three\"\nEND\n"
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"again\"\nPAGE 2\nEND\n"},
        {"the end of a document resets the position but keeps font and width", "S11|W3|X500|Y700|E|?x0|?y0|?s11|?w3",
         "END\n"},
        {"texts are JSON strings with UTF-8 kept as is", "Pa\"b\\c\td\x01" "é€/|FCour\"ier|Px|E",
         "FONT \"Courier New\" 10 0\nTEXT 0 0 \"a\\\"b\\\\c\\td\\u0001é€/\"\nFONT \"Cour\\\"ier\" 10 0\n"
         "TEXT 0 227 \"x\"\nEND\n"},
        // A document never ended (a run that failed) is abandoned: its journal has no END.
        {"impossible widths and sizes are refused", "!W0|!S0|!S-3|L0 0 1 0|PA",
         "WIDTH 1\nLINE 0 0 1 0\nFONT \"Courier New\" 10 0\nTEXT 1 0 \"A\"\n"},
    };
    for (const Cas& c : cas) EXPECT_EQ(journal(c.script), c.attendu) << c.nom;
    EXPECT_THROW(JournalPrinter(std::filesystem::path("/nonexistent-dir/x.journal")), OutputError);
}

}  // namespace
}  // namespace printing
