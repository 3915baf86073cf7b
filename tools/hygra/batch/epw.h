// EnergyPlus weather files (EPW): eight header lines (LOCATION ... DATA
// PERIODS), then one record per hour: year, month, day, hour, minute, data
// source flags, dry bulb (degC), dew point (degC), relative humidity (%),
// station pressure (Pa) and two dozen fields of radiation, wind and sky.
#ifndef HYGRA_TOOL_BATCH_EPW_H
#define HYGRA_TOOL_BATCH_EPW_H

#include <string>
#include <vector>

namespace hygra::tool::batch::epw {

// Header lines before the first record.
constexpr std::size_t header_lines = 8;

// Whether the fields of a first line begin an EPW file (LOCATION,...).
bool starts_file(const std::vector<std::string>& first_line);

// The first word of the last header line, "DATA PERIODS".
bool ends_header(const std::vector<std::string>& line);

// The columns a record becomes: year, month, day, hour, minute, TDB [degC],
// TDEW [degC], RH [%], P [Pa].
const std::vector<std::string>& column_names();

// The two inputs taken from a weather file unless --inputs says otherwise.
const std::vector<std::string>& default_inputs();

// Turns the fields of a record into the columns. A value at or above the
// format's mark of a missing value (99.9 degC, 999 %, 999999 Pa) becomes an
// empty column, with "TDB is missing in the weather file (99.9)" in
// `missing` at its place (empty elsewhere). Returns the fault of a record too
// short to hold the fields, else an empty string.
std::string to_columns(const std::vector<std::string>& record, std::vector<std::string>& columns,
                       std::vector<std::string>& missing);

}  // namespace hygra::tool::batch::epw

#endif
