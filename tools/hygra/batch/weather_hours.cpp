// The records of a weather file through the line source and the record layout
// of epw.cpp, so that the batch and the chart find the same hours missing.
#include "batch/weather_hours.h"

#include <cctype>
#include <cmath>

#include "arguments.h"
#include "batch/epw.h"
#include "batch/row_checks.h"
#include "numbers.h"

namespace hygra::tool::batch::epw {

namespace {

// Places in column_names() of the numbers a record carries.
constexpr std::size_t month_column = 1;
constexpr std::size_t hour_column = 3;
constexpr std::size_t tdb_column = 5;
constexpr std::size_t tdew_column = 6;
constexpr std::size_t rh_column = 7;
constexpr std::size_t p_column = 8;

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

void skip_header(line_source& source, input_row& row, const std::string& what)
{
    for (std::size_t line = 2; line <= header_lines; ++line) {
        if (!source.next(row))
            throw usage_error(what + " ends inside the eight header lines of a weather file");
    }
    if (!ends_header(row.fields)) {
        throw usage_error(what + ": line " + std::to_string(header_lines) +
                          " of a weather file is DATA PERIODS, but it begins '" +
                          shown_text(row.fields.empty() ? std::string() : row.fields[0]) + "'");
    }
}

std::optional<std::size_t> column_index(const std::string& name)
{
    const std::vector<std::string>& names = column_names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (upper(names[i].substr(0, names[i].find(" ["))) == upper(name))
            return i;
    }
    return std::nullopt;
}

double hour_record::number(std::size_t column) const
{
    double value = NAN;
    if (!fault.empty() || column >= columns.size() || !missing[column].empty() ||
        parse_number(columns[column], value) != number_status::ok)
        return NAN;
    return value;
}

hour_reader::hour_reader(line_source& source, input_row& first, const std::string& what)
    : source_(source)
{
    skip_header(source_, first, what);
}

bool hour_reader::next(hour_record& record)
{
    if (!source_.next(row_))
        return false;
    record.line = row_.line;
    record.fault = row_.fault;
    if (record.fault.empty())
        record.fault = to_columns(row_.fields, record.columns, record.missing);
    else
        record.columns.clear(), record.missing.clear();
    if (record.fault.empty()) {
        // A value that is neither a number, empty nor marked missing cannot
        // be read.
        const std::vector<std::string>& names = column_names();
        for (std::size_t i = 0; i < record.columns.size(); ++i) {
            double value = 0.0;
            const number_status status = parse_number(record.columns[i], value);
            if (record.missing[i].empty() && status != number_status::ok &&
                status != number_status::empty) {
                record.fault = names[i] + ": '" + shown_text(record.columns[i]) +
                               "' is not a number";
                break;
            }
        }
    }
    record.month = record.number(month_column);
    record.hour = record.number(hour_column);
    record.tdb = record.number(tdb_column);
    record.tdew = record.number(tdew_column);
    record.rh = record.number(rh_column);
    record.p = record.number(p_column);
    return true;
}

}  // namespace hygra::tool::batch::epw
