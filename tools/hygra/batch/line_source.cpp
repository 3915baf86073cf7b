// Lines are cut by hand at '\n' (a '\r' before it is dropped) and each line is
// handed to libcsv with a line end of its own: when libcsv does not end the row
// there, a quoted field is still open, and the row is a fault instead of
// swallowing the lines after it.
#include "batch/line_source.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

#include "arguments.h"
#include "batch/stop_signals.h"

namespace hygra::tool::batch {

namespace {

struct split_state {
    input_row* row;
    bool ended = false;
    bool discard = false;  // the parser is being reset after an open quote
};

void on_field(void* data, std::size_t len, void* self)
{
    auto* s = static_cast<split_state*>(self);
    if (s->discard)
        return;
    input_row& row = *s->row;
    if (len > max_field_bytes) {
        if (row.fault.empty()) {
            row.fault = "column " + std::to_string(row.fields.size() + 1) + " holds a field of " +
                        std::to_string(len) + " bytes, over the limit of " +
                        std::to_string(max_field_bytes);
        }
        row.fields.emplace_back();
        return;
    }
    row.fields.emplace_back(static_cast<const char*>(data), len);
}

void on_row(int, void* self)
{
    static_cast<split_state*>(self)->ended = true;
}

bool is_blank(const std::string& s)
{
    for (char c : s) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

}  // namespace

line_source::line_source(std::FILE* in, std::string what, char delimiter)
    : fd_(fileno(in)), what_(std::move(what)), delimiter_(delimiter), block_(1 << 16)
{
    if (csv_init(&parser_, 0) != 0)
        throw std::bad_alloc();
    if (delimiter_ != 0)
        csv_set_delim(&parser_, static_cast<unsigned char>(delimiter_));
}

line_source::~line_source() { csv_free(&parser_); }

bool line_source::fill()
{
    // read(2) rather than fread: it returns what a pipe holds at once, so
    // rows are computed as they arrive and a signal is seen while waiting.
    begin_ = end_ = 0;
    while (!eof_) {
        const ssize_t n = ::read(fd_, block_.data(), block_.size());
        if (n > 0) {
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            eof_ = true;
            break;
        }
        const int reason = errno;
        if (stop_requested())
            return false;
        if (reason != EINTR)
            throw usage_error(what_ + " could not be read: " + std::strerror(reason));
    }
    return false;
}

bool line_source::read_line(bool& overlong)
{
    line_.clear();
    overlong = false;
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill())
            return any && !stop_requested();  // a line cut by a stop is not a row
        any = true;
        const char* start = block_.data() + begin_;
        const std::size_t avail = end_ - begin_;
        const void* nl = std::memchr(start, '\n', avail);
        const std::size_t n = nl != nullptr ? static_cast<const char*>(nl) - start : avail;
        const std::size_t room = max_line_bytes + 1 - line_.size();  // one more for a '\r'
        if (n > room)
            overlong = true;
        line_.append(start, n < room ? n : room);
        begin_ += n;
        if (nl != nullptr) {
            ++begin_;
            break;
        }
    }
    if (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
    if (line_.size() > max_line_bytes)
        overlong = true;
    return true;
}

bool line_source::next(input_row& row)
{
    row.fields.clear();
    row.fault.clear();
    row.blank = false;
    if (stop_requested())
        return false;
    bool overlong = false;
    if (!read_line(overlong))
        return false;
    row.line = ++line_number_;
    // A byte-order mark, as spreadsheet programs write it, is not part of the
    // first name.
    if (row.line == 1 && line_.compare(0, 3, "\xEF\xBB\xBF") == 0)
        line_.erase(0, 3);
    if (overlong) {
        row.fault = "the line is longer than " + std::to_string(max_line_bytes) +
                    " bytes; it is not read";
        return true;
    }
    if (is_blank(line_)) {
        row.blank = true;
        row.fault = "the line is blank";
        return true;
    }
    if (delimiter_ == 0) {
        delimiter_ = ',';
        if (line_.find(',') == std::string::npos) {
            if (line_.find(';') != std::string::npos)
                delimiter_ = ';';
            else if (line_.find('\t') != std::string::npos)
                delimiter_ = '\t';
        }
        csv_set_delim(&parser_, static_cast<unsigned char>(delimiter_));
    }
    split(row);
    return true;
}

void line_source::split(input_row& row)
{
    split_state s{&row};
    line_ += '\n';
    const std::size_t parsed = csv_parse(&parser_, line_.data(), line_.size(), on_field, on_row, &s);
    if (parsed != line_.size()) {
        // Only a failed allocation stops libcsv in its lenient mode.
        throw std::bad_alloc();
    }
    if (!s.ended) {
        const std::size_t column = row.fields.size() + 1;
        s.discard = true;
        csv_fini(&parser_, on_field, on_row, &s);  // resets the parser for the next line
        row.fault = "a quote opened in column " + std::to_string(column) +
                    " is not closed by the end of the line";
    }
}

}  // namespace hygra::tool::batch
