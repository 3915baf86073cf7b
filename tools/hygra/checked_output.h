// Writing to standard output with every write checked: a write or a close
// that fails is an output_error with the system's reason, so that a full disk
// or a closed pipe never ends as success.
#ifndef HYGRA_TOOL_CHECKED_OUTPUT_H
#define HYGRA_TOOL_CHECKED_OUTPUT_H

#include <cstdio>
#include <stdexcept>
#include <string_view>

namespace hygra::tool {

// A failed write; its text is the sentence for the user ("the output could
// not be written: No space left on device").
class output_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `text` whole to `out`, or throws output_error.
void write_checked(std::FILE* out, std::string_view text);

// Writes `text` whole to `out` past stdio's buffer (flushed first), going on
// after a signal interrupts the write, so that a signal never cuts a row; or
// throws output_error.
void write_through(std::FILE* out, std::string_view text);

// Flushes `out`, or throws output_error.
void flush_checked(std::FILE* out);

// Flushes what std::cout and stdout hold and closes standard output, or
// throws output_error; the last thing the program does with its output.
void close_standard_output();

}  // namespace hygra::tool

#endif
