// `dnt`: the command line of the declaration printer (print, db, demo, printers).
#include <iostream>

#include "apps/dnt/cli.h"
#include "apps/usage/usage.h"
#include "numbers/error.h"

namespace {

const char* kShortUsage =
    "usage: dnt VERB [options]   (print, demo, db VERB, printers, help [VERB]; dnt --help lists them all)\n";

// `dnt help`, `dnt help print`, `dnt help db`, `dnt help db runs`.
int help(int argc, char** argv) {
    std::string name;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") throw cli::HelpWanted{"help"};
        name += (name.empty() ? "" : " ") + word;
    }
    const usage::Program& dnt = usage::dnt();
    if (name.empty()) std::cout << usage::programHelp(dnt);
    else if (const usage::Verb* verb = usage::findVerb(dnt, name)) std::cout << usage::verbHelp(dnt, *verb);
    else if (name == "db") std::cout << usage::familyHelp(dnt, "db");
    else throw cli::UsageError("no verb \"" + name + "\"\n" + kShortUsage);
    return cli::kOk;
}

int dispatch(int argc, char** argv) {
    const std::string verb = argv[1];
    if (verb == "db") return cli::runDb(argc, argv);
    if (verb == "print") return cli::runPrint(argc, argv);
    if (verb == "demo") return cli::runDemo(argc, argv);
    if (verb == "printers") return cli::listPrinters(cli::parseArgs(argc, argv, 2, "printers"));
    if (verb == "help") return help(argc, argv);
    if (verb == "--help" || verb == "-h") {
        if (argc > 2) throw cli::UsageError(std::string("--help takes nothing after it\n") + kShortUsage);
        std::cout << usage::programHelp(usage::dnt());
        return cli::kOk;
    }
    if (verb == "--version") {
        if (argc > 2) throw cli::UsageError(std::string("--version takes nothing after it\n") + kShortUsage);
        std::cout << usage::versionLine(usage::dnt()) << "\n";
        return cli::kOk;
    }
    throw cli::UsageError("unknown command " + verb + "\n" + kShortUsage);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        std::cerr << kShortUsage;
        return cli::kUsage;
    }
    try {
        return dispatch(argc, argv);
    } catch (const cli::HelpWanted& h) {
        std::cout << usage::verbHelp(usage::dnt(), *usage::findVerb(usage::dnt(), h.verb));
        return cli::kOk;
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
