// Option parsing for the verbs of `dnt`.
#include "apps/dnt/cli.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "apps/usage/usage.h"
#include "dba/errors.h"
#include "numbers/utf8.h"

namespace cli {

namespace {

// Every text of the command line reaches the database (a sentence, a name range, the
// history of runs) or a file name, both of which hold UTF-8: a byte that is not is a bad
// command line, the same on a file as on a server.
void checkUtf8(const std::string& what, const std::string& text) {
    std::optional<std::size_t> at = dnt::utf8::invalidAt(text);
    if (!at) return;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[*at]));
    throw UsageError(what + " is not UTF-8 text: byte " + byte + " at position " + std::to_string(*at + 1));
}

}  // namespace

Args parseArgs(int argc, char** argv, int first, const std::string& verb) {
    const usage::Verb* described = usage::findVerb(usage::dnt(), verb);
    if (!described) throw std::logic_error("no description of the verb " + verb);
    const std::vector<std::string> known = usage::optionNames(*described), flags = usage::flagNames(*described);
    Args a;
    for (int i = first; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") throw HelpWanted{verb};
        if (arg.rfind("--", 0) == 0 && arg.size() > 2) {
            std::string name = arg.substr(2), value;
            size_t eq = name.find('=');
            bool inlineValue = eq != std::string::npos;
            if (inlineValue) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
            }
            if (std::find(known.begin(), known.end(), name) == known.end())
                throw UsageError("unknown option --" + name);
            bool flag = std::find(flags.begin(), flags.end(), name) != flags.end();
            if (!flag && !inlineValue) {
                if (i + 1 >= argc) throw UsageError("--" + name + " needs a value");
                value = argv[++i];
            }
            if (a.options.count(name)) throw UsageError("--" + name + " given twice");
            checkUtf8("--" + name, value);
            a.options[name] = value;
        } else {
            checkUtf8("argument " + std::to_string(a.positional.size() + 1), arg);
            a.positional.push_back(arg);
        }
    }
    return a;
}

int flushed() {
    std::cout.flush();
    if (!std::cout) throw dba::DbError(dba::kErrStorage, "standard output could not be written");
    return kOk;
}

std::string currentLogin() {
    for (const char* name : {"LOGNAME", "USER"})
        if (const char* v = std::getenv(name); v && *v) return v;
    if (const passwd* pw = getpwuid(geteuid())) return pw->pw_name;
    return "";
}

long Args::number(const std::string& name, long fallback, long min, long max) const {
    if (!has(name)) return fallback;
    const std::string& text = options.at(name);
    size_t used = 0;
    long v = 0;
    try {
        v = std::stol(text, &used);
    } catch (...) {
        used = 0;
    }
    if (used == 0 || used != text.size() || v < min || v > max)
        throw UsageError("--" + name + " takes a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + text + "\"");
    return v;
}

}  // namespace cli
