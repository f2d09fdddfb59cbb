// What the build knows of itself: the project's version, the checkout it was built from,
// and where it installs what the programs look for. Written by usage/build_info.cmake.
#pragma once

namespace usage {

struct BuildInfo {
    const char* version;      // the project's version, "1.0.0"
    const char* description;  // `git describe` of the checkout, "" outside one
    const char* date;         // the day of the last commit (else of the build), YYYY-MM-DD
    const char* helpFromBin;  // the installed help pages from the programs' folder: "../share/dnt/help"
};

extern const BuildInfo kBuild;

}  // namespace usage
