// hygra chart --scatter of a weather file: the state of each hour from its
// dry bulb and dew point at the chart's pressure, through the batch's reader
// of weather files.
#ifndef HYGRA_TOOL_CHART_WEATHER_H
#define HYGRA_TOOL_CHART_WEATHER_H

#include <cmath>
#include <cstddef>
#include <string>

#include "batch/line_source.h"
#include "chart/points.h"
#include "evaluation.h"

namespace hygra::tool::chart {

// What a weather file gave the chart.
struct weather_read {
    points_read points;     // the hours with a state; a record that cannot be read fails
    std::size_t hours = 0;  // records after the header
    std::size_t left_out = 0;     // hours without a dry bulb or dew point (or shade value)
    std::string first_left_out;   // "line 10: TDB is missing in the weather file (99.9)"
    double mean_pressure = NAN;   // of the hours that give one, Pa
};

// Reads the hours of a weather file whose first line `source` has given in
// `first`. Each hour's state is taken from TDB and TDEW at `pressure`; the
// hour's month, hour or another column of the weather file (columns.shade)
// is its shade. Hours whose dry bulb, dew point or shade value is missing are
// left out and counted. Throws usage_error for a faulty header and for a
// shade column the weather file does not have.
weather_read read_weather(batch::line_source& source, batch::input_row& first,
                          const std::string& what, const pressure_input& pressure, int units,
                          const point_columns& columns);

}  // namespace hygra::tool::chart

#endif
