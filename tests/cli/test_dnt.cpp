// The `dnt` command line run as a user runs it: exit statuses and outputs.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "cli_support.h"

namespace {

using namespace clitest;

class Cli : public ::testing::Test {
protected:
    testsupport::TempDb tmp;
    void SetUp() override {
        ASSERT_EQ(run("db import --db " + tmp.path() + " " + testsupport::sample("small.jsonl")).status, 0);
    }
};

}  // namespace

TEST_F(Cli, DbVerbs) {
    Outcome exported = run("db export --db " + tmp.path());
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.out, slurp(testsupport::sample("small.jsonl")));
    Outcome one = run("db export --db " + tmp.path() + " PERIODESPAIE");
    EXPECT_EQ(one.out, "{\"file\": \"PERIODESPAIE\", \"key\": \"1\", \"fields\": [\"201305\"]}\n");
    // A tab is a blank of the sentence and of the field list.
    Outcome rows = run("db query --db " + tmp.path() + " " + q("SSELECT\tCENTREURSSAF PAR\t1") + " --fields " + q("0\t1"));
    EXPECT_EQ(rows.out, "75\tURSSAF DE PARIS\n93\tURSSAF DE SEINE-SAINT-DENIS\n92\tURSSAF DES HAUTS-DE-SEINE\n");
    Outcome show = run("db show --db " + tmp.path() + " PARAMPOLEEMPLOI 1");
    EXPECT_EQ(show.out, "{\"file\": \"PARAMPOLEEMPLOI\", \"key\": \"1\", \"fields\": [\"910\"]}\n");
    // An index made, listed, read by a request (the same rows) and dropped.
    const std::string aide = "db query --db " + tmp.path() + " " + q("SSELECT CONTRAT AVEC 3 = \"11344\"");
    const std::string unindexed = run(aide).out;
    EXPECT_EQ(run("db index create --db " + tmp.path() + " CONTRAT 3").status, 0);
    EXPECT_EQ(run("db index list --db " + tmp.path()).out, "CONTRAT\t3\n");
    EXPECT_EQ(run(aide).out, unindexed);
    EXPECT_EQ(run("db index drop --db " + tmp.path() + " CONTRAT 3").status, 0);
    EXPECT_EQ(run("db index list --db " + tmp.path()).out, "");
}

// A bad command line is status 2, bad data or a missing file 3; a broken dump changes nothing.
TEST_F(Cli, BadInputGetsAClearMessageAndItsStatus) {
    const std::string db = " --db " + tmp.path(), bad = tmp.dir() + "/bad.jsonl";
    std::ofstream(bad) << "{\"file\": \"PERIODESPAIE\", \"key\": \"1\", \"fields\": [\"209912\"]}\n{oops\n";
    // A text with a byte that is not UTF-8 (Latin-1 "é"), refused before any database sees it.
    const std::string latin1 = "\"$(printf 'ANDR\\311')\"", print = "print" + db + " --quarter 20132 --centre 75";
    const std::vector<Refusal> cases = {
        {print + " --from " + latin1, 2, "--from is not UTF-8 text: byte 0xC9 at position 5"},
        {print + " --to " + latin1, 2, "--to is not UTF-8"}, {print + " --select " + latin1, 2, "--select is not UTF-8"},
        {print + " --output " + latin1, 2, "--output is not UTF-8"}, {print + " --user " + latin1, 2, "--user is not UTF-8"},
        {print + " --export " + latin1 + ".csv", 2, "--export is not UTF-8"},
        {"db query --db " + latin1 + " 'SSELECT CONTRAT'", 2, "--db is not UTF-8"},
        {"db show" + db + " CIVILAIDE " + latin1, 2, "argument 2 is not UTF-8"},
        {"db query" + db + " " + q("SSELECT CONTRAT AVEC X = \"1\""), 3, "unknown name X of CONTRAT at column 22"},
        {"db import" + db + " " + bad, 3, "line 2"},
        {"db show" + db + " CONTRAT NOPE", 3, ""}, {"db show" + db + " NOFILE 1", 3, ""}, {"db frobnicate", 2, ""},
        {"db show" + db + " CONTRAT", 2, ""}, {"db query --db " + tmp.dir() + "/none.db " + q("SSELECT CONTRAT"), 3, ""},
        {"", 2, ""}, {"db import" + db + " /nonexistent.jsonl", 3, ""},
        {"db index create" + db + " REGULDNT 1", 3, "written by runs"}, {"db index sort" + db, 2, ""}};
    for (const auto& [args, status, words] : cases) {
        Outcome r = run(args);
        EXPECT_EQ(r.status, status) << args;
        EXPECT_TRUE(has(r.err, words)) << args << "\n" << r.err;
    }
    EXPECT_TRUE(has(run("db show" + db + " PERIODESPAIE 1").out, "201305"));
}

