// The handler only records the signal; the batch looks at it between rows.
#include "batch/stop_signals.h"

#include <csignal>
#include <cstdlib>

namespace hygra::tool::batch {

namespace {

volatile std::sig_atomic_t arrived = 0;  // the signal number, 0 for none

extern "C" void record_signal(int signal_number) { arrived = signal_number; }

}  // namespace

void catch_stop_signals()
{
    struct sigaction action {};
    action.sa_handler = record_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked read returns
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool stop_requested() { return arrived != 0; }

void end_by_stop_signal()
{
    const int signal_number = arrived;
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
    std::_Exit(128 + signal_number);  // not reached: the default action ends the program
}

}  // namespace hygra::tool::batch
