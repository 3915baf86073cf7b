// SIGTERM and SIGINT during a batch: the row being written is finished, the
// output flushed, and the program then ends by the same signal, so that the
// caller sees how it ended and the output ends on a whole row.
#ifndef HYGRA_TOOL_BATCH_STOP_SIGNALS_H
#define HYGRA_TOOL_BATCH_STOP_SIGNALS_H

namespace hygra::tool::batch {

// Catches SIGTERM and SIGINT from now on (without restarting an interrupted
// read, so that a batch waiting for input notices at once).
void catch_stop_signals();

// Whether one of the signals has arrived.
bool stop_requested();

// Ends the program by the signal that arrived, with the default action.
[[noreturn]] void end_by_stop_signal();

}  // namespace hygra::tool::batch

#endif
