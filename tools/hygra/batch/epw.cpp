// The record layout and the marks of missing values of the weather file
// format, as its data dictionary gives them: a value at or above the mark is
// missing.
#include "batch/epw.h"

#include <cctype>

#include "numbers.h"

namespace hygra::tool::batch::epw {

namespace {

// A field of the record that becomes a column.
struct field {
    std::size_t position;  // in the record, from 0
    const char* column;    // the column name, with its unit
    const char* name;      // the name in messages
    double missing;        // the value from which on it is missing; 0 for none
};

// year, month, day, hour, minute, then dry bulb (degC), dew point (degC),
// relative humidity (%) and station pressure (Pa); the data source flags
// (position 5) are not carried.
constexpr field fields[] = {
    {0, "year", "year", 0.0},
    {1, "month", "month", 0.0},
    {2, "day", "day", 0.0},
    {3, "hour", "hour", 0.0},
    {4, "minute", "minute", 0.0},
    {6, "TDB [degC]", "TDB", 99.9},
    {7, "TDEW [degC]", "TDEW", 99.9},
    {8, "RH [%]", "RH", 999.0},
    {9, "P [Pa]", "P", 999999.0},
};

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

bool starts_file(const std::vector<std::string>& first_line)
{
    return !first_line.empty() && upper(first_line[0]) == "LOCATION";
}

bool ends_header(const std::vector<std::string>& line)
{
    return !line.empty() && upper(line[0]) == "DATA PERIODS";
}

const std::vector<std::string>& column_names()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const field& f : fields)
            n.emplace_back(f.column);
        return n;
    }();
    return names;
}

const std::vector<std::string>& default_inputs()
{
    static const std::vector<std::string> names{"TDB", "TDEW"};
    return names;
}

std::string to_columns(const std::vector<std::string>& record, std::vector<std::string>& columns,
                       std::vector<std::string>& missing)
{
    columns.clear();
    missing.clear();
    const std::size_t needed = fields[std::size(fields) - 1].position + 1;
    if (record.size() < needed) {
        columns.resize(std::size(fields));
        missing.resize(std::size(fields));
        return "the weather record has " + std::to_string(record.size()) +
               " fields; the station pressure is field " + std::to_string(needed);
    }
    for (const field& f : fields) {
        const std::string& text = record[f.position];
        double value = 0.0;
        if (f.missing > 0.0 && parse_number(text, value) == number_status::ok &&
            value >= f.missing) {
            columns.emplace_back();
            missing.push_back(std::string(f.name) + " is missing in the weather file (" + text +
                              ")");
            continue;
        }
        columns.push_back(text);
        missing.emplace_back();
    }
    return {};
}

}  // namespace hygra::tool::batch::epw
