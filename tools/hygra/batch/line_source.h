// Rows of a CSV file, one physical line each: a quote that is not closed by
// the end of its line, a field over the bound, a line over the bound or a
// blank line is a fault of that one row, and the lines after it are read as
// rows. Nothing is dropped, so every line of the input gives one row.
#ifndef HYGRA_TOOL_BATCH_LINE_SOURCE_H
#define HYGRA_TOOL_BATCH_LINE_SOURCE_H

#include <csv.h>

#include <cstdio>
#include <string>
#include <vector>

namespace hygra::tool::batch {

// Longest line and longest field, bytes.
constexpr std::size_t max_line_bytes = 1 << 20;
constexpr std::size_t max_field_bytes = 1 << 16;

struct input_row {
    std::size_t line = 0;             // line number in the file, from 1
    std::vector<std::string> fields;  // quotes removed; what could be read of a faulty line
    std::string fault;                // why the line is not a whole row; empty when it is
    bool blank = false;               // the line holds nothing but blanks
};

class line_source {
public:
    // Nothing must have been read from `in` through stdio. `what` names the
    // input in messages ("the batch input"); `delimiter` is
    // the field separator, or 0 to take it from the first line (',' unless the
    // first line has none and has ';' or a tab).
    line_source(std::FILE* in, std::string what, char delimiter);
    ~line_source();
    line_source(const line_source&) = delete;
    line_source& operator=(const line_source&) = delete;

    // The next line as a row; false at the end of the input, or when a stop
    // was asked for (stop_signals) while waiting for input. A read error is a
    // usage_error with the system's reason.
    bool next(input_row& row);

    char delimiter() const { return delimiter_; }

private:
    bool read_line(bool& overlong);
    bool fill();
    void split(input_row& row);

    int fd_;  // the descriptor of the input, read directly
    std::string what_;
    char delimiter_;
    csv_parser parser_;
    std::vector<char> block_;
    std::size_t begin_ = 0, end_ = 0;  // unread bytes of block_
    bool eof_ = false;
    std::string line_;
    std::size_t line_number_ = 0;
};

}  // namespace hygra::tool::batch

#endif
