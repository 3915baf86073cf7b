// Rows of a points file through the tool's own pieces: the CSV reader of the
// batch, the pair table, the number reader and the evaluation with its
// sentences for failures.
#include "chart/points.h"

#include <cctype>

#include "arguments.h"
#include "chart/clean_text.h"
#include "csv_reader.h"
#include "hygra.h"
#include "numbers.h"
#include "state_selection.h"

namespace hygra::tool::chart {

namespace {

std::string upper_case(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

class points_file {
public:
    points_file(const std::string& what, const pressure_input& pressure, int units,
                const point_columns& wanted)
        : what_(what), pressure_(pressure), units_(units), wanted_(wanted)
    {
    }

    void on_row(std::vector<std::string>& fields)
    {
        if (columns_.empty())
            read_header(fields);
        else
            read_state(fields);
    }

    bool header_read() const { return !columns_.empty(); }
    points_read& result() { return result_; }

private:
    struct input_column {
        std::size_t index;
        int code;
    };

    void read_header(std::vector<std::string>& fields)
    {
        // A byte-order mark, as spreadsheet programs write it, is not part of
        // the first name.
        if (!fields.empty() && fields[0].compare(0, 3, "\xEF\xBB\xBF") == 0)
            fields[0].erase(0, 3);
        std::vector<input_column> inputs;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string name = upper_case(fields[i]);
            if (name == "P" || name == "ALT") {
                throw usage_error(what_ + " names the pressure (" + name +
                                  "); its states are taken at the chart's pressure, which P= or "
                                  "ALT= sets");
            }
            if (name == "LABEL") {
                label_column_ = i;
                continue;
            }
            if (name == "PROCESS") {
                process_column_ = i;
                continue;
            }
            if (wanted_.shade && name == upper_case(*wanted_.shade)) {
                shade_column_ = i;
                continue;
            }
            const std::optional<int> code = find_property(name);
            if (!code || !is_input(*code))
                continue;
            for (const input_column& c : inputs) {
                if (c.code == *code)
                    throw usage_error(what_ + " names " + name + " twice");
            }
            inputs.push_back({i, *code});
        }
        if (inputs.size() < 2) {
            throw usage_error(what_ + " must have a header naming two or more inputs of " +
                              input_names() + " (and optionally a column 'label')");
        }
        if (wanted_.shade && shade_column_ == npos) {
            throw usage_error(what_ + " has no column '" + *wanted_.shade +
                              "' to colour the states by");
        }
        inputs_ = inputs;
        columns_ = fields;
    }

    void read_state(const std::vector<std::string>& fields)
    {
        ++rows_;
        std::string label;
        if (label_column_ != npos)
            label = label_column_ < fields.size() ? clean_text(fields[label_column_])
                                                  : std::string();
        else if (wanted_.number_unlabelled)
            label = std::to_string(rows_);
        const std::string row = "row " + std::to_string(rows_) +
                                (label_column_ != npos && !label.empty() ? " (" + label + ")" : "");

        if (fields.size() > columns_.size()) {
            fail(row, "it has " + std::to_string(fields.size()) + " fields where the header has " +
                          std::to_string(columns_.size()));
            return;
        }
        std::vector<given_input> given;
        for (const input_column& c : inputs_) {
            if (c.index >= fields.size())
                continue;
            double value = 0.0;
            const std::string name = hygra_property_name(c.code);
            switch (parse_number(fields[c.index], value)) {
            case number_status::ok: given.push_back({c.code, value}); break;
            case number_status::empty: break;
            case number_status::not_a_number:
                fail(row, name + ": '" + fields[c.index] + "' is not a number");
                return;
            case number_status::not_finite:
                fail(row, name + ": '" + fields[c.index] + "' is not a finite number");
                return;
            }
        }
        if (given.size() != 2) {
            std::string names;
            for (const given_input& g : given)
                names += (names.empty() ? "" : ", ") + std::string(hygra_property_name(g.code));
            fail(row, "it gives " + std::to_string(given.size()) +
                          (given.size() == 1 ? " input" : " inputs") +
                          (names.empty() ? "" : " (" + names + ")") +
                          "; a state takes two, the others left empty");
            return;
        }
        const std::optional<state_choice> choice = choose_state(given[0].code, given[1].code);
        if (!choice) {
            fail(row, std::string(hygra_property_name(given[0].code)) + " and " +
                          hygra_property_name(given[1].code) +
                          " do not fix a state; the pairs that do are " + pairs_text());
            return;
        }
        const state_request request{given[0], given[1], *choice, pressure_, units_};
        const evaluation e = evaluate(request, {HYGRA_TDB, HYGRA_W});
        if (!e.state_ok) {
            fail(row, e.state_error);
            return;
        }
        if (!e.complete()) {
            fail(row, e.property_errors());
            return;
        }
        marked_state state{label, e.values[0].value, e.values[1].value, {}, NAN};
        if (process_column_ != npos && process_column_ < fields.size())
            state.process = clean_text(fields[process_column_]);
        if (shade_column_ != npos) {
            const std::string text =
                shade_column_ < fields.size() ? fields[shade_column_] : std::string();
            if (parse_number(text, state.shade) != number_status::ok) {
                fail(row, *wanted_.shade + ": '" + text + "' is not a number to colour by");
                return;
            }
        }
        result_.states.push_back(std::move(state));
    }

    void fail(const std::string& row, const std::string& why)
    {
        result_.failures.push_back(row + ": " + why);
    }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::string what_;
    pressure_input pressure_;
    int units_;
    std::vector<std::string> columns_;  // the header
    std::vector<input_column> inputs_;
    point_columns wanted_;
    std::size_t label_column_ = npos;
    std::size_t process_column_ = npos;
    std::size_t shade_column_ = npos;
    std::size_t rows_ = 0;
    points_read result_;
};

}  // namespace

points_read read_points(std::FILE* in, const std::string& what, const pressure_input& pressure,
                        int units, const point_columns& columns)
{
    points_file file(what, pressure, units, columns);
    read_csv_rows(in, what, [&file](std::vector<std::string>& fields) { file.on_row(fields); });
    if (!file.header_read()) {
        throw usage_error(what + " is empty; it needs a header line naming the inputs of its "
                                 "states");
    }
    return std::move(file.result());
}

}  // namespace hygra::tool::chart
