// The hours of a weather file as scatter states: the batch's record reader,
// the tool's pair table and evaluation; the file's degC turned into the
// chart's unit system.
#include "chart/weather.h"

#include <optional>

#include "arguments.h"
#include "batch/epw.h"
#include "batch/units.h"
#include "batch/weather_hours.h"
#include "hygra.h"
#include "state_selection.h"

namespace hygra::tool::chart {

weather_read read_weather(batch::line_source& source, batch::input_row& first,
                          const std::string& what, const pressure_input& pressure, int units,
                          const point_columns& columns)
{
    std::optional<std::size_t> shade;
    if (columns.shade) {
        shade = batch::epw::column_index(*columns.shade);
        if (!shade) {
            throw usage_error(what + " is a weather file, which has no column '" +
                              *columns.shade +
                              "' to colour by; give month, hour, day, TDB, TDEW, RH or P");
        }
    }
    const batch::unit file_unit = *batch::find_unit(batch::quantity::temperature, "degC");
    const batch::unit chart_unit = batch::system_unit(batch::quantity::temperature, units);
    const state_choice choice = *choose_state(HYGRA_TDB, HYGRA_TDEW);
    const std::size_t tdb_column = *batch::epw::column_index("TDB");
    const std::size_t tdew_column = *batch::epw::column_index("TDEW");

    weather_read read;
    double pressure_sum = 0.0;
    std::size_t pressures = 0;
    batch::epw::hour_reader reader(source, first, what);
    batch::epw::hour_record record;
    while (reader.next(record)) {
        ++read.hours;
        const std::string line = "line " + std::to_string(record.line);
        if (!record.fault.empty()) {
            read.points.failures.push_back(line + ": " + record.fault);
            continue;
        }
        if (std::isfinite(record.p)) {
            pressure_sum += record.p;
            ++pressures;
        }
        const double shade_value = shade ? record.number(*shade) : NAN;
        if (!std::isfinite(record.tdb) || !std::isfinite(record.tdew) ||
            (shade && !std::isfinite(shade_value))) {
            if (read.left_out++ == 0) {
                std::string why;
                for (std::size_t i = 0; i < record.missing.size(); ++i) {
                    if (!record.missing[i].empty() &&
                        (i == tdb_column || i == tdew_column || (shade && i == *shade)))
                        why += (why.empty() ? "" : "; ") + record.missing[i];
                }
                read.first_left_out =
                    line + ": " + (why.empty() ? "a value it needs is empty" : why);
            }
            continue;
        }
        const double tdb = batch::convert(record.tdb, file_unit, chart_unit);
        const double tdew = batch::convert(record.tdew, file_unit, chart_unit);
        const state_request request{{HYGRA_TDB, tdb}, {HYGRA_TDEW, tdew}, choice, pressure, units};
        const evaluation e = evaluate(request, {HYGRA_TDB, HYGRA_W});
        if (!e.state_ok) {
            read.points.failures.push_back(line + ": " + e.state_error);
            continue;
        }
        if (!e.complete()) {
            read.points.failures.push_back(line + ": " + e.property_errors());
            continue;
        }
        read.points.states.push_back({{}, e.values[0].value, e.values[1].value, {}, shade_value});
    }
    if (pressures > 0)
        read.mean_pressure = pressure_sum / static_cast<double>(pressures);
    return read;
}

}  // namespace hygra::tool::chart
