// The `dnt` command line run as a user runs it: exit statuses and outputs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "../dba/test_support.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome dnt(const std::string& args) {
    testsupport::TempDb scratch;
    std::string out = scratch.dir() + "/out", err = scratch.dir() + "/err";
    std::string cmd = std::string(DNT_BINARY_DIR) + "/apps/dnt " + args + " >" + out + " 2>" + err + " </dev/null";
    int raw = std::system(cmd.c_str());
    auto slurp = [](const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

std::string q(const std::string& s) { return "'" + s + "'"; }

class Cli : public ::testing::Test {
protected:
    testsupport::TempDb tmp;
    void SetUp() override {
        ASSERT_EQ(dnt("db import --db " + tmp.path() + " " + testsupport::sample("small.jsonl")).status, 0);
    }
};

}  // namespace

TEST_F(Cli, DbVerbs) {
    Outcome exported = dnt("db export --db " + tmp.path());
    EXPECT_EQ(exported.status, 0);
    std::ifstream in(testsupport::sample("small.jsonl"), std::ios::binary);
    EXPECT_EQ(exported.out, std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    Outcome one = dnt("db export --db " + tmp.path() + " PERIODESPAIE");
    EXPECT_EQ(one.out, "{\"file\": \"PERIODESPAIE\", \"key\": \"1\", \"fields\": [\"201305\"]}\n");
    // A tab is a blank of the sentence and of the field list.
    Outcome rows = dnt("db query --db " + tmp.path() + " " + q("SSELECT\tCENTREURSSAF PAR\t1") + " --fields " + q("0\t1"));
    EXPECT_EQ(rows.out, "75\tURSSAF DE PARIS\n93\tURSSAF DE SEINE-SAINT-DENIS\n92\tURSSAF DES HAUTS-DE-SEINE\n");
    Outcome show = dnt("db show --db " + tmp.path() + " PARAMPOLEEMPLOI 1");
    EXPECT_EQ(show.out, "{\"file\": \"PARAMPOLEEMPLOI\", \"key\": \"1\", \"fields\": [\"910\"]}\n");
}

TEST_F(Cli, BadInputGetsAClearMessageAndItsStatus) {
    Outcome r = dnt("db query --db " + tmp.path() + " " + q("SSELECT CONTRAT AVEC X = \"1\""));
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("unknown name X of CONTRAT at column 22"), std::string::npos) << r.err;
    EXPECT_EQ(dnt("db show --db " + tmp.path() + " CONTRAT NOPE").status, 3);
    EXPECT_EQ(dnt("db show --db " + tmp.path() + " NOFILE 1").status, 3);
    EXPECT_EQ(dnt("db frobnicate").status, 2);
    EXPECT_EQ(dnt("db show --db " + tmp.path() + " CONTRAT").status, 2);
    EXPECT_EQ(dnt("db query --db " + tmp.dir() + "/missing.db " + q("SSELECT CONTRAT")).status, 3);
    EXPECT_EQ(dnt("").status, 2);
    EXPECT_EQ(dnt("db import --db " + tmp.path() + " /nonexistent.jsonl").status, 3);
}

TEST_F(Cli, ABrokenDumpChangesNothing) {
    std::string bad = tmp.dir() + "/bad.jsonl";
    std::ofstream(bad) << "{\"file\": \"PERIODESPAIE\", \"key\": \"1\", \"fields\": [\"209912\"]}\n{oops\n";
    Outcome r = dnt("db import --db " + tmp.path() + " " + bad);
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
    EXPECT_NE(dnt("db show --db " + tmp.path() + " PERIODESPAIE 1").out.find("201305"), std::string::npos);
}

