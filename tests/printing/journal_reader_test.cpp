// Replaying a print journal: the same journal comes back, and bad journals are refused.
#include "printing/journal_printer.h"
#include "printing/journal_reader.h"
#include "printing/journal_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace printing {
namespace {

// Every operation received, one readable line each.
class RecordingSink : public PageSink {
public:
    void beginPage(int n) override { ops.push_back("page " + std::to_string(n)); }
    void font(const std::string& name, double points, bool bold) override {
        ops.push_back("font " + name + " " + formatNumber(points) + (bold ? " bold" : ""));
    }
    void width(int w) override { ops.push_back("width " + std::to_string(w)); }
    void text(double x, double y, const std::string& t) override {
        ops.push_back("text " + formatNumber(x) + " " + formatNumber(y) + " " + t);
    }
    void line(double x1, double y1, double x2, double y2) override {
        ops.push_back("line " + formatNumber(x1) + " " + formatNumber(y1) + " " + formatNumber(x2) + " " +
                      formatNumber(y2));
    }
    void endDocument() override { ops.push_back("end"); }
    std::vector<std::string> ops;
};

std::string sampleJournal() {
    std::ostringstream out;
    JournalPrinter p(out);
    p.setFontSize(11);
    p.print(" ");
    p.print("Date : 01/04/2025" + std::string(60, ' ') + "Page : 1");
    p.setFontBold(true);
    p.setFontSize(14);
    p.print(std::string(15, ' ') + "DECLARATION NOMINATIVE TRIMESTRIELLE");
    p.setFontBold(false);
    p.setFontSize(11);
    p.print("Période       : 1er  TRIMESTRE 2025 \"quoted\" back\\slash\ttab");
    p.setDrawWidth(3);
    p.line(0, 8.5 * 567, 20 * 567, 8.5 * 567);
    p.line(10.4 * 567, 8.5 * 567, 10.4 * 567, 9.7 * 567);
    p.print(" ");
    p.newPage();
    p.newPage();
    p.setDrawWidth(12);
    p.line(850, 1871, 1207, 1871);
    p.setDrawWidth(3);
    p.print("  last page  ");
    p.endDoc();
    p.print("second document");
    p.setFontSize(10.5);
    p.print("smaller");
    p.endDoc();
    p.endDoc();
    return out.str();
}

TEST(JournalReader, ReplayingAJournalIntoTheJournalWriterGivesItBackByteForByte) {
    const std::string journal = sampleJournal();
    std::istringstream in(journal);
    std::ostringstream again;
    JournalWriter writer(again);
    replayJournal(in, writer);
    EXPECT_EQ(again.str(), journal);
}

TEST(JournalReader, EachDocumentStartsWithPageOneAnEmptyOneIsOnlyItsEndAndEscapesAreDecoded) {
    std::istringstream in("PAGE 2\nFONT \"Courier New\" 11 1\nTEXT 5 -6 \"a\\u00e9\\n\"\nEND\n\nEND\n"
                          "WIDTH 3\nLINE 1 2 3 4\nEND\n");
    RecordingSink sink;
    replayJournal(in, sink);
    EXPECT_EQ(sink.ops, (std::vector<std::string>{"page 1", "page 2", "font Courier New 11 bold",
                                                  "text 5 -6 a\xC3\xA9\n", "end", "end", "page 1",
                                                  "width 3", "line 1 2 3 4", "end"}));
    // Surrogate pairs become one UTF-8 character.
    std::istringstream pair("TEXT 0 0 \"\\ud83d\\ude00\"\nEND\n");
    RecordingSink again;
    replayJournal(pair, again);
    EXPECT_EQ(again.ops, (std::vector<std::string>{"page 1", "text 0 0 \xF0\x9F\x98\x80", "end"}));
}

size_t errorLine(const std::string& journal) {
    std::istringstream in(journal);
    RecordingSink sink;
    try {
        replayJournal(in, sink);
    } catch (const JournalError& e) {
        return e.lineNumber();
    }
    return 0;
}

TEST(JournalReader, MalformedLinesAMissingLastEndAndAMissingFileAreRefused) {
    // Each journal, then the number of the line refused.
    for (const auto& [journal, ligne] : std::vector<std::pair<std::string, size_t>>{
             {"TEXT 1 2 \"ok\"\nTEXT 1 2 nope\nEND\n", 2}, {"TEXT 1.5 2 \"a\"\nEND\n", 1},
             {"TEXT 1 2 \"a\" \nEND\n", 1}, {"TEXT 1  2 \"a\"\nEND\n", 1},
             {"TEXT 1 2 \"bad \\x escape\"\nEND\n", 1}, {"TEXT 1 2 \"unclosed\nEND\n", 1},
             {"END\nFONT \"Courier New\" 11 2\nEND\n", 2}, {"PAGE 1\nEND\n", 1}, {"WIDTH 0\nEND\n", 1},
             {"LINE 1 2 3\nEND\n", 1}, {"CIRCLE 1 2 3\nEND\n", 1}, {"END extra\n", 1},
             {"END\nTEXT 1 2 \"a\"\n", 2}})  // no END after the last document
        EXPECT_EQ(errorLine(journal), ligne) << journal;
    RecordingSink sink;
    EXPECT_THROW(replayJournalFile("/nonexistent-dir/none.journal", sink), JournalError);
}

}  // namespace
}  // namespace printing
