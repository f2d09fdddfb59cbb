// The goals of the benchmarks, printed the same way by every benchmark program: one line
// each, "goal: what | measured | target | met, MISSED or reported", which make bench
// gathers into its closing table.
#pragma once

#include <cstdio>
#include <string>

namespace bench {

// A goal met when `met`; `reported` figures have no target of their own.
inline void printGoal(const std::string& what, const std::string& measured, const std::string& target, bool met,
                      bool reported = false) {
    std::printf("goal: %s | %s | %s | %s\n", what.c_str(), measured.c_str(), target.c_str(),
                reported ? "reported" : met ? "met" : "MISSED");
    std::fflush(stdout);
}

inline std::string figure(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

}  // namespace bench