TEST_F(Cli, PrintChecksItsCommandLine) {
    EXPECT_EQ(dnt("print --db " + tmp.path()).status, 2);  // no quarter, no centre
    EXPECT_EQ(dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --sort size").status, 2);
    EXPECT_EQ(dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --modes cheque").status, 2);
    EXPECT_EQ(dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --copies 0").status, 2);
    EXPECT_EQ(dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --aide 11344").status, 2);
    EXPECT_EQ(dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --today 31/02/2013").status, 2);
    EXPECT_EQ(dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --printer NOPE").status, 2);
    Outcome r = dnt("print --db " + tmp.path() + " --quarter 20001 --centre 75");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("2ème TRIMESTRE 2013"), std::string::npos) << r.err;
    EXPECT_EQ(dnt("print --db " + tmp.dir() + "/none.db --quarter 20132 --centre 75").status, 3);
}

TEST_F(Cli, PrintStopsOnTheScreensMessages) {
    std::string out = " --output " + tmp.dir() + "/out.pdf";
    Outcome unknown = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 8" + out);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Ce centre Urssaf n'existe pas."), std::string::npos) << unknown.err;
    Outcome range = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --from MARTIN" + out);
    EXPECT_EQ(range.status, 1);
    EXPECT_NE(range.err.find("Incohérence dans la sélection de l'aidé."), std::string::npos) << range.err;
    Outcome none = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --from ZZZ --to ZZZZ" + out);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Aucune sélection correspondant aux critères demandés."), std::string::npos);
    Outcome reader = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --user lecteur" + out);
    EXPECT_EQ(reader.status, 1);
}

TEST_F(Cli, PrintReachesThePrinter) {
    std::string journal = tmp.dir() + "/run.journal";
    Outcome r = dnt("print --db " + tmp.path() + " --quarter '2ème TRIMESTRE 2013' --centre 75 --output " + tmp.dir() +
                "/out.pdf --journal " + journal + " --today 15/07/2013");
    EXPECT_EQ(r.status, 0) << r.err;
    std::ifstream in(journal);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.substr(text.size() - 4), "END\n");
    EXPECT_TRUE(std::ifstream(tmp.dir() + "/out.pdf").good());
    Outcome chosen = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --select 11344,99999 --output " +
                         tmp.dir() + "/sel.pdf");
    EXPECT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_FALSE(chosen.err.empty());  // the unknown code's message
    Outcome none = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --select 99999 --output " +
                       tmp.dir() + "/sel.pdf");
    EXPECT_EQ(none.status, 1) << none.err;
    Outcome omr = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --omr --aide 11344 --output " +
                  tmp.dir() + "/omr.pdf --journal " + journal);
    EXPECT_EQ(omr.status, 0) << omr.err;
}

TEST_F(Cli, ADeclarationRenderedToPdfHoldsItsTextAndItsFont) {
    if (std::system("command -v pdftotext >/dev/null && command -v pdffonts >/dev/null") != 0)
        GTEST_SKIP() << "poppler-utils is not installed";
    std::string pdf = tmp.dir() + "/declaration.pdf";
    Outcome r = dnt("print --db " + tmp.path() + " --quarter 20132 --centre 75 --output " + pdf +
                    " --today 15/07/2013");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string text = tmp.dir() + "/declaration.txt", fonts = tmp.dir() + "/fonts.txt";
    ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + text).c_str()), 0);
    ASSERT_EQ(std::system(("pdffonts " + pdf + " > " + fonts).c_str()), 0);
    auto slurp = [](const std::string& p) {
        std::ifstream in(p);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    std::string t = slurp(text), f = slurp(fonts);
    for (const char* expected : {"DECLARATION NOMINATIVE TRIMESTRIELLE", "Date : 15/07/2013", "2ème TRIMESTRE 2013",
                                 "URSSAF DE PARIS", "IDENTIFICATION DES PERSONNES EMPLOYEES", "TOTAUX :",
                                 "NET A PAYER :"})
        EXPECT_NE(t.find(expected), std::string::npos) << expected;
    EXPECT_NE(f.find("LiberationMono"), std::string::npos) << f;
    // Every font line: name, type, encoding, then emb, sub, uni, object and generation.
    std::istringstream lines(f);
    std::string line;
    int fontLines = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("Liberation", 0) != 0) continue;
        std::istringstream words(line);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
        ASSERT_GE(w.size(), 5u) << line;
        EXPECT_EQ(w[w.size() - 5], "yes") << "not embedded: " << line;
        ++fontLines;
    }
    EXPECT_GE(fontLines, 1);
}
