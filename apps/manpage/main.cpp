// dnt-manpage PROGRAM FILE: writes the manual page of dnt or dnt-gui, at build time.
#include <fstream>
#include <iostream>
#include <string>

#include "apps/usage/usage.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: dnt-manpage dnt|dnt-gui FILE\n";
        return 2;
    }
    const std::string program = argv[1];
    if (program != "dnt" && program != "dnt-gui") {
        std::cerr << "dnt-manpage: no program " << program << "\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << usage::manPage(program == "dnt" ? usage::dnt() : usage::dntGui());
    out.close();
    if (!out) {
        std::cerr << "dnt-manpage: cannot write " << argv[2] << "\n";
        return 3;
    }
    return 0;
}
