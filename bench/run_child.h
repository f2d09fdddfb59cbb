// Runs one measurement in a forked child process, so that its peak memory is its own,
// and brings back its wall time, its peak resident size and the figures it reported.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace benchrun {

// What a measurement tells its parent: named figures, as text.
class Report {
public:
    void set(const std::string& name, const std::string& value) { values_[name] = value; }
    void set(const std::string& name, double value);
    void set(const std::string& name, long value) { set(name, std::to_string(value)); }
    const std::map<std::string, std::string>& values() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

struct ChildOutcome {
    bool ok = false;             // exited with 0 (and, for a measurement, reported no error)
    std::string error;           // what went wrong otherwise
    double wallSeconds = 0;      // from fork to reaping, as the parent saw it
    long peakRssKb = 0;          // ru_maxrss of that child alone
    double cpuSeconds = 0;       // user + system time of that child
    std::map<std::string, std::string> values;  // the figures it reported

    double number(const std::string& name, double otherwise = 0) const;
    std::string text(const std::string& name) const;
};

// Forks, runs `body` in the child and waits for it. An exception in the child becomes
// `error`; the child leaves with _exit, without running the parent's destructors.
ChildOutcome runInChild(const std::function<void(Report&)>& body);

// Forks and executes a program (argv[0] is its path) with standard output and error sent
// to /dev/null; the wall time covers fork, exec, the whole run and the reaping.
ChildOutcome runProgram(const std::vector<std::string>& argv);

}  // namespace benchrun
