// The lock of the runs of one quarter and centre: two desks never print the same pair at
// the same time, and the one that must wait is told who prints it, since when, under which
// run. On a file it is a byte of the lock file beside the database, on a server a
// session-level advisory lock: the system frees it when its holder ends, however it ends.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dba {

// Who holds a pair's lock, as the holder announced it.
struct RunHolder {
    std::string login;
    std::string since;  // local time, "2026-12-06 09:14:03"
    long long run = 0;  // the number its run was given
};

// How a run waits for another desk's run of the same pair.
struct RunWait {
    int seconds = 300;  // the longest wait; 0 never waits
    // Told once, when the run must wait, with who holds the lock.
    std::function<void(const RunHolder&)> waiting;
};

// The pair is still printed by another desk when the wait is over.
class RunBusy : public std::runtime_error {
public:
    RunBusy(const RunHolder& holder, int waited)
        : std::runtime_error("another run of this quarter and centre is under way"), holder_(holder), waited_(waited) {}
    const RunHolder& holder() const { return holder_; }
    int waited() const { return waited_; }

private:
    RunHolder holder_;
    int waited_;
};

// The place of a pair's lock, apart from every record's (record_locks.h): at or above 2^62.
long long runLockOffset(std::string_view quarter, std::string_view centre);

}  // namespace dba
