// read_csv with libcsv's callbacks, strict about quoting so that output the
// tool quoted wrongly fails to read.
#include "csv_text.h"

#include <csv.h>

#include <stdexcept>

namespace hygra::tool_test {

csv_rows read_csv(const std::string& text)
{
    struct state {
        csv_rows rows;
        std::vector<std::string> row;
    } s;
    auto on_field = [](void* data, std::size_t len, void* self) {
        static_cast<state*>(self)->row.emplace_back(static_cast<const char*>(data), len);
    };
    auto on_row = [](int, void* self) {
        auto* st = static_cast<state*>(self);
        st->rows.push_back(std::move(st->row));
        st->row.clear();
    };
    csv_parser p;
    csv_init(&p, CSV_STRICT | CSV_STRICT_FINI);
    const bool parsed = csv_parse(&p, text.data(), text.size(), on_field, on_row, &s) == text.size() &&
                        csv_fini(&p, on_field, on_row, &s) == 0;
    csv_free(&p);
    if (!parsed)
        throw std::runtime_error("not valid CSV:\n" + text);
    return s.rows;
}

}  // namespace hygra::tool_test
