// Every figure of the CSV export is read back from the print journal of the same run, on each sample and centre.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <regex>
#include <sstream>

#include "cli_support.h"
#include "numbers/utf8.h"

using namespace clitest;

namespace {

// The characters of a UTF-8 text, one string each: the accented letters of names count one
// column each.
std::vector<std::string> chars(const std::string& text) { return dnt::utf8::splitChars(text); }

// The pages of a journal as lines of characters: each run at its column, the detail block's
// columns counted from its left margin (0.2 cm), the others from the page's edge.
std::vector<std::string> journalLines(const std::string& journal) {
    std::vector<std::string> lines;
    std::map<long, std::vector<std::string>> page;
    auto flush = [&] {
        for (auto& [y, cs] : page) lines.push_back(std::accumulate(cs.begin(), cs.end(), std::string()));
        page.clear();
    };
    std::istringstream in(journal);
    std::string line;
    const std::regex text(R"re(TEXT (-?\d+) (-?\d+) "(.*)")re");
    while (std::getline(in, line)) {
        if (line.rfind("PAGE", 0) == 0 || line == "END") flush();
        std::smatch m;
        if (!std::regex_match(line, m, text)) continue;
        const long x = std::stol(m[1]), y = std::stol(m[2]);
        const long column = x % 132 == 0 ? x / 132 : std::lround((static_cast<double>(x) - 113.4) / 132);
        std::string run = m[3];
        for (size_t p = 0; (p = run.find("\\\"", p)) != std::string::npos;) run.replace(p, 2, "\"");
        std::vector<std::string>& at = page[y];
        size_t c = static_cast<size_t>(std::max(0L, column));
        for (const std::string& ch : chars(run)) {
            if (at.size() <= c) at.resize(c + 1, " ");
            at[c++] = ch;
        }
    }
    flush();
    return lines;
}

// Characters from..to-1 of a line (characters, not bytes), without their blanks.
std::string cell(const std::string& line, size_t from, size_t to) {
    const std::vector<std::string> cs = chars(line);
    std::string c;
    for (size_t i = from; i < to && i < cs.size(); ++i) c += cs[i];
    size_t a = c.find_first_not_of(' ');
    return a == std::string::npos ? "" : c.substr(a, c.find_last_not_of(' ') - a + 1);
}

std::vector<std::string> split(const std::string& row, char sep) {
    std::vector<std::string> f;
    std::stringstream in(row);
    std::string part;
    while (std::getline(in, part, sep)) f.push_back(part);
    if (!row.empty() && row.back() == sep) f.push_back("");
    return f;
}

// What the journal shows of one aidé: its lines' cells and its foot, as the export's
// columns name them.
struct PrintedAide {
    std::vector<std::vector<std::string>> lines;  // heures, net, then the 8 amounts
    std::vector<std::string> foot;                // 8 totals, X, A, B, net to pay, payment mode
};

// A line with one byte per column: each character beyond ASCII becomes '?'.
std::string ascii(const std::string& line) {
    std::string a;
    for (const std::string& ch : chars(line)) a += ch.size() == 1 ? ch[0] : '?';
    return a;
}

std::vector<std::pair<std::string, PrintedAide>> readJournal(const std::string& journal) {
    std::vector<std::pair<std::string, PrintedAide>> aides;
    const std::vector<std::string> lines = journalLines(journal);
    const std::regex decimal(R"(-?\d+\.\d\d\b)");
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        size_t code = l.find("Code : ");
        if (l.rfind("Période", 0) == 0 && code != std::string::npos) {
            std::string aide = l.substr(code + 7);
            if (aides.empty() || aides.back().first != aide) aides.push_back({aide, {}});
            continue;
        }
        if (aides.empty()) continue;
        PrintedAide& d = aides.back().second;
        // A block: hours on its first line, the net hourly wage on its third, each the first
        // decimal of its line (the identification and the address before them vary in width),
        // the amounts in cells of fixed widths after them.
        std::smatch hours, net;
        const std::string a = ascii(l), c = i + 2 < lines.size() ? ascii(lines[i + 2]) : "";
        if (std::regex_search(a, hours, decimal) && std::regex_search(c, net, decimal)) {
            const size_t h = static_cast<size_t>(hours.position(0) + hours.length(0));
            const size_t n = static_cast<size_t>(net.position(0) + net.length(0));
            d.lines.push_back({hours.str(0), net.str(0), cell(a, h, h + 7), cell(a, h + 7, h + 15),
                               cell(a, h + 15, h + 22), cell(a, h + 22, h + 29), cell(c, n, n + 7),
                               cell(c, n + 7, n + 15), cell(c, n + 15, n + 22), cell(c, n + 22, n + 29)});
            i += 3;  // the block's four lines
        } else if (l.find("TOTAUX : ") != std::string::npos) {
            const std::string& n = lines[i + 1];
            d.foot = {cell(l, 54, 61), cell(l, 61, 69), cell(l, 69, 76), cell(l, 76, 83),
                      cell(n, 54, 61), cell(n, 61, 69), cell(n, 69, 76), cell(n, 76, 83)};
        } else if (l.find("AJOUTER/DEDUIRE :") != std::string::npos) {
            std::string x = cell(l, 54, 64);
            d.foot.push_back(x.empty() ? "0" : x);
        } else if (l.find("MONTANTS DUS : ") != std::string::npos) {
            std::istringstream ab(l.substr(l.find(": ") + 2));
            std::string a, b;
            ab >> a >> b;
            d.foot.push_back(a);
            d.foot.push_back(b);
        } else if (l.find("NET A PAYER : ") != std::string::npos) {
            d.foot.push_back(cell(l, 54, 80));
        } else if (l.find("Le règlement est effectué pour votre compte") != std::string::npos) {
            d.foot.push_back("entite");
        } else if (l.find("L'URSSAF procèdera au prélèvement") != std::string::npos) {
            d.foot.push_back("prelevement");
        } else if (l.find("Le règlement est à envoyer") != std::string::npos) {
            d.foot.push_back("aide");
        }
    }
    return aides;
}

}  // namespace

