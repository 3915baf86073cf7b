// The hours of a weather file read one at a time: the eight header lines
// skipped, then each record turned into its columns (epw.h) and the numbers of
// month, hour, dry bulb, dew point, relative humidity and station pressure.
// hygra --epw and the chart's scatter read weather files through this.
#ifndef HYGRA_TOOL_BATCH_WEATHER_HOURS_H
#define HYGRA_TOOL_BATCH_WEATHER_HOURS_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "batch/line_source.h"

namespace hygra::tool::batch::epw {

// Reads the header of a weather file, its first line already in `row` (and
// found by starts_file); `row` holds the last header line after. Throws
// usage_error, naming `what`, when the file ends inside the header or its
// last header line is not DATA PERIODS.
void skip_header(line_source& source, input_row& row, const std::string& what);

// The place of a column of column_names() named `name` (any case, without
// its unit: "month", "TDB"), or nothing.
std::optional<std::size_t> column_index(const std::string& name);

// One record of a weather file.
struct hour_record {
    std::size_t line = 0;              // the line in the file, from 1
    std::string fault;                 // why the record cannot be read; empty when it can
    std::vector<std::string> columns;  // as to_columns gives them
    std::vector<std::string> missing;  // as to_columns gives them
    // The numbers of the columns, NaN where a value is missing or empty or
    // the record is faulty: month, hour, TDB [degC], TDEW [degC], RH [%], P [Pa].
    double month = 0.0, hour = 0.0, tdb = 0.0, tdew = 0.0, rh = 0.0, p = 0.0;

    // The number of a column, NaN where it is missing or not a number.
    double number(std::size_t column) const;
};

// The records of a weather file after its header.
class hour_reader {
public:
    // `source` has given the first line of the file in `first`; the header
    // is read here (skip_header).
    hour_reader(line_source& source, input_row& first, const std::string& what);

    // The next record; false at the end of the file. A value that is
    // neither empty, marked missing nor a number is a fault of the record.
    bool next(hour_record& record);

private:
    line_source& source_;
    input_row row_;
};

}  // namespace hygra::tool::batch::epw

#endif
