// The command line of dnt-gui.
#pragma once

#include <optional>
#include <string>

namespace gui {

struct Options {
    std::string db;     // the database file; asked for when empty
    std::string user;   // the login whose rights apply
    bool userGiven = false;  // by --user, rather than taken from the environment
    long today = 0;     // today's day number
    // Hidden options for the documentation's pictures: write `picture` (application,
    // screen, selection, preview or history) to the PNG file `screenshot` and leave.
    std::string screenshot;
    std::string picture = "screen";
    std::string centre;  // typed into the centre entry first
    std::string search;  // searched in the selection window
    std::string journal;  // print journal of every run
};

// The options, or the reason they are refused in `error`. --help and --version are
// answered before: they need no display, and so no Qt.
std::optional<Options> parseOptions(int argc, char** argv, std::string& error);

// The synopsis, for a refused command line.
std::string shortUsage();

}  // namespace gui
