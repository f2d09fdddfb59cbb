// `dnt`: the command line of the declaration printer (print, db, demo).
#include <iostream>

#include "apps/dnt/cli.h"
#include "numbers/error.h"

namespace {

const char* kUsage =
    "usage: dnt print --db PATH|URI --quarter LABEL --centre CODE [options]   print the declarations\n"
    "       dnt demo --db PATH|URI [--aides N] [--seed S]   make a demo database\n"
    "       dnt db import|export|query|show|copy|init-server ...   manage a declaration database\n";

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        std::cerr << kUsage;
        return cli::kUsage;
    }
    std::string verb = argv[1];
    try {
        if (verb == "db") return cli::runDb(argc, argv);
        if (verb == "print") return cli::runPrint(argc, argv);
        if (verb == "demo") return cli::runDemo(argc, argv);
        if (verb == "--help" || verb == "-h" || verb == "help") {
            std::cout << kUsage;
            return cli::kOk;
        }
        throw cli::UsageError("unknown command " + verb + "\n" + kUsage);
    } catch (const cli::UsageError& e) {
        std::cerr << "dnt: " << e.what() << (std::string(e.what()).back() == '\n' ? "" : "\n");
        return cli::kUsage;
    } catch (const dnt::Error& e) {
        std::cerr << "dnt: " << e.what() << " (error " << dnt::errorNumberText(e.number()) << ")\n";
        return cli::kDataError;
    } catch (const std::exception& e) {
        std::cerr << "dnt: " << e.what() << "\n";
        return cli::kDataError;
    }
}
