// Laying out the chart: the curves traced through the library, the enthalpy
// scale beyond the saturation curve, and the labels, each placed beside what
// it names and apart from the others.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <tuple>

#include "chart/page.h"
#include "chart/ticks.h"
#include "hygra.h"
#include "numbers.h"

namespace hygra::tool::chart {

namespace {

// Lines shorter than this, in pixels, are not drawn.
constexpr double shortest_line = 8.0;
// How far the enthalpy scale lies beyond the saturation curve, along the
// enthalpy lines, in pixels; the wet-bulb labels sit in the band between.
constexpr double scale_distance = 34.0;
// Half the length of a minor tick of the enthalpy scale, and how far a major
// tick reaches inside the scale and out past it, in pixels; the band inside
// is left to the wet-bulb labels.
constexpr double minor_tick = 3.0;
constexpr double major_reach = 7.0;
constexpr double major_overrun = 5.0;
// A step along the dry bulb, degC or degF, that finds an enthalpy line's
// direction at its saturated end.
constexpr double direction_step = 0.25;

point unit(point from, point to)
{
    const double d = std::hypot(to.x - from.x, to.y - from.y);
    return d > 0.0 ? point{(to.x - from.x) / d, (to.y - from.y) / d} : point{0.0, 0.0};
}

bool within(const box& b, point p)
{
    return p.x >= b.left && p.x <= b.right && p.y >= b.top && p.y <= b.bottom;
}

// Colour stops from 0 to 1, interpolated in RGB.
std::string interpolate(const unsigned char (*stops)[3], int n, double f)
{
    f = std::clamp(std::isfinite(f) ? f : 0.0, 0.0, 1.0) * (n - 1);
    const int i = std::min(static_cast<int>(f), n - 2);
    const double u = f - i;
    char text[8];
    int rgb[3];
    for (int k = 0; k < 3; ++k)
        rgb[k] = static_cast<int>(std::lround(stops[i][k] + u * (stops[i + 1][k] - stops[i][k])));
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return text;
}

// The enthalpy scale: the lines from saturation carried on across it, and
// minor ticks between them at the minor step.
void trace_enthalpy_scale(chart_page& page, double major_step)
{
    const moist_air air(page.pressure, page.units);
    const box& plot = page.map.plot;
    // Ticks at a tenth of a major step of 1 (1 kJ/kg in 10), else at the
    // minor step of the grid.
    const double power = std::pow(10.0, std::floor(std::log10(major_step) + 1e-9));
    const double step =
        std::round(major_step / power) == 1.0 ? major_step / 10.0 : minor_step(major_step);
    // The saturated end of the line of enthalpy h and its direction away from
    // the saturation curve, in pixels.
    auto end_of = [&](double h) -> std::optional<std::pair<point, point>> {
        const std::optional<double> t = air.eval(HYGRA_RH_H, HYGRA_TDB, 1.0, h);
        const std::optional<double> w = air.eval(HYGRA_RH_H, HYGRA_W, 1.0, h);
        if (!t || !w)
            return std::nullopt;
        const std::optional<double> w2 = air.eval(HYGRA_TDRY_H, HYGRA_W, *t + direction_step, h);
        if (!w2)
            return std::nullopt;
        const point s = page.map.at({*t, *w});
        const point below = page.map.at({*t + direction_step, *w2});
        return std::make_pair(s, unit(below, s));
    };
    const region& r = page.map.r;
    const std::optional<std::pair<double, double>> span =
        family_span(air, r, line_family::enthalpy);
    if (!span)
        return;
    // From the lowest enthalpy of the region up to that of saturation at its
    // right or upper edge.
    const std::optional<double> top_t = dew_point(air, r.w_max);
    const double t_high = top_t ? std::min(*top_t, r.tdb_max) : r.tdb_max;
    const std::optional<double> h_high =
        air.eval(HYGRA_TDRY_RH, HYGRA_HM, t_high, 1.0);
    const std::optional<double> h_low = air.eval(HYGRA_TDRY_RH, HYGRA_HM, r.tdb_min, 1.0);
    if (!h_high || !h_low)
        return;
    polyline piece;
    const double h_first = std::ceil(*h_low / step - 1e-9) * step;
    for (double k = 0; h_first + k * step <= *h_high + 1e-9; k += 1.0) {
        const double h = std::round((h_first + k * step) / step) * step;
        const auto end = end_of(h);
        const bool major = std::abs(std::remainder(h, major_step)) < step * 1e-3;
        if (end) {
            const point s = end->first;
            const point u = end->second;
            const point on_scale{s.x + u.x * scale_distance, s.y + u.y * scale_distance};
            if (within(plot, s) && within(plot, on_scale)) {
                piece.push_back(on_scale);
                if (major) {
                    const double from = scale_distance - major_reach;
                    const double to = scale_distance + major_overrun;
                    page.h_scale.major_value.push_back(h);
                    page.h_scale.major.push_back(
                        {{s.x + u.x * from, s.y + u.y * from}, {s.x + u.x * to, s.y + u.y * to}});
                } else {
                    page.h_scale.minor.push_back(
                        {{on_scale.x - u.x * minor_tick, on_scale.y - u.y * minor_tick},
                         {on_scale.x + u.x * minor_tick, on_scale.y + u.y * minor_tick}});
                }
                continue;
            }
        }
        if (piece.size() > 1)
            page.h_scale.scale.push_back(piece);
        piece.clear();
    }
    if (piece.size() > 1)
        page.h_scale.scale.push_back(piece);
}

}  // namespace

humidity_axis axis_of(int units)
{
    return units == HYGRA_SI ? humidity_axis{1000.0, "g/kg"} : humidity_axis{7000.0, "grains/lb"};
}

polyline frame::line(const state_line& states) const
{
    polyline out;
    out.reserve(states.size());
    for (const state_point& s : states)
        out.push_back(at(s));
    return out;
}

std::string scale_colour(double f)
{
    static const unsigned char stops[][3] = {
        {68, 1, 84}, {59, 82, 139}, {33, 145, 140}, {94, 201, 98}, {253, 231, 37}};
    return interpolate(stops, 5, f);
}

std::string density_colour(double f)
{
    static const unsigned char stops[][3] = {
        {222, 235, 247}, {158, 202, 225}, {66, 146, 198}, {8, 81, 156}, {8, 48, 107}};
    return interpolate(stops, 5, f);
}

void trace_curves(chart_page& page)
{
    const moist_air air(page.pressure, page.units);
    const region& r = page.map.r;
    auto add = [&page](const line_style& style, const char* data_name, double value,
                       std::string label, const state_line& states, bool from_saturation) {
        polyline pixels = page.map.line(states);
        double length = 0.0;
        for (std::size_t i = 1; i < pixels.size(); ++i)
            length += std::hypot(pixels[i].x - pixels[i - 1].x, pixels[i].y - pixels[i - 1].y);
        // A line that would show as a dot in a corner of the plot is left out.
        if (length < shortest_line)
            return;
        page.curves.push_back({&style, data_name, value, format_exact(value), std::move(label),
                               std::move(pixels), length, from_saturation});
    };

    struct family_plan {
        line_family family;
        const line_style* style;
        const char* data_name;
        int most_lines;
        int saturated_type;  // the pair of relative humidity 1 and the property
    };
    // Volume first, so the lines of the other families are drawn over it.
    const family_plan plans[] = {
        {line_family::volume, &volume_style, "data-vm", 12, HYGRA_RH_V},
        {line_family::enthalpy, &enthalpy_style, "data-hm", 16, HYGRA_RH_H},
        {line_family::wet_bulb, &wet_bulb_style, "data-twb", 18, HYGRA_RH_TWET},
    };
    for (const family_plan& plan : plans) {
        const std::optional<std::pair<double, double>> span = family_span(air, r, plan.family);
        if (!span || !(span->second > span->first))
            continue;
        const std::optional<double> step = nice_step(span->second - span->first, plan.most_lines);
        if (!step)
            continue;
        for (double value : multiples(span->first, span->second, *step)) {
            const state_line states = constant_line(air, r, plan.family, value);
            const std::optional<double> t = air.eval(plan.saturated_type, HYGRA_TDB, 1.0, value);
            const bool saturated = !states.empty() && t && states.front().tdb == *t;
            add(*plan.style, plan.data_name, value, number_text(value, decimals_of(*step)),
                states, saturated);
        }
        if (plan.family == line_family::enthalpy)
            trace_enthalpy_scale(page, *step);
    }
    for (int percent = 10; percent <= 90; percent += 10) {
        const double rh = percent / 100.0;
        add(rh_style, "data-rh", rh, std::to_string(percent) + "%",
            relative_humidity_curve(air, r, rh), false);
    }
    add(saturation_style, "data-rh", 1.0, "", relative_humidity_curve(air, r, 1.0), false);
}

void place_labels(chart_page& page)
{
    label_placer placer(page.map.plot);
    for (curve& c : page.curves)
        c.id = placer.add_curve(c.pixels, c.style->family);
    for (const polyline& piece : page.h_scale.scale)
        placer.add_curve(piece, label_placer::always_avoided);
    // The enthalpy lines carried across the scale, each a curve of its own
    // starting at its outer end, for its label to sit beyond.
    std::vector<std::size_t> overruns;
    for (const auto& m : page.h_scale.major)
        overruns.push_back(placer.add_curve({m.second, m.first}, enthalpy_style.family));

    std::vector<point> marks;
    for (const marked_state& s : page.points)
        marks.push_back(page.map.at({s.tdb, s.w}));
    for (const chain& c : page.chains) {
        for (std::size_t i = 1; i < c.members.size(); ++i) {
            placer.add_curve({marks[c.members[i - 1]], marks[c.members[i]]},
                             label_placer::always_avoided);
        }
    }
    // The marks of scatter states with a label keep the labels away too.
    const double scatter_radius = page.scatter_look.diameter / 2;
    std::vector<point> labelled_scatter;
    for (const marked_state& s : page.scatter) {
        if (!s.label.empty() && !page.scatter_look.density)
            labelled_scatter.push_back(page.map.at({s.tdb, s.w}));
    }
    std::vector<point> all_marks = marks;
    all_marks.insert(all_marks.end(), labelled_scatter.begin(), labelled_scatter.end());
    placer.take_marks(all_marks, std::max(point_radius, scatter_radius));
    auto place_point_label = [&](point at, double radius, const std::string& text) {
        if (text.empty())
            return;
        const std::optional<label_box> b =
            placer.place_at(at, radius, text_width(text, label_size) + 2 * label_padding,
                            label_size + 2 * label_padding);
        if (b)
            page.labels.push_back({text, "point-label", "", "", text_colour, *b});
    };
    std::set<std::tuple<std::string, long, long>> labelled;  // text and pixel
    for (std::size_t i = 0; i < page.points.size(); ++i) {
        // A state that two chains share (the room air supplied and returned)
        // is labelled once.
        const bool repeated =
            !labelled
                 .insert({page.points[i].label, std::lround(marks[i].x), std::lround(marks[i].y)})
                 .second;
        if (!repeated)
            place_point_label(marks[i], point_radius, page.points[i].label);
    }
    // Labels of scatter states that have one: beside their mark.
    std::size_t k = 0;
    for (const marked_state& s : page.scatter) {
        if (!s.label.empty() && !page.scatter_look.density)
            place_point_label(labelled_scatter[k++], scatter_radius, s.label);
    }

    // Where along its curve a family's label goes first: wet-bulb values
    // just past their lines' saturated ends, in the band between the
    // saturation curve and the enthalpy scale; enthalpy values beyond the
    // scale, as on a printed chart; relative humidity towards the right;
    // volume near the bottom, or past the saturated end where the bottom is
    // crowded.
    using past_start = label_placer::past_start;
    auto place = [&](const curve& c, std::size_t on, const std::vector<double>& fractions,
                     past_start past) {
        const std::optional<label_box> b = placer.place_along(
            on, fractions, text_width(c.label, label_size) + 2 * label_padding,
            label_size + 2 * label_padding, past);
        if (b) {
            page.labels.push_back({c.label, "label", c.style->css_class, c.value_text,
                                   c.style->label_colour, *b});
        }
        return b.has_value();
    };
    auto anchors = [](const curve& c, double first) {
        // Anchors every 4 pixels along the curve.
        return fractions_around(first, std::min(0.05, 4.0 / c.length));
    };
    for (const curve& c : page.curves) {
        if (c.style == &wet_bulb_style && !c.label.empty())
            place(c, c.id, anchors(c, 0.0), past_start::first);
    }
    for (const curve& c : page.curves) {
        if (c.style != &enthalpy_style || c.label.empty())
            continue;
        // On the scale when the line reaches it: the overrun that starts
        // where this line's saturated end is.
        bool placed = false;
        for (std::size_t k = 0; k < page.h_scale.major.size() && c.from_saturation; ++k) {
            if (std::abs(page.h_scale.major_value[k] - c.value) < 1e-9) {
                placed = place(c, overruns[k], {}, past_start::first);
                break;
            }
        }
        if (!placed)
            place(c, c.id, anchors(c, 0.0), past_start::first);
    }
    for (const curve& c : page.curves) {
        if (c.style == &rh_style && !c.label.empty())
            place(c, c.id, anchors(c, 0.85), past_start::never);
    }
    for (const curve& c : page.curves) {
        if (c.style == &volume_style && !c.label.empty())
            place(c, c.id, anchors(c, 0.85), past_start::last);
    }
}

}  // namespace hygra::tool::chart
