// The SIGINT handler of the print: a flag, a line on standard error, and the default
// action back for the next Ctrl-C.
#include "apps/dnt/interrupt.h"

#include <unistd.h>

#include <csignal>

namespace cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int) {
    interrupted = 1;
    static const char said[] = "\ndnt: stopping after the aidé being printed (Ctrl-C again ends at once)\n";
    [[maybe_unused]] ssize_t n = ::write(STDERR_FILENO, said, sizeof said - 1);
}

}  // namespace

void catchInterrupt() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_RESTART;  // the second Ctrl-C finds the default action
    sigaction(SIGINT, &action, nullptr);
}

bool stopRequested() { return interrupted != 0; }

}  // namespace cli
