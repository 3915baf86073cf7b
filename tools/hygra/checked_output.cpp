// fwrite, fflush and fclose, each looked at; errno gives the reason.
#include "checked_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

namespace hygra::tool {

namespace {

[[noreturn]] void fail(int reason)
{
    throw output_error(std::string("the output could not be written: ") +
                       (reason != 0 ? std::strerror(reason) : "write error"));
}

}  // namespace

void write_checked(std::FILE* out, std::string_view text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size())
        fail(errno);
}

void write_through(std::FILE* out, std::string_view text)
{
    flush_checked(out);
    const int fd = fileno(out);
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

void flush_checked(std::FILE* out)
{
    errno = 0;
    if (std::fflush(out) != 0 || std::ferror(out))
        fail(errno);
}

void close_standard_output()
{
    // stdout first: std::cout writes through it, and flushing std::cout would
    // flush stdout and lose the reason of a failure.
    flush_checked(stdout);
    errno = 0;
    std::cout.flush();
    if (!std::cout)
        fail(errno);
    errno = 0;
    if (std::fclose(stdout) != 0)
        fail(errno);
}

}  // namespace hygra::tool
