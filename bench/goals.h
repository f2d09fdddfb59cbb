// The goals of the benchmarks, printed the same way by every benchmark program: one line
// each, "goal: what | measured | target | met, MISSED or reported", which make bench
// gathers into its closing table.
#pragma once

#include <cstdio>
#include <string>

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

// Whether the machine was idle when a figure was taken: below half a core busy on average.
inline std::string loadNote(double load) {
    if (load < 0) return "load unknown";
    char text[64];
    std::snprintf(text, sizeof text, "load %.2f, %s", load, load < 0.5 ? "idle" : "BUSY");
    return text;
}

// A goal met when `met`; `reported` figures have no target of their own. The load average
// when the figure was taken (`load`; by default, now) goes beside it.
inline void printGoal(const std::string& what, const std::string& measured, const std::string& target, bool met,
                      bool reported = false, double load = -2) {
    if (load == -2) load = loadAverage();
    std::printf("goal: %s | %s (%s) | %s | %s\n", what.c_str(), measured.c_str(), loadNote(load).c_str(), target.c_str(),
                reported ? "reported" : met ? "met" : "MISSED");
    std::fflush(stdout);
}

inline std::string figure(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

}  // namespace bench
