// What the rest of the machine did while a benchmark measured: the processor time spent by
// every process but the benchmark itself, the children it reaped and the PostgreSQL server
// it started. The load average cannot tell: on two cores the benchmark's own processes make
// it about 1 whatever else runs.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>

namespace bench {

struct MachineSnapshot {
    double wall = 0;        // seconds, steady clock
    double systemBusy = 0;  // processor seconds of the whole machine, not idle nor waiting
    double own = 0;         // of this process and the children it reaped
    double server = 0;      // of the benchmark's PostgreSQL server and its backends
    bool known = false;

    static MachineSnapshot now();
};

namespace detail {

inline double ticks(unsigned long long t) { return static_cast<double>(t) / static_cast<double>(sysconf(_SC_CLK_TCK)); }

inline double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// Fields of /proc/PID/stat after the command's closing parenthesis: state is field 3.
inline bool readStat(const std::string& pid, unsigned long long& ppid, unsigned long long& cpu, unsigned long long& reaped) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string text;
    if (!std::getline(in, text)) return false;
    const size_t close = text.rfind(')');
    if (close == std::string::npos) return false;
    std::istringstream fields(text.substr(close + 2));
    std::string state;
    unsigned long long v[15] = {};
    fields >> state;
    for (auto& x : v)
        if (!(fields >> x)) return false;
    // From field 4 on: ppid v[0] ... utime v[10], stime v[11], cutime v[12], cstime v[13].
    ppid = v[0];
    cpu = v[10] + v[11];
    reaped = v[12] + v[13];
    return true;
}

// The server (DNT_BENCH_SERVER_PID, set by bench/figures.sh): the postmaster, the backends
// it reaped, and those alive.
inline double serverSeconds() {
    const char* env = std::getenv("DNT_BENCH_SERVER_PID");
    if (!env || !*env) return 0;
    const std::string server = env;
    unsigned long long total = 0, ppid = 0, cpu = 0, reaped = 0;
    if (!readStat(server, ppid, cpu, reaped)) return 0;
    total = cpu + reaped;
    if (DIR* proc = opendir("/proc")) {
        while (dirent* e = readdir(proc)) {
            if (e->d_name[0] < '0' || e->d_name[0] > '9') continue;
            if (readStat(e->d_name, ppid, cpu, reaped) && std::to_string(ppid) == server) total += cpu;
        }
        closedir(proc);
    }
    return ticks(total);
}

}  // namespace detail

inline MachineSnapshot MachineSnapshot::now() {
    MachineSnapshot s;
    s.wall = std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    std::ifstream in("/proc/stat");
    std::string cpu;
    unsigned long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0, steal = 0;
    if (!(in >> cpu >> user >> nice >> system >> idle >> iowait >> irq >> softirq >> steal) || cpu != "cpu") return s;
    s.systemBusy = detail::ticks(user + nice + system + irq + softirq + steal);
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    s.own = detail::seconds(self.ru_utime) + detail::seconds(self.ru_stime) + detail::seconds(children.ru_utime) +
            detail::seconds(children.ru_stime);
    s.server = detail::serverSeconds();
    s.known = true;
    return s;
}

// The cores the other processes kept busy, on average, from `from` to now (-1: unknown, or
// too short a time to tell: the machine's counts go by ticks of 10 ms).
inline double otherCores(const MachineSnapshot& from) {
    const MachineSnapshot to = MachineSnapshot::now();
    const double wall = to.wall - from.wall;
    if (!from.known || !to.known || wall < 0.5) return -1;
    const double others = (to.systemBusy - from.systemBusy) - (to.own - from.own) - (to.server - from.server);
    return others > 0 ? others / wall : 0;
}

// The moment the benchmark program began, taken by its first call (at the start of main).
inline const MachineSnapshot& programStart() {
    static const MachineSnapshot start = MachineSnapshot::now();
    return start;
}

}  // namespace bench
