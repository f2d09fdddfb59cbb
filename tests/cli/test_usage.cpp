// What the programs say of themselves: help on every verb, their versions, and the bash
// completion that reads them.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "cli_support.h"

namespace {

using namespace clitest;

// The verbs `dnt --help` lists, "print" or "db runs".
std::vector<std::string> listedVerbs(const std::string& help) {
    std::vector<std::string> verbs;
    std::istringstream in(help.substr(help.find("\nVerbs:\n") + 8));
    for (std::string line; std::getline(in, line) && !line.empty();)
        verbs.push_back(line.substr(2, line.find("  ", 2) - 2));
    return verbs;
}

std::vector<std::string> optionLines(const std::string& help) {
    std::vector<std::string> lines;
    std::istringstream in(help);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("  --", 0) == 0) lines.push_back(line);
    return lines;
}

}  // namespace

// Every verb answers --help (and `dnt help VERB`) with its usage, exit 0, whatever else the
// line holds; `dnt --help` holds every verb's options, the exit statuses and the files.
TEST(Usage, EveryVerbAnswersHelp) {
    Outcome all = run("--help");
    ASSERT_EQ(all.status, 0);
    const std::vector<std::string> verbs = listedVerbs(all.out);
    for (const char* expected : {"print", "demo", "db import", "db quarters", "db runs", "db run", "db undo", "db copy",
                                 "db init-server", "printers", "help"})
        EXPECT_NE(std::find(verbs.begin(), verbs.end(), expected), verbs.end()) << expected;
    for (const char* part : {"\nExit status:\n", "\nEnvironment:\n", "\nFiles:\n", "  --version"})
        EXPECT_TRUE(has(all.out, part)) << part;
    for (const std::string& verb : verbs) {
        Outcome own = run(verb + " --help --no-such-option"), asked = run("help " + verb);
        EXPECT_EQ(own.status, 0) << verb << own.err;
        EXPECT_TRUE(own.out.rfind("usage: dnt " + verb, 0) == 0) << own.out;
        EXPECT_EQ(asked.out, own.out) << verb;
        for (const std::string& option : optionLines(own.out))
            if (option.rfind("  --help", 0) != 0) {
                EXPECT_TRUE(has(all.out, option)) << verb << ": " << option;
            }
    }
    Outcome family = run("db --help");
    EXPECT_EQ(family.status, 0);
    for (const std::string& verb : verbs)
        EXPECT_EQ(has("\n" + family.out.substr(7), "\ndnt " + verb + " "), verb.rfind("db ", 0) == 0) << verb;
    EXPECT_EQ(run("help db").out, family.out);
    const std::vector<Refusal> refusals = {{"help nope", 2, "no verb \"nope\""},
                                           {"db nope", 2, "unknown verb db nope"},
                                           {"--version now", 2, "--version takes nothing"},
                                           {"print --db x --frobnicate", 2, "unknown option --frobnicate"}};
    for (const auto& [args, status, words] : refusals) {
        Outcome r = run(args);
        EXPECT_EQ(r.status, status) << args;
        EXPECT_TRUE(has(r.err, words)) << args << "\n" << r.err;
    }
}

// Both programs give the project's version and, built from a checkout, its description;
// dnt-gui answers without a display.
TEST(Usage, VersionAndHelpNeedNoDisplay) {
    const std::regex version("dnt(-gui)? " DNT_VERSION " \\(git [0-9A-Za-z.-]+\\)\n");
    const bool checkout = std::system("git -C " DNT_SOURCE_DIR " rev-parse >/dev/null 2>&1") == 0;
    const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb";
    for (const std::string program : {"dnt", "dnt-gui"}) {
        Outcome v = run("--version", noDisplay, "", program);
        EXPECT_EQ(v.status, 0) << program << v.err;
        EXPECT_TRUE(v.out.rfind(program + " " DNT_VERSION, 0) == 0) << v.out;
        if (checkout) {
            EXPECT_TRUE(std::regex_match(v.out, version)) << v.out;
        }
    }
    Outcome help = run("--help", noDisplay, "", "dnt-gui");
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_TRUE(has(help.out, "usage: dnt-gui")) << help.out;
    EXPECT_EQ(run("--frobnicate", "QT_QPA_PLATFORM=offscreen", "", "dnt-gui").status, 2);
}

// The completion of bash, as bash runs it on a line: verbs, options, printers, and the
// quarters and centres of the database named by --db.
TEST(Usage, BashCompletion) {
    testsupport::TempDb tmp;
    ASSERT_EQ(run("db import --db " + tmp.path() + " " + testsupport::sample("small.jsonl")).status, 0);
    const std::string db = tmp.path();
    std::filesystem::create_directory(tmp.dir() + "/sub");
    std::ofstream(tmp.dir() + "/split.pdf") << "a file, not a folder for --split";
    struct Case {
        std::string line;  // the words after the program, the last one being completed
        std::set<std::string> offered;
    };
    const std::vector<Case> cases = {
        {"pr", {"print", "printers"}},
        {"db ru", {"run", "runs"}},
        {"help db quar", {"quarters"}},
        {"db undo --db " + db + " 1 --", {"--db", "--help", "--user", "--wait"}},
        {"print --om", {"--omr"}},
        {"print --db " + db + " --quarter 2013", {"20132", "20131"}},
        {"print --db " + db + " --centre 9", {"92", "93"}},
        {"print --printer MAT", {"MATRICIELLE"}},
        {"print --split " + tmp.dir() + "/s", {tmp.dir() + "/sub"}},
        {"print --sort r", {"responsable"}},
        {"print --modes aide,", {"aide,entite", "aide,prelevement"}},
    };
    for (const Case& c : cases) {
        std::string words = "dnt " + c.line;
        if (words.back() == ' ') words += "''";
        const std::string script = tmp.dir() + "/complete.sh";
        std::ofstream(script) << "source " DNT_SOURCE_DIR "/packaging/dnt.bash-completion\n"
                              << "COMP_WORDS=(" << words << ")\nCOMP_WORDS[0]=" DNT_BINARY_DIR "/apps/dnt\n"
                              << "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n_dnt\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n";
        std::string cmd = "bash " + script + " > " + tmp.dir() + "/offered 2>&1";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << c.line;
        std::set<std::string> offered;
        std::istringstream in(slurp(tmp.dir() + "/offered"));
        for (std::string w; std::getline(in, w);)
            if (!w.empty()) offered.insert(w);
        EXPECT_EQ(offered, c.offered) << c.line;
    }
}