// Every refusal of `dnt print`: the status and the words that say why, and nothing
// written to the database.
TEST_F(Cli, PrintRefusesWithItsStatusAndReason) {
    const std::string base = " --quarter 20132 --centre 75";
    const std::vector<Refusal> cases = {
        {"", 2, "missing --quarter"},
        {base + " --sort size", 2, "unknown sort \"size\""},
        {base + " --modes cheque", 2, "unknown payment mode \"cheque\""},
        {base + " --copies 0", 2, "--copies takes a whole number from 1 to 99"},
        {base + " --copies 100", 2, "--copies takes a whole number from 1 to 99"},
        {base + " --aide 11344", 2, "--aide goes with --omr"},
        {base + " --threads 3", 2, "--threads"},
        {base + " --today 31/02/2013", 2, "--today takes a date"},
        {base + " --printer NOPE", 2, "no printer \"NOPE\""},
        {" --quarter 20001 --centre 75", 2, "20132  \"2ème TRIMESTRE 2013\""},
        {" --quarter 20139 --centre 75 --omr", 2, "does not offer \"20139\""},
        {base + " --omr --from A", 2, "--from is a choice of the selection screen"},
        {base + " --omr --aide 123456", 2, "1 to 5 digits"},
        {base + " --omr --aide 12a", 2, "1 to 5 digits"},
        {" --quarter 20132 --centre 8", 1, "there is no URSSAF centre 08 in this database: nothing printed"},
        {" --quarter 20132 --centre 7a", 2, "--centre takes a centre code of 1 or 2 digits"},
        {" --quarter 20132 --centre 075", 2, "--centre takes a centre code of 1 or 2 digits"},
        {" --quarter 20132 --centre 08 --omr", 1, "there is no URSSAF centre 08 in this database: nothing printed"},
        {base + " --from MARTIN", 1, "Incohérence dans la sélection de l'aidé."},
        {base + " --from ZZZ --to ZZZZ", 1, "Aucune sélection correspondant aux critères demandés."},
        {base + " --select 99999", 2, "--select: 99999 is not an aidé of centre 75"},
        {base + " --select 11344,1x,04449", 2, "--select: \"1x\" is not an aidé code (1 to 5 digits)"},
        {base + " --select 05985", 2, "--select: 05985 is not an aidé of centre 75"},
        {base + " --user lecteur", 1, "has no full access to EDITIONDNTVARDEC (level 1)"},
        {base + " --user lecteur --omr", 1, "has no full access to EDITIONDNTVARDEC (level 1)"},
        {base + " --user aucun --omr --aide 11344", 1, "(level 0)"},
    };
    const std::string before = run("db export --db " + tmp.path()).out;
    for (const Refusal& c : cases) {
        Outcome r = run("print --db " + tmp.path() + c.args + " --output " + tmp.dir() + "/out.pdf");
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_NE(r.err.find(c.words), std::string::npos) << c.args << "\n" << r.err;
        // The summary never names a file the run did not write.
        EXPECT_EQ(r.err.find("out.pdf"), std::string::npos) << c.args << "\n" << r.err;
    }
    EXPECT_EQ(run("db export --db " + tmp.path()).out, before);
    EXPECT_EQ(run("print --db " + tmp.dir() + "/none.db" + base).status, 3);
}

// A database whose REGULDNT holds no record yet: its file line keeps the file through an
// export and an import, and the declarations print from it.
TEST(CliDump, AnEmptyFileSurvivesTheDumpAndThePrint) {
    std::ifstream sample(testsupport::sample("small.jsonl"));
    std::string dump, line;
    bool declared = false;
    while (std::getline(sample, line)) {
        if (line.rfind("{\"file\": \"REGULDNT\"", 0) == 0) {
            if (!declared) dump += "{\"file\": \"REGULDNT\"}\n";
            declared = true;
            continue;
        }
        dump += line + "\n";
    }
    testsupport::TempDb tmp;
    std::ofstream(tmp.dir() + "/empty.jsonl") << dump;
    ASSERT_EQ(run("db import --db " + tmp.path() + " " + tmp.dir() + "/empty.jsonl").status, 0);
    EXPECT_EQ(run("db export --db " + tmp.path()).out, dump);
    Outcome r = run("print --db " + tmp.path() + " --quarter 20132 --centre 75 --output " + tmp.dir() + "/o.pdf");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(run("db export --db " + tmp.path() + " REGULDNT").out, "{\"file\": \"REGULDNT\"}\n");
    EXPECT_NE(run("db export --db " + tmp.path() + " DETAILCHGPARTEMP").out.find("20132"), std::string::npos);
}

