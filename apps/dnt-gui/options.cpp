// Reading dnt-gui's command line.
#include "apps/dnt-gui/options.h"

#include <cstdlib>
#include <ctime>

#include "dba/dates.h"
#include "dba/errors.h"
#include "numbers/utf8.h"

namespace gui {

const char* const kUsage = "usage: dnt-gui [--db PATH|URI] [--user LOGIN] [--today DD/MM/YYYY]\n";

namespace {

long todayDayNumber() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dba::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace

std::optional<Options> parseOptions(int argc, char** argv, std::string& error) {
    Options o;
    const char* login = std::getenv("LOGNAME");
    if (!login || !*login) login = std::getenv("USER");
    o.user = login ? login : "";
    std::string today;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = arg + " needs a value\n" + kUsage;
                return false;
            }
            into = argv[++i];
            // The texts go to the database and to file names, which hold UTF-8.
            if (dnt::utf8::invalidAt(into)) {
                error = arg + " is not UTF-8 text\n";
                return false;
            }
            return true;
        };
        bool ok = true;
        if (arg == "--db") ok = value(o.db);
        else if (arg == "--user") ok = o.userGiven = value(o.user);
        else if (arg == "--today") ok = value(today);
        else if (arg == "--screenshot") ok = value(o.screenshot);
        else if (arg == "--picture") ok = value(o.picture);
        else if (arg == "--centre") ok = value(o.centre);
        else if (arg == "--search") ok = value(o.search);
        else if (arg == "--journal") ok = value(o.journal);
        else if (arg == "--help" || arg == "-h") {
            error = kUsage;
            return std::nullopt;
        } else {
            error = "unknown option " + arg + "\n" + kUsage;
            return std::nullopt;
        }
        if (!ok) return std::nullopt;
    }
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
