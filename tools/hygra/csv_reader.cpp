// Rows of the batch's line source: one line is one row, so a quote left open
// fails on its own line instead of swallowing the rest of the file.
#include "csv_reader.h"

#include "arguments.h"
#include "batch/line_source.h"

namespace hygra::tool {

void read_csv_rows(std::FILE* in, const std::string& what,
                   const std::function<void(std::vector<std::string>& fields)>& on_row)
{
    batch::line_source source(in, what, ',');
    batch::input_row row;
    while (source.next(row)) {
        if (row.blank)
            continue;
        if (!row.fault.empty())
            throw usage_error(what + ", line " + std::to_string(row.line) + ": " + row.fault);
        on_row(row.fields);
    }
}

}  // namespace hygra::tool
