// Waiting for another desk's run, as the command line says it.
#include "apps/dnt/run_wait.h"

#include <iostream>

#include "control/libelles_trimestre.h"
#include "dba/run_history.h"

namespace cli {

std::string describeHolder(const std::string& quarter, const std::string& centre, const dba::RunHolder& holder) {
    std::string text = "centre " + centre + ", " + control::LibelleTrimestre(quarter) + ": printed by " +
                       (holder.login.empty() ? "another desk" : holder.login);
    if (holder.since.size() >= 16) {
        // The time alone on the same day, the date too on another.
        const bool today = holder.since.compare(0, 10, dba::historyTime(), 0, 10) == 0;
        text += " since " + (today ? holder.since.substr(11, 5) : holder.since.substr(0, 16));
    }
    if (holder.run) text += " (run " + std::to_string(holder.run) + ")";
    return text;
}

long waitSeconds(const Args& a) { return a.number("wait", kDefaultWaitSeconds, 0, 86400); }

dba::RunWait runWait(long seconds, const std::string& quarter, const std::string& centre) {
    dba::RunWait wait;
    wait.seconds = static_cast<int>(seconds);
    wait.waiting = [quarter, centre](const dba::RunHolder& holder) {
        std::cerr << "dnt: " << describeHolder(quarter, centre, holder) << ", waiting\n" << std::flush;
    };
    return wait;
}

}  // namespace cli
