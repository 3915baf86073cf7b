// Each curve is a run of states of one input pair, sampled evenly in dry bulb
// between two ends that the library finds itself; nothing is interpolated, so
// every vertex of the chart is a state of the model.
#include "chart/curves.h"

#include <algorithm>

#include "hygra.h"

namespace hygra::tool::chart {

namespace {

// Segments of a curve between its ends: relative-humidity curves bend, the
// other lines are nearly straight.
constexpr int rh_segments = 120;
constexpr int line_segments = 48;

// A humidity ratio of 0 is dry air, which neither enthalpy nor volume fixes;
// lines of those that reach W = 0 end at this humidity ratio instead, a
// millionth of a gram per kilogram, far below what a chart can show.
constexpr double driest = 1e-9;

struct family_pairs {
    int code;           // the family's property: TWB, HM or VM
    int by_dry_bulb;    // state types: dry bulb and the property,
    int by_w;           // humidity ratio and the property,
    int by_saturation;  // relative humidity and the property
};

family_pairs pairs_of(line_family family)
{
    switch (family) {
    case line_family::wet_bulb:
        return {HYGRA_TWB, HYGRA_TDRY_TWET, HYGRA_W_TWET, HYGRA_RH_TWET};
    case line_family::enthalpy: return {HYGRA_HM, HYGRA_TDRY_H, HYGRA_W_H, HYGRA_RH_H};
    case line_family::volume: break;
    }
    return {HYGRA_VM, HYGRA_TDRY_V, HYGRA_W_V, HYGRA_RH_V};
}

}  // namespace

std::optional<double> moist_air::eval(int type, int code, double first, double second) const
{
    double value = 0.0;
    if (moistair_eval(type, code, units_, &value, first, second, pressure_) != HYGRA_OK)
        return std::nullopt;
    return value;
}

std::optional<double> saturation_w(const moist_air& air, double tdb)
{
    return air.eval(HYGRA_TDRY_RH, HYGRA_W, tdb, 1.0);
}

std::optional<double> dew_point(const moist_air& air, double w)
{
    return air.eval(HYGRA_W_RH, HYGRA_TDB, w, 1.0);
}

state_line relative_humidity_curve(const moist_air& air, const region& r, double rh)
{
    // W rises with the dry bulb along the curve. The left end: the region's
    // left edge, or its lower edge where the curve lies below it there.
    double t0 = r.tdb_min;
    std::optional<double> w0 = air.eval(HYGRA_TDRY_RH, HYGRA_W, t0, rh);
    if (!w0 || *w0 < r.w_min) {
        const std::optional<double> t = r.w_min > 0.0
                                            ? air.eval(HYGRA_W_RH, HYGRA_TDB, r.w_min, rh)
                                            : std::nullopt;
        if (!t || *t > r.tdb_max)
            return {};
        t0 = std::max(*t, r.tdb_min);
        w0 = r.w_min;
    }
    if (*w0 > r.w_max)
        return {};
    // The right end: the right edge, or the upper edge where the curve leaves
    // through it; past the boiling point at low pressures the curve ends at
    // the last state the library gives.
    double t1 = r.tdb_max;
    std::optional<double> w1 = air.eval(HYGRA_TDRY_RH, HYGRA_W, t1, rh);
    if (!w1 || *w1 > r.w_max) {
        const std::optional<double> t = air.eval(HYGRA_W_RH, HYGRA_TDB, r.w_max, rh);
        if (t && *t > t0 && *t <= r.tdb_max) {
            t1 = *t;
            w1 = r.w_max;
        }
    }
    state_line line{{t0, *w0}};
    for (int i = 1; i < rh_segments; ++i) {
        const double t = t0 + (t1 - t0) * i / rh_segments;
        const std::optional<double> w = air.eval(HYGRA_TDRY_RH, HYGRA_W, t, rh);
        if (!w || *w > r.w_max)
            return line;
        line.push_back({t, *w});
    }
    if (w1 && *w1 <= r.w_max)
        line.push_back({t1, *w1});
    return line;
}

state_line constant_line(const moist_air& air, const region& r, line_family family,
                         double value)
{
    // W falls with the dry bulb along these lines. The upper left end: on the
    // saturation curve, or where the line crosses the upper or left edge.
    const family_pairs p = pairs_of(family);
    const std::optional<double> t_saturated = air.eval(p.by_saturation, HYGRA_TDB, 1.0, value);
    const std::optional<double> w_saturated = air.eval(p.by_saturation, HYGRA_W, 1.0, value);
    if (!t_saturated || !w_saturated)
        return {};
    double t0 = *t_saturated;
    double w0 = *w_saturated;
    if (w0 > r.w_max) {
        const std::optional<double> t = air.eval(p.by_w, HYGRA_TDB, r.w_max, value);
        if (!t)
            return {};
        t0 = *t;
        w0 = r.w_max;
    }
    if (t0 < r.tdb_min) {
        const std::optional<double> w = air.eval(p.by_dry_bulb, HYGRA_W, r.tdb_min, value);
        if (!w || *w < r.w_min)
            return {};
        t0 = r.tdb_min;
        w0 = *w;
    }
    if (t0 >= r.tdb_max)
        return {};

    // The lower right end: on the lower edge, or where the line crosses the
    // right edge.
    const double w_lowest =
        family == line_family::wet_bulb ? r.w_min : std::max(r.w_min, driest);
    std::optional<double> t1 = air.eval(p.by_w, HYGRA_TDB, w_lowest, value);
    std::optional<double> w1 = w_lowest;
    if (!t1 || *t1 > r.tdb_max) {
        t1 = r.tdb_max;
        w1 = air.eval(p.by_dry_bulb, HYGRA_W, r.tdb_max, value);
    }
    if (*t1 <= t0)
        return {};

    state_line line{{t0, w0}};
    for (int i = 1; i < line_segments; ++i) {
        const double t = t0 + (*t1 - t0) * i / line_segments;
        if (const std::optional<double> w = air.eval(p.by_dry_bulb, HYGRA_W, t, value))
            line.push_back({t, *w});
    }
    if (w1)
        line.push_back({*t1, *w1});
    return line;
}

std::optional<std::pair<double, double>> family_span(const moist_air& air, const region& r,
                                                     line_family family)
{
    const int code = pairs_of(family).code;
    const std::optional<double> low = air.eval(HYGRA_TDRY_W, code, r.tdb_min, r.w_min);
    const std::optional<double> w_saturated = saturation_w(air, r.tdb_max);
    const double w_top = w_saturated ? std::min(r.w_max, *w_saturated) : r.w_max;
    const std::optional<double> high = air.eval(HYGRA_TDRY_W, code, r.tdb_max, w_top);
    if (!low || !high)
        return std::nullopt;
    return std::make_pair(*low, *high);
}

}  // namespace hygra::tool::chart
