// CSV read as a stream with libcsv: the input in fixed-size blocks, each row
// handed on as soon as it is complete. Shared by --batch and chart --points.
#ifndef HYGRA_TOOL_CSV_READER_H
#define HYGRA_TOOL_CSV_READER_H

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace hygra::tool {

// Reads CSV from `in` and calls `on_row` with the fields of each row, quotes
// removed; blank lines give no row, and a line that is not a whole row (a
// quote not closed on its line, a field or line over the bounds) is a
// usage_error naming the line. The vector is the reader's and is cleared
// after the call (its capacity is kept, so rows cost no allocation). An
// exception thrown by `on_row` stops the reading and leaves read_csv_rows.
// Input that is not CSV, or cannot be read, is a usage_error naming `what`
// ("the batch input could not be read as CSV: ...").
void read_csv_rows(std::FILE* in, const std::string& what,
                   const std::function<void(std::vector<std::string>& fields)>& on_row);

}  // namespace hygra::tool

#endif
