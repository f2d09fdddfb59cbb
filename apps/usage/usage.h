// The programs' own description, written once: the verbs and options the command lines
// accept, their help texts and their manual pages all come from it, so none of them can
// leave out an option the others know.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace usage {

struct Option {
    std::string name;   // "db" for --db
    std::string value;  // what follows it, "PATH|URI"; empty for a flag
    std::string text;   // what it does; "\n" starts a continuation line
};

// Options shown together under a title ("At the selection screen (without --omr):").
struct Group {
    // Which run the options belong to, for a verb whose options differ by mode (print: the
    // selection screen's choices are a bad command line unattended, and the other way round).
    enum Mode { AnyMode, ScreenMode, UnattendedMode };
    std::string title;  // may be empty
    std::vector<Option> options;
    Mode mode = AnyMode;
};

struct Verb {
    std::string name;      // "print", "db runs"; empty for a program without verbs
    std::string synopsis;  // what follows the program and the verb
    std::string summary;   // one line, for the list of verbs
    std::vector<Group> groups;
    std::string notes;     // paragraphs after the options, "\n\n" between them
};

// A term and its meaning: an exit status, a variable of the environment, a file.
struct Entry {
    std::string term;
    std::string text;
};

struct Program {
    std::string name;
    std::string summary;      // the manual's NAME line
    std::string description;  // paragraphs, "\n\n" between them
    std::vector<Verb> verbs;
    std::vector<Option> common;  // taken by every verb: --help, and --version alone
    std::vector<Entry> exitStatus, environment, files;
    std::string seeAlso;  // "dnt-gui(1)"
};

const Program& dnt();
const Program& dntGui();

// The verb of that name ("db runs"), nullptr when there is none.
const Verb* findVerb(const Program& program, std::string_view name);
// The names of a verb's options, and those of them that take no value; --help comes with
// every verb.
std::vector<std::string> optionNames(const Verb& verb);
std::vector<std::string> flagNames(const Verb& verb);

// `dnt --help`: every verb with every option, the exit statuses, the environment, the files.
std::string programHelp(const Program& program);
// `dnt db runs --help`: one verb; `dnt db --help`: every verb whose name begins with "db ".
std::string verbHelp(const Program& program, const Verb& verb);
std::string familyHelp(const Program& program, std::string_view family);
// The manual page, in roff, for section 1.
std::string manPage(const Program& program);

// "dnt 1.0.0 (git 547f8b9)": the project's version, with the checkout's description when
// the program was built from one.
std::string versionLine(const Program& program);

}  // namespace usage
