// libcsv's callbacks are C functions, so nothing may be thrown through them: a
// failure of a row is kept, the rest of the block is skipped, and the failure
// is rethrown once libcsv has returned.
#include "csv_reader.h"

#include <csv.h>

#include <exception>
#include <new>

#include "arguments.h"

namespace hygra::tool {

namespace {

struct reading {
    const std::function<void(std::vector<std::string>&)>& on_row;
    std::vector<std::string> fields;  // the row being read
    std::exception_ptr failure;

    static void field(void* data, std::size_t len, void* self)
    {
        auto* r = static_cast<reading*>(self);
        if (r->failure)
            return;
        r->fields.emplace_back(static_cast<const char*>(data), len);
    }
    static void row(int, void* self)
    {
        auto* r = static_cast<reading*>(self);
        if (r->failure)
            return;
        try {
            r->on_row(r->fields);
        } catch (...) {
            r->failure = std::current_exception();
        }
        r->fields.clear();
    }
    void rethrow() const
    {
        if (failure)
            std::rethrow_exception(failure);
    }
};

}  // namespace

void read_csv_rows(std::FILE* in, const std::string& what,
                   const std::function<void(std::vector<std::string>& fields)>& on_row)
{
    struct parser {
        csv_parser p;
        parser()
        {
            if (csv_init(&p, 0) != 0)
                throw std::bad_alloc();
        }
        ~parser() { csv_free(&p); }
    } csv;

    reading r{on_row, {}, nullptr};
    std::vector<char> block(1 << 16);
    for (;;) {
        const std::size_t n = std::fread(block.data(), 1, block.size(), in);
        if (n > 0 && csv_parse(&csv.p, block.data(), n, reading::field, reading::row, &r) != n) {
            throw usage_error(what + " could not be read as CSV: " +
                              csv_strerror(csv_error(&csv.p)));
        }
        r.rethrow();
        if (n < block.size()) {
            if (std::ferror(in))
                throw usage_error(what + " could not be read");
            break;
        }
    }
    csv_fini(&csv.p, reading::field, reading::row, &r);
    r.rethrow();
}

}  // namespace hygra::tool
