// Desks played against each other in a fixed order: each desk a `dnt` process that stops at
// the named steps it is given (dba/test_steps.h) until the script lets it go on, so that
// a race happens the same way every time, waiting on the processes' own steps, never on
// sleeps.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "support/database.h"

namespace testsupport {

class Desk {
public:
    // Starts `dnt ARGS`, holding it at each of `steps` (a comma list).
    Desk(const std::string& name, const std::string& args, const std::string& steps) : dir_(), name_(name) {
        const std::string out = dir_.dir() + "/steps", in = dir_.dir() + "/go";
        if (::mkfifo(out.c_str(), 0600) != 0 || ::mkfifo(in.c_str(), 0600) != 0)
            throw std::runtime_error("cannot make the FIFOs of desk " + name);
        // Both ends open here first, read-write, so that neither side blocks on opening.
        stepsFd_ = ::open(out.c_str(), O_RDWR | O_CLOEXEC);
        goFd_ = ::open(in.c_str(), O_RDWR | O_CLOEXEC);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setenv("DNT_TEST_STEPS", (out + ";" + in + ";" + steps).c_str(), 1);
            const std::string cmd = "exec " + std::string(DNT_BINARY_DIR) + "/apps/dnt " + args + " >" + dir_.dir() +
                                    "/out 2>" + dir_.dir() + "/err </dev/null";
            ::execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~Desk() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(stepsFd_);
        ::close(goFd_);
    }
    Desk(const Desk&) = delete;
    Desk& operator=(const Desk&) = delete;

    // Waits until the desk stands at a step whose name starts with `step`, and gives its
    // full name; fails when the desk ends first or takes more than a minute.
    std::string at(const std::string& step) {
        if (held_) go();
        for (;;) {
            std::string line = nextLine();
            held_ = true;
            if (line.rfind(step, 0) == 0) return line;
            go();  // a step the script does not stop at
        }
    }
    // Lets the desk go on from the step it stands at.
    void go() {
        const char byte = 1;
        held_ = false;
        if (::write(goFd_, &byte, 1) != 1) throw std::runtime_error("desk " + name_ + " cannot be let go");
    }
    // Lets the desk go on at every step from now on, and waits for its end: its exit status.
    int finish() {
        if (held_) go();
        for (;;) {
            pollfd p{stepsFd_, POLLIN, 0};
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
            }
            if (::poll(&p, 1, 20) > 0) {
                nextLine();
                go();
            }
        }
    }
    void kill() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    std::string err() const { return slurp(dir_.dir() + "/err"); }

private:
    std::string nextLine() {
        const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (buffer_.find('\n') == std::string::npos) {
            pollfd p{stepsFd_, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) {
                char chunk[256];
                const ssize_t n = ::read(stepsFd_, chunk, sizeof chunk);
                if (n > 0) buffer_.append(chunk, static_cast<size_t>(n));
                continue;
            }
            int status = 0;
            if (pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                throw std::runtime_error("desk " + name_ + " ended before its step: " + err());
            }
            if (std::chrono::steady_clock::now() > until)
                throw std::runtime_error("desk " + name_ + " reached no step in a minute: " + err());
        }
        const size_t end = buffer_.find('\n');
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return line;
    }

    TempDb dir_;
    std::string name_;
    int stepsFd_ = -1, goFd_ = -1;
    pid_t pid_ = -1;
    bool held_ = false;  // standing at a step, waiting to be let go
    std::string buffer_;
};

}  // namespace testsupport
