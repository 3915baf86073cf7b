// The curves of a psychrometric chart in the chart's own quantities, dry bulb
// (degC or degF) and humidity ratio (kg/kg), each point a state that the
// library's public C interface computed from the curve's own input pair.
#ifndef HYGRA_TOOL_CHART_CURVES_H
#define HYGRA_TOOL_CHART_CURVES_H

#include <optional>
#include <utility>
#include <vector>

namespace hygra::tool::chart {

struct state_point {
    double tdb;  // degC or degF
    double w;    // kg of water per kg of dry air (lb per lb)
};
using state_line = std::vector<state_point>;

// The part of the plane the chart shows.
struct region {
    double tdb_min;
    double tdb_max;
    double w_min;  // kg/kg
    double w_max;
};

// moistair_eval at one pressure and in one unit system.
class moist_air {
public:
    moist_air(double pressure, int units) : pressure_(pressure), units_(units) {}
    // Property `code` of the state of type `type` with inputs first and second;
    // nothing when the library refuses it.
    std::optional<double> eval(int type, int code, double first, double second) const;
    double pressure() const { return pressure_; }
    int units() const { return units_; }

private:
    double pressure_;  // bar or psi
    int units_;
};

// The humidity ratio of saturated air at a dry bulb, and the dry bulb at which
// air of a humidity ratio is saturated (its dew point).
std::optional<double> saturation_w(const moist_air& air, double tdb);
std::optional<double> dew_point(const moist_air& air, double w);

// The curve of a relative humidity (1 is the saturation curve) across the
// region, from the dry bulb and relative humidity (TDRY_RH); its ends on the
// region's lower and upper edges come from the humidity ratio and relative
// humidity (W_RH). Points in order of rising dry bulb; empty when the curve
// misses the region.
state_line relative_humidity_curve(const moist_air& air, const region& r, double rh);

// The families of straight-looking lines that run from the saturation curve
// down to the right.
enum class line_family { wet_bulb, enthalpy, volume };

// The line of constant wet bulb, enthalpy or specific volume (`value` in the
// units of the library's TWB, HM or VM) from its end on the saturation curve
// (RH_TWET, RH_H, RH_V with relative humidity 1) to the region's lower edge,
// through states from the dry bulb and the line's property (TDRY_TWET,
// TDRY_H, TDRY_V); where it crosses the region's upper or lower edge the end
// comes from the humidity ratio and the property (W_TWET, W_H, W_V). Points
// in order of rising dry bulb; empty when the line misses the region.
state_line constant_line(const moist_air& air, const region& r, line_family family,
                         double value);

// The lowest and highest value of a family's property in the unsaturated part
// of the region: at its lower left corner, and at its right edge where it
// meets the upper edge or the saturation curve.
std::optional<std::pair<double, double>> family_span(const moist_air& air, const region& r,
                                                     line_family family);

}  // namespace hygra::tool::chart

#endif
