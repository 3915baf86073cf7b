// fwrite, fflush and fclose, each looked at; errno gives the reason.
#include "checked_output.h"

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

void flush_checked(std::FILE* out)
{
    errno = 0;
    if (std::fflush(out) != 0 || std::ferror(out))
        fail(errno);
}

void close_standard_output()
{
    errno = 0;
    std::cout.flush();
    const bool stream_ok = static_cast<bool>(std::cout);
    const int stream_reason = errno;
    flush_checked(stdout);
    if (!stream_ok)
        fail(stream_reason);
    errno = 0;
    if (std::fclose(stdout) != 0)
        fail(errno);
}

}  // namespace hygra::tool