TEST(Export, EveryFigureIsThePrintedOne) {
    const std::vector<std::pair<std::string, std::string>> samples = {
        {"small.jsonl", "20132"}, {"old.jsonl", "20102"}, {"recent.jsonl", "20251"}};
    long checkedLines = 0;
    for (const auto& [name, quarter] : samples) {
        testsupport::TempDb tmp;
        ASSERT_EQ(run("db import --db " + tmp.path() + " " + testsupport::sample(name)).status, 0);
        for (const char* centre : {"75", "92", "93"}) {
            const std::string where = name + " centre " + centre;
            const std::string csv = tmp.dir() + "/e.csv", journal = tmp.dir() + "/j";
            Outcome r = run("print --db " + tmp.path() + " --quarter " + quarter + " --centre " + centre + " --output " +
                            tmp.dir() + "/o.pdf --journal " + journal + " --export " + csv + " --today 01/07/2025");
            if (r.status == 1) continue;  // nothing to declare for this centre
            ASSERT_EQ(r.status, 0) << where << "\n" << r.err;
            const auto printed = readJournal(slurp(journal));
            std::istringstream rows(slurp(csv));
            std::string row;
            std::getline(rows, row);
            EXPECT_EQ(row.rfind("\xEF\xBB\xBFtrimestre;centre;code_aide;", 0), 0u) << where;
            size_t aide = 0, line = 0;
            std::string previous;
            while (std::getline(rows, row)) {
                if (!row.empty() && row.back() == '\r') row.pop_back();
                std::vector<std::string> f = split(row, ';');
                ASSERT_EQ(f.size(), 29u) << where << ": " << row;
                EXPECT_EQ(f[0], quarter);
                EXPECT_EQ(f[1], centre);
                if (!previous.empty() && f[2] != previous) {
                    EXPECT_EQ(line, printed[aide].second.lines.size()) << where << " aidé " << previous;
                    ++aide;
                    line = 0;
                }
                previous = f[2];
                ASSERT_LT(aide, printed.size()) << where;
                const PrintedAide& d = printed[aide].second;
                EXPECT_EQ(f[2], printed[aide].first) << where;
                ASSERT_LT(line, d.lines.size()) << where << " aidé " << f[2];
                std::vector<std::string> cells(f.begin() + 6, f.begin() + 16);
                for (size_t c = 0; c < 2; ++c) std::replace(cells[c].begin(), cells[c].end(), ',', '.');
                EXPECT_EQ(cells, d.lines[line]) << where << " aidé " << f[2] << " line " << line;
                std::vector<std::string> foot(f.begin() + 16, f.end());
                EXPECT_EQ(foot, d.foot) << where << " aidé " << f[2];
                ++line;
                ++checkedLines;
            }
            EXPECT_EQ(aide + 1, printed.size()) << where;
        }
    }
    EXPECT_GT(checkedLines, 50);
}

