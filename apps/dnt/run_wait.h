// How a command waits for another desk's run of the same quarter and centre: `--wait
// SECONDS` (300 by default), told on standard error with who runs it, since when.
#pragma once

#include <string>

#include "apps/dnt/cli.h"
#include "dba/run_lock.h"

namespace cli {

inline constexpr long kDefaultWaitSeconds = 300;

// The wait of `--wait`, 0 to 86400 seconds.
long waitSeconds(const Args& a);
dba::RunWait runWait(long seconds, const std::string& quarter, const std::string& centre);

// "centre 75, 4ème TRIMESTRE 2025: printed by guichet2 since 09:14 (run 12)".
std::string describeHolder(const std::string& quarter, const std::string& centre, const dba::RunHolder& holder);

}  // namespace cli
