// The goals of the benchmarks, printed the same way by every benchmark program: one line
// each, "goal: what | measured | target | met, MISSED or reported", which make bench
// gathers into its closing table.
#pragma once

#include <cstdio>
#include <string>

#include "bench/machine_watch.h"

namespace bench {

// The machine's load average over the last minute, as /proc/loadavg gives it (-1: unknown).
inline double loadAverage() {
    double load = -1;
    if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf", &load) != 1) load = -1;
        std::fclose(f);
    }
    return load;
}

// How busy the machine was while a figure was taken: its load average at the end, and the
// cores the other processes kept busy meanwhile, which says whether it was idle.
struct Busy {
    double load = -1;
    double others = -1;
};

inline Busy busySince(const MachineSnapshot& from) { return {loadAverage(), otherCores(from)}; }

// Idle: the other processes kept less than a tenth of a core busy.
inline std::string busyNote(const Busy& b) {
    char text[96];
    if (b.others < 0) {
        std::snprintf(text, sizeof text, "load %.2f, others unknown", b.load);
    } else {
        std::snprintf(text, sizeof text, "load %.2f, others %.2f cores, %s", b.load, b.others,
                      b.others < 0.1 ? "idle" : "BUSY");
    }
    return text;
}

// A goal met when `met`; `reported` figures have no target of their own. How busy the
// machine was goes beside it: while the figure was taken (`busy`), or else since the
// program began.
inline void printGoal(const std::string& what, const std::string& measured, const std::string& target, bool met,
                      bool reported = false, const Busy& busy = busySince(programStart())) {
    std::printf("goal: %s | %s (%s) | %s | %s\n", what.c_str(), measured.c_str(), busyNote(busy).c_str(), target.c_str(),
                reported ? "reported" : met ? "met" : "MISSED");
    std::fflush(stdout);
}

inline std::string figure(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

}  // namespace bench