// A quarter named by its label: the journal is complete, and the PDF holds the text and
// embeds its font; a selection with an unknown code and an unattended run print too.
TEST_F(Cli, PrintReachesThePrinterAndThePdf) {
    const std::string journal = tmp.dir() + "/run.journal", print = "print --db " + tmp.path() + " --centre 75";
    const std::string pdf = tmp.dir() + "/declaration.pdf", text = tmp.dir() + "/d.txt", fonts = tmp.dir() + "/f.txt";
    // The pages painted on the run's thread or on a second one make the same PDF, byte for
    // byte but for its creation date (with Qt's hash seed fixed, which orders the fonts).
    std::string painted[2];
    for (const int threads : {1, 2}) {
        const std::string out = tmp.dir() + "/t" + std::to_string(threads) + ".pdf";
        Outcome t = run(print + " --quarter 20132 --dry-run --threads " + std::to_string(threads) + " --output " + out,
                        "QT_HASH_SEED=0");
        ASSERT_EQ(t.status, 0) << t.err;
        painted[threads - 1] = slurp(out);
        const size_t date = painted[threads - 1].find("/CreationDate (D:");
        ASSERT_NE(date, std::string::npos);
        painted[threads - 1].erase(date, painted[threads - 1].find(')', date) - date);
    }
    EXPECT_TRUE(painted[0] == painted[1]) << "the PDFs of one and two threads differ";
    Outcome r = run(print + " --quarter '2ème TRIMESTRE 2013' --output " + pdf + " --journal " + journal +
                    " --today 15/07/2013");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(slurp(journal).ends_with("END\n"));
    // A label typed with other blanks between its words; an output that was there is replaced, and said so.
    std::ofstream(tmp.dir() + "/sel.pdf") << "old";
    Outcome chosen = run(print + " --quarter ' 2ème  TRIMESTRE 2013' --select 11344 --output " + tmp.dir() + "/sel.pdf");
    EXPECT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_TRUE(has(chosen.err, "sel.pdf (the file that was there is replaced)")) << chosen.err;
    Outcome omr = run(print + " --quarter 20132 --omr --aide 11344 --output " + tmp.dir() + "/omr.pdf --journal " + journal);
    EXPECT_EQ(omr.status, 0) << omr.err;
    // Outputs on devices are written as they are, never synced nor replaced.
    Outcome devices = run(print + " --quarter 20132 --omr --aide 11344 --printer MATRICIELLE --output /dev/stdout "
                                  "--journal /dev/null");
    EXPECT_EQ(devices.status, 0) << devices.err;
    EXPECT_TRUE(has(devices.out, "DECLARATION NOMINATIVE TRIMESTRIELLE")) << devices.out;
    if (std::system("command -v pdftotext >/dev/null && command -v pdffonts >/dev/null") != 0)
        GTEST_SKIP() << "poppler-utils is not installed";
    ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + text + " && pdffonts " + pdf + " >" + fonts).c_str()), 0);
    for (const char* expected : {"DECLARATION NOMINATIVE TRIMESTRIELLE", "Date : 15/07/2013", "2ème TRIMESTRE 2013",
                                 "URSSAF DE PARIS", "IDENTIFICATION DES PERSONNES EMPLOYEES", "TOTAUX :",
                                 "NET A PAYER :"})
        EXPECT_TRUE(has(slurp(text), expected)) << expected;
    // Every font line: name, type, encoding, then emb, sub, uni, object and generation.
    EXPECT_TRUE(std::ifstream(pdf).good());
    EXPECT_TRUE(has(slurp(fonts), "LiberationMono")) << slurp(fonts);
    const std::regex font(R"(Liberation.*\s(yes|no)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*)");
    std::istringstream lines(slurp(fonts));
    int fontLines = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("Liberation")) continue;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, font)) << line;
        EXPECT_EQ(m[1], "yes") << "not embedded: " << line;
        ++fontLines;
    }
    EXPECT_GE(fontLines, 1);
}
