// The batch, streamed through the CSV reader: each complete row is evaluated
// and written at once.
#include "batch.h"

#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "csv_reader.h"
#include "formatting.h"
#include "hygra.h"
#include "numbers.h"
#include "state_selection.h"

namespace hygra::tool {

namespace {

std::string upper_case(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

class batch_run {
public:
    batch_run(const options& opts, std::FILE* out) : opts_(opts), out_(out) {}

    // One row from the reader; its fields are borrowed for the time of the call.
    void on_row(std::vector<std::string>& fields)
    {
        fields_.swap(fields);
        struct give_back {
            std::vector<std::string>& a;
            std::vector<std::string>& b;
            ~give_back() { a.swap(b); }
        } restore{fields_, fields};
        if (!header_read_)
            read_header();
        else
            write_row();
    }

    bool header_read() const { return header_read_; }
    std::size_t rows() const { return rows_; }
    std::size_t failed_rows() const { return failed_rows_; }

private:
    void read_header()
    {
        // A byte-order mark, as spreadsheet programs write it, is not part of
        // the first name.
        if (!fields_.empty() && fields_[0].compare(0, 3, "\xEF\xBB\xBF") == 0)
            fields_[0].erase(0, 3);
        header_names_ = fields_;
        columns_ = fields_.size();
        std::vector<std::size_t> input_columns;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const std::string name = upper_case(fields_[i]);
            if (name == "P" || name == "ALT") {
                if (pressure_column_ != npos)
                    throw usage_error("the batch header names the pressure twice (P or ALT)");
                pressure_column_ = i;
                altitude_ = name == "ALT";
                continue;
            }
            const std::optional<int> code = find_property(name);
            if (!code || !is_input(*code))
                continue;  // passed through
            for (std::size_t j : input_columns) {
                if (upper_case(fields_[j]) == name)
                    throw usage_error("the batch header names " + name + " twice");
            }
            input_columns.push_back(i);
        }
        if (input_columns.size() != 2) {
            std::string found;
            for (std::size_t j : input_columns)
                found += (found.empty() ? "" : ", ") + upper_case(fields_[j]);
            throw usage_error("the batch header must name two inputs of " + input_names() +
                              "; it names " +
                              (found.empty() ? std::string("none") : found));
        }
        if (pressure_column_ != npos && opts_.pressure.kind != pressure_input::sea_level) {
            throw usage_error(
                "the pressure is given both by a column of the batch header and on the command "
                "line");
        }
        a_column_ = input_columns[0];
        b_column_ = input_columns[1];
        a_code_ = *find_property(fields_[a_column_]);
        b_code_ = *find_property(fields_[b_column_]);
        choice_ = require_pair(a_code_, b_code_);
        header_read_ = true;

        std::string line;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            line += csv_field(fields_[i]);
            line += ',';
        }
        for (int code : opts_.properties) {
            line += hygra_property_name(code);
            line += ',';
        }
        line += "error\n";
        write(line);
    }

    // The value of a column as a number, or false with the reason in `error`.
    bool number_at(std::size_t column, double& value, std::string& error) const
    {
        const std::string name = upper_case(header_name(column));
        switch (parse_number(fields_[column], value)) {
        case number_status::ok: return true;
        case number_status::empty: error = name + " is empty"; break;
        case number_status::not_a_number:
            error = name + ": '" + fields_[column] + "' is not a number";
            break;
        case number_status::not_finite:
            error = name + ": '" + fields_[column] + "' is not a finite number";
            break;
        }
        return false;
    }

    const std::string& header_name(std::size_t column) const { return header_names_[column]; }

    void write_row()
    {
        ++rows_;
        std::string error;
        evaluation e;
        if (fields_.size() != columns_) {
            error = "the row has " + std::to_string(fields_.size()) +
                    (fields_.size() == 1 ? " field" : " fields") + " where the header has " +
                    std::to_string(columns_);
        } else {
            state_request request{{a_code_, 0.0}, {b_code_, 0.0}, choice_, opts_.pressure,
                                  opts_.units};
            bool ok = number_at(a_column_, request.a.value, error) &&
                      number_at(b_column_, request.b.value, error);
            if (ok && pressure_column_ != npos) {
                request.pressure.kind =
                    altitude_ ? pressure_input::altitude : pressure_input::pressure;
                ok = number_at(pressure_column_, request.pressure.value, error);
            }
            if (ok) {
                e = evaluate(request, opts_.properties);
                error = e.state_ok ? e.property_errors() : e.state_error;
            }
        }
        if (!error.empty())
            ++failed_rows_;

        // The row as it came, then one value per property, then the error; a
        // row of the wrong length is cut or padded to the header's columns so
        // that every value stays under its name.
        line_.clear();
        for (std::size_t i = 0; i < columns_; ++i) {
            if (i < fields_.size())
                line_ += csv_field(fields_[i]);
            line_ += ',';
        }
        for (std::size_t k = 0; k < opts_.properties.size(); ++k) {
            if (e.state_ok && e.values[k].result == HYGRA_OK)
                line_ += format_exact(e.values[k].value);
            line_ += ',';
        }
        line_ += csv_field(error);
        line_ += '\n';
        write(line_);
    }

    void write(const std::string& text)
    {
        if (std::fwrite(text.data(), 1, text.size(), out_) != text.size())
            throw usage_error("the output could not be written");
    }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    const options& opts_;
    std::FILE* out_;
    std::vector<std::string> fields_;  // the row being read
    std::vector<std::string> header_names_;  // as given, for messages about a column
    std::string line_;  // the row being written

    bool header_read_ = false;
    std::size_t columns_ = 0;
    std::size_t a_column_ = 0;
    std::size_t b_column_ = 0;
    std::size_t pressure_column_ = npos;
    bool altitude_ = false;
    int a_code_ = 0;
    int b_code_ = 0;
    state_choice choice_{};

    std::size_t rows_ = 0;
    std::size_t failed_rows_ = 0;
};

}  // namespace

int run_batch(const options& opts, std::FILE* in, std::FILE* out)
{
    batch_run run(opts, out);
    read_csv_rows(in, "the batch input",
                  [&run](std::vector<std::string>& fields) { run.on_row(fields); });
    if (!run.header_read())
        throw usage_error("the batch input is empty; it needs a header line naming two inputs");
    if (std::fflush(out) != 0)
        throw usage_error("the output could not be written");

    if (run.failed_rows() > 0) {
        std::cerr << "hygra: " << run.failed_rows() << " of " << run.rows()
                  << (run.rows() == 1 ? " row" : " rows")
                  << " failed; the error column says why\n";
        return exit_failed;
    }
    return exit_ok;
}

}  // namespace hygra::tool
