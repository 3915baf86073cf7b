// The rows of a batch as CSV or as JSON lines (one object per row, the keys the
// names of the CSV header), written through a buffer with every write checked.
#ifndef HYGRA_TOOL_BATCH_OUTPUT_WRITER_H
#define HYGRA_TOOL_BATCH_OUTPUT_WRITER_H

#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "batch/columns.h"

namespace hygra::tool::batch {

using output_kind = batch_output;

// One computed row: a value per property of the layout (`has` false where
// there is none), a note and an error, empty when there is none.
struct row_values {
    std::vector<double> values;
    std::vector<char> has;
    std::string note;
    std::string error;
};

class output_writer {
public:
    output_writer(std::FILE* out, output_kind kind, const layout& l);

    // The CSV header line; nothing for JSON lines.
    void header();

    // One row: `fields` are the row's input fields, cut or padded to the
    // header's columns.
    void row(const std::vector<std::string>& fields, const row_values& r);

    // Writes what the buffer holds; throws output_error when a write fails.
    void flush();

private:
    void maybe_flush()
    {
        if (buffer_.size() >= 1 << 16)
            flush();
    }

    std::FILE* out_;
    output_kind kind_;
    const layout& layout_;
    std::vector<std::string> keys_;  // JSON keys, quoted and escaped
    std::string buffer_;
};

}  // namespace hygra::tool::batch

#endif
