// isatty decides; the clock is read every 256 rows.
#include "batch/progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace hygra::tool::batch {

progress::progress(bool forced)
    : terminal_(isatty(STDERR_FILENO) == 1), forced_(forced), start_(clock::now()), last_(start_)
{
    enabled_ = terminal_ || forced_;
}

void progress::maybe_show(std::size_t rows, std::size_t failed)
{
    const clock::time_point now = clock::now();
    const auto since_start = now - start_;
    const auto since_last = now - last_;
    const auto every = terminal_ ? std::chrono::milliseconds(250) : std::chrono::milliseconds(1000);
    if (since_start < std::chrono::seconds(1) && !(forced_ && !shown_ && !terminal_))
        return;
    if (shown_ && since_last < every)
        return;
    last_ = now;
    show(rows, failed);
}

void progress::show(std::size_t rows, std::size_t failed)
{
    const double seconds = std::chrono::duration<double>(clock::now() - start_).count();
    const double rate = seconds > 0.0 ? rows / seconds : 0.0;
    char line[160];
    std::snprintf(line, sizeof line, "hygra: %zu rows, %.0f rows/s, %zu failed", rows, rate,
                  failed);
    if (terminal_)
        std::fprintf(stderr, "\r%s\033[K", line);
    else
        std::fprintf(stderr, "%s\n", line);
    shown_ = true;
}

void progress::finish(std::size_t rows, std::size_t failed)
{
    if (!enabled_)
        return;
    if (terminal_ && !forced_) {
        if (shown_)
            std::fputs("\r\033[K", stderr);
        return;
    }
    show(rows, failed);
    if (terminal_)
        std::fputc('\n', stderr);
}

}  // namespace hygra::tool::batch
