// Forked measurements: the child runs the work and writes its figures on a pipe, the
// parent times it and reads its own peak memory from wait4.
#include "bench/run_child.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sstream>

namespace benchrun {

namespace {

using Clock = std::chrono::steady_clock;

void writeAll(int fd, const std::string& text) {
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
}

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
    }
    return text;
}

// Figures travel one a line, "name\tvalue"; newlines and tabs inside values are blanked.
std::string encode(const std::map<std::string, std::string>& values) {
    std::string text;
    for (const auto& [name, value] : values) {
        std::string v = value;
        for (char& c : v)
            if (c == '\n' || c == '\t') c = ' ';
        text += name + "\t" + v + "\n";
    }
    return text;
}

std::map<std::string, std::string> decode(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t tab = line.find('\t');
        if (tab != std::string::npos) values[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return values;
}

// Reaps the child and fills the outcome's status, time and memory.
void reap(pid_t pid, Clock::time_point start, ChildOutcome& out) {
    int status = 0;
    struct rusage usage {};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    out.wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    out.peakRssKb = usage.ru_maxrss;
    auto seconds = [](const struct timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    out.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        out.ok = true;
    } else if (WIFEXITED(status)) {
        out.error = "exit status " + std::to_string(WEXITSTATUS(status));
    } else if (WIFSIGNALED(status)) {
        out.error = std::string("killed by signal ") + strsignal(WTERMSIG(status));
    }
}

}  // namespace

void Report::set(const std::string& name, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    values_[name] = text;
}

double ChildOutcome::number(const std::string& name, double otherwise) const {
    auto it = values.find(name);
    if (it == values.end() || it->second.empty()) return otherwise;
    return std::strtod(it->second.c_str(), nullptr);
}

std::string ChildOutcome::text(const std::string& name) const {
    auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
}

ChildOutcome runInChild(const std::function<void(Report&)>& body) {
    ChildOutcome out;
    int fds[2];
    if (pipe(fds) != 0) {
        out.error = std::string("pipe: ") + std::strerror(errno);
        return out;
    }
    std::fflush(nullptr);
    Clock::time_point start = Clock::now();
    pid_t pid = fork();
    if (pid < 0) {
        out.error = std::string("fork: ") + std::strerror(errno);
        close(fds[0]);
        close(fds[1]);
        return out;
    }
    if (pid == 0) {
        close(fds[0]);
        Report report;
        int code = 0;
        try {
            body(report);
        } catch (const std::exception& e) {
            report.set("error", std::string(e.what()));
            code = 1;
        } catch (...) {
            report.set("error", std::string("unknown exception"));
            code = 1;
        }
        writeAll(fds[1], encode(report.values()));
        close(fds[1]);
        std::fflush(nullptr);
        _exit(code);
    }
    close(fds[1]);
    std::string text = readAll(fds[0]);
    close(fds[0]);
    reap(pid, start, out);
    out.values = decode(text);
    if (auto it = out.values.find("error"); it != out.values.end()) {
        out.ok = false;
        out.error = it->second;
    }
    return out;
}

ChildOutcome runProgram(const std::vector<std::string>& argv) {
    ChildOutcome out;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::fflush(nullptr);
    Clock::time_point start = Clock::now();
    pid_t pid = fork();
    if (pid < 0) {
        out.error = std::string("fork: ") + std::strerror(errno);
        return out;
    }
    if (pid == 0) {
        int devnull = open("/dev/null", O_WRONLY);
        if (devnull >= 0) {
            dup2(devnull, STDOUT_FILENO);
            dup2(devnull, STDERR_FILENO);
        }
        execv(args[0], args.data());
        _exit(127);
    }
    reap(pid, start, out);
    return out;
}

}  // namespace benchrun
