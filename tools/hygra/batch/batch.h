// hygra --batch and hygra --epw: a stream of states in, the same rows with
// their properties, a note and an error out, one row at a time.
#ifndef HYGRA_TOOL_BATCH_BATCH_H
#define HYGRA_TOOL_BATCH_BATCH_H

#include <cstdio>
#include <string>

#include "arguments.h"

namespace hygra::tool {

// Reads CSV (or an EnergyPlus weather file) from `in`, named `what` in
// messages, and writes one output row per input line to `out`. Returns
// exit_ok when every row was computed, exit_failed when any row failed (each
// says why in its error column, and standard error counts the reasons);
// throws usage_error for a header that does not describe a state or input
// that cannot be read, output_error when the output cannot be written. Ends
// the program by SIGTERM or SIGINT, after the row being written, when one
// arrives.
int run_batch(const options& opts, std::FILE* in, const std::string& what, std::FILE* out);

}  // namespace hygra::tool

#endif
