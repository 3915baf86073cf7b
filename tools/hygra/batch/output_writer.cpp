// CSV fields through csv_field; JSON strings and numbers through nlohmann-json,
// which writes each double in its shortest exact form.
#include "batch/output_writer.h"

#include <nlohmann/json.hpp>

#include "checked_output.h"
#include "formatting.h"
#include "numbers.h"

namespace hygra::tool::batch {

namespace {

std::string json_string(const std::string& s)
{
    // Replace bytes that are not UTF-8 rather than fail on them: a passed-through
    // field is the user's text, whatever it holds.
    return nlohmann::json(s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

output_writer::output_writer(std::FILE* out, output_kind kind, const layout& l)
    : out_(out), kind_(kind), layout_(l)
{
    for (const std::string& name : l.header)
        keys_.push_back(json_string(name));
}

void output_writer::header()
{
    if (kind_ != output_kind::csv)
        return;
    for (std::size_t i = 0; i < layout_.header.size(); ++i) {
        if (i > 0)
            buffer_ += ',';
        buffer_ += csv_field(layout_.header[i]);
    }
    buffer_ += '\n';
    maybe_flush();
}

void output_writer::row(const std::vector<std::string>& fields, const row_values& r)
{
    const bool csv = kind_ == output_kind::csv;
    if (!csv)
        buffer_ += '{';
    for (std::size_t i = 0; i < layout_.cells.size(); ++i) {
        const cell& c = layout_.cells[i];
        if (i > 0)
            buffer_ += ',';
        if (!csv) {
            buffer_ += keys_[i];
            buffer_ += ':';
        }
        switch (c.kind) {
        case cell::passthrough: {
            static const std::string none;
            const std::string& text = c.index < fields.size() ? fields[c.index] : none;
            buffer_ += csv ? csv_field(text) : json_string(text);
            break;
        }
        case cell::property:
            if (r.has[c.index])
                buffer_ += format_exact(r.values[c.index]);
            else if (!csv)
                buffer_ += "null";
            break;
        case cell::note: buffer_ += csv ? csv_field(r.note) : json_string(r.note); break;
        case cell::error: buffer_ += csv ? csv_field(r.error) : json_string(r.error); break;
        }
    }
    buffer_ += csv ? "\n" : "}\n";
    maybe_flush();
}

void output_writer::flush()
{
    write_through(out_, buffer_);
    buffer_.clear();
}

}  // namespace hygra::tool::batch
