// The message of the calling thread's last failed call, in words a user
// understands. Formatted into a fixed per-thread buffer: reporting a failure
// never allocates and never throws.
#ifndef HYGRA_API_LAST_ERROR_H
#define HYGRA_API_LAST_ERROR_H

namespace hygra {

// Empties the message: a call that succeeds leaves none.
void clear_last_error() noexcept;

// Sets the message, printf-style; it is cut at the buffer's size.
void set_last_error(const char* format, ...) noexcept __attribute__((format(printf, 1, 2)));

// Whether a message has been set since the last clear.
bool has_last_error() noexcept;

// The message, never null.
const char* last_error() noexcept;

}  // namespace hygra

#endif