namespace {

// The pages of a PDF: its page objects.
long pdfPages(const std::string& pdf) {
    const std::regex page(R"(/Type\s*/Page[^s])");
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
}

}  // namespace

// The archive holds each declared aidé once, in print order, in a file of its own whose
// pages are its pages of the document; the index tells the net to pay of the export.
TEST(Export, TheArchiveHoldsEachDeclarationOnce) {
    testsupport::TempDb tmp;
    ASSERT_EQ(run("db import --db " + tmp.path() + " " + testsupport::sample("recent.jsonl")).status, 0);
    const std::string d = tmp.dir();
    Outcome r = run("print --db " + tmp.path() + " --quarter 20251 --centre 75 --copies 2 --output " + d +
                    "/o.pdf --export " + d + "/e.csv --split " + d + "/archive --today 01/07/2025");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.err, "archived in " + d + "/archive")) << r.err;
    std::map<std::string, std::string> net;  // by aidé, from the export
    std::vector<std::string> exported;
    std::istringstream rows(slurp(d + "/e.csv"));
    std::string row;
    std::getline(rows, row);
    while (std::getline(rows, row)) {
        const std::vector<std::string> f = split(row, ';');
        if (exported.empty() || exported.back() != f[2]) exported.push_back(f[2]);
        net[f[2]] = f[27];
    }
    std::istringstream index(slurp(d + "/archive/index.csv"));
    std::getline(index, row);
    EXPECT_EQ(row, "\xEF\xBB\xBF" "code_aide;nom_aide;net_a_payer;fichier\r");
    std::vector<std::string> archived;
    long pages = 0;
    while (std::getline(index, row)) {
        row.pop_back();  // the \r
        const std::vector<std::string> f = split(row, ';');
        ASSERT_EQ(f.size(), 4u) << row;
        archived.push_back(f[0]);
        EXPECT_EQ(f[2], net[f[0]]) << row;
        EXPECT_EQ(f[3], "20251-75-" + f[0] + ".pdf");
        const long n = pdfPages(slurp(d + "/archive/" + f[3]));
        EXPECT_GE(n, 1) << f[3];
        pages += n;
    }
    EXPECT_EQ(archived, exported);
    EXPECT_GT(archived.size(), 2u);
    long files = 0;
    for (const auto& e : std::filesystem::directory_iterator(d + "/archive")) files += e.path().extension() == ".pdf";
    EXPECT_EQ(files, static_cast<long>(archived.size()));
    EXPECT_EQ(2 * pages, pdfPages(slurp(d + "/o.pdf"))) << "one copy of each declaration";
    for (const auto& e : std::filesystem::directory_iterator(d))
        EXPECT_NE(e.path().filename().string().rfind(".archive", 0), 0u) << e.path();
}
