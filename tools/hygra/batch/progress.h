// A progress line on standard error for a long batch: rows done, rows per
// second, rows failed. On a terminal it appears once a run has taken a second
// and is rewritten in place; elsewhere only when asked for (--progress), then
// one line a second.
#ifndef HYGRA_TOOL_BATCH_PROGRESS_H
#define HYGRA_TOOL_BATCH_PROGRESS_H

#include <chrono>
#include <cstddef>

namespace hygra::tool::batch {

class progress {
public:
    // `forced`: show it even when standard error is not a terminal.
    explicit progress(bool forced);

    // Called after every row; cheap unless a line is due.
    void update(std::size_t rows, std::size_t failed)
    {
        if (enabled_ && (rows & 255) == 0)
            maybe_show(rows, failed);
    }

    // The last line (or, on a terminal, the line cleared) when the run ends.
    void finish(std::size_t rows, std::size_t failed);

private:
    using clock = std::chrono::steady_clock;
    void maybe_show(std::size_t rows, std::size_t failed);
    void show(std::size_t rows, std::size_t failed);

    bool enabled_;
    bool terminal_;
    bool forced_;
    bool shown_ = false;
    clock::time_point start_;
    clock::time_point last_;
};

}  // namespace hygra::tool::batch

#endif
