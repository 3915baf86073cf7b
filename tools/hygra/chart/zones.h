// Zones on the chart: polygons whose corners are states given by the dry bulb
// with the relative humidity, the humidity ratio or the dew point, each edge
// traced through the library; the comfort zones of the graphical method as
// presets; and a count of the states that fall inside.
#ifndef HYGRA_TOOL_CHART_ZONES_H
#define HYGRA_TOOL_CHART_ZONES_H

#include <string>
#include <vector>

#include "chart/curves.h"

namespace hygra::tool::chart {

struct zone {
    std::string name;
    state_line outline;  // the closed edge, first corner not repeated; dry bulb and kg/kg
};

// The zones `zone_name` stands for: "summer" or "winter", the comfort zones of the
// graphical method for typical offices (activity 1.0 to 1.3 met, air speed
// below 0.2 m/s) at 0.5 and 1.0 clo, humidity ratio 0 to 0.012; or else the
// CSV file of that name (a zone a value of its column "zone", or one zone
// named after the file), its header naming TDB and one of RH, W or TDEW, a
// corner a row. Corners the library gives no state for are reported in
// `failures`; a file that cannot be read or a header that does not name such
// a pair throws usage_error.
std::vector<zone> read_zones(const std::string& zone_name, const moist_air& air,
                             std::vector<std::string>& failures);

// Whether a state lies inside the outline (even-odd rule; a state on an edge
// may fall either way).
bool inside(const zone& z, state_point s);

}  // namespace hygra::tool::chart

#endif
