// hygra --batch: a CSV stream of states in, the same rows with their
// properties and an error column out, one row at a time.
#ifndef HYGRA_TOOL_BATCH_H
#define HYGRA_TOOL_BATCH_H

#include <cstdio>

#include "arguments.h"

namespace hygra::tool {

// Reads CSV from `in` and writes CSV to `out`. The header must name two inputs
// and may name P or ALT; other columns pass through. Each row is written as it
// is read, so memory stays bounded by the longest row. Returns exit_ok when
// every row was computed, exit_failed when any row failed (each failed row
// says why in its error column); throws usage_error for a header that does not
// describe a state or input that is not CSV.
int run_batch(const options& opts, std::FILE* in, std::FILE* out);

}  // namespace hygra::tool

#endif
