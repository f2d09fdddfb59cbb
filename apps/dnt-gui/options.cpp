// Reading dnt-gui's command line, with the options its description (apps/usage) gives.
#include "apps/dnt-gui/options.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>

#include "apps/usage/usage.h"
#include "dba/dates.h"
#include "dba/errors.h"
#include "numbers/utf8.h"

namespace gui {

namespace {

long todayDayNumber() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dba::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string shortUsage() {
    const usage::Verb& verb = usage::dntGui().verbs.front();
    return "usage: dnt-gui " + verb.synopsis + "   (dnt-gui --help says more)\n";
}

std::optional<Options> parseOptions(int argc, char** argv, std::string& error) {
    const usage::Verb& verb = usage::dntGui().verbs.front();
    const std::vector<std::string> known = usage::optionNames(verb), flags = usage::flagNames(verb);
    std::map<std::string, std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::string name = arg.rfind("--", 0) == 0 ? arg.substr(2) : "";
        if (!listed(known, name) || name == "help") {
            error = "unknown option " + arg + "\n" + shortUsage();
            return std::nullopt;
        }
        if (given.count(name)) {
            error = arg + " given twice\n";
            return std::nullopt;
        }
        if (listed(flags, name)) {
            given[name];
            continue;
        }
        if (i + 1 >= argc) {
            error = arg + " needs a value\n" + shortUsage();
            return std::nullopt;
        }
        given[name] = argv[++i];
        // The texts go to the database and to file names, which hold UTF-8.
        if (dnt::utf8::invalidAt(given[name])) {
            error = arg + " is not UTF-8 text\n";
            return std::nullopt;
        }
    }
    auto value = [&](const char* name) { return given.count(name) ? given[name] : std::string(); };
    Options o;
    const char* login = std::getenv("LOGNAME");
    if (!login || !*login) login = std::getenv("USER");
    o.user = login ? login : "";
    if (given.count("user")) {
        o.user = value("user");
        o.userGiven = true;
    }
    o.db = value("db");
    o.screenshot = value("screenshot");
    if (given.count("picture")) o.picture = value("picture");
    o.centre = value("centre");
    o.search = value("search");
    o.journal = value("journal");
    const std::string today = value("today");
    if (today.empty()) {
        o.today = todayDayNumber();
    } else {
        try {
            o.today = dba::DateInterne(today);
        } catch (const dba::DbError&) {
            error = "--today takes a date DD/MM/YYYY, not \"" + today + "\"\n";
            return std::nullopt;
        }
    }
    return o;
}

}  // namespace gui
