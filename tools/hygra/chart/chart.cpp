// The chart page: dry bulb along the bottom, humidity ratio up the right side,
// the curves of chart_curves mapped onto the plot, labels placed by
// chart_labels, and the whole written as SVG by chart_svg. The plot element
// records its axis mapping in data- attributes, so a reader of the file can
// turn coordinates back into states.
#include "chart/chart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "chart/curves.h"
#include "chart/labels.h"
#include "chart/points.h"
#include "chart/svg_writer.h"
#include "evaluation.h"
#include "hygra.h"
#include "numbers.h"

namespace hygra::tool {

namespace {

using namespace chart;

// The page, in SVG pixels.
constexpr double page_width = 1000.0;
constexpr double page_height = 720.0;
constexpr box plot_area{40.0, 56.0, 910.0, 590.0};

// Font sizes, in pixels.
constexpr double label_size = 11.0;
constexpr double tick_size = 11.0;
constexpr double axis_title_size = 12.5;
constexpr double legend_size = 11.0;
constexpr double title_size = 17.0;

// Room around the text of a label, inside its box.
constexpr double label_padding = 1.0;
// Radius of the mark of a state.
constexpr double point_radius = 3.5;
// Lines shorter than this, in pixels, are not drawn.
constexpr double shortest_line = 8.0;

// The humidity-ratio axis: grams of water per kilogram of dry air, or grains
// per pound (7000 grains make a pound).
struct humidity_axis {
    double per_kg_per_kg;  // axis units in one kg/kg (lb/lb)
    const char* unit;
};
humidity_axis axis_of(int units)
{
    return units == HYGRA_SI ? humidity_axis{1000.0, "g/kg"} : humidity_axis{7000.0, "grains/lb"};
}

// Default ranges at sea level: -10 to 50 degC and 0 to 30 g/kg; 10 to 120 degF
// and 0 to 200 grains/lb (28.6 g/kg). The humidity ratio's top is scaled with
// the pressure, since saturated air holds more water where the pressure is
// lower.
struct default_range {
    double tdb_min;
    double tdb_max;
    double w_max;  // axis units
};
default_range defaults_of(int units)
{
    return units == HYGRA_SI ? default_range{-10.0, 50.0, 30.0} : default_range{10.0, 120.0, 200.0};
}

// A colour, width and dash for each kind of line, and the family its labels
// keep clear of when they cannot keep clear of every curve.
struct line_style {
    const char* css_class;
    const char* colour;
    const char* label_colour;
    double width;
    const char* dash;  // nullptr for a solid line
    int family;        // label_placer's family; the saturation curve is avoided always
};
constexpr line_style saturation_style{"saturation", "#1f3b73", "#1f3b73", 2.0, nullptr,
                                      label_placer::always_avoided};
constexpr line_style rh_style{"rh", "#3a78c2", "#245a9c", 0.9, nullptr, 1};
constexpr line_style wet_bulb_style{"wet-bulb", "#2e8b3e", "#1f6b2c", 0.9, "6 3", 2};
constexpr line_style enthalpy_style{"enthalpy", "#c0561b", "#a4420d", 0.9, nullptr, 3};
constexpr line_style volume_style{"volume", "#7b3fa0", "#64308a", 0.9, "2 2", 4};
constexpr const char* grid_colour = "#d0d0d0";
constexpr const char* process_colour = "#c00000";
constexpr const char* text_colour = "#222222";

// The smallest step of 1, 2 or 5 times a power of ten that divides `span`
// into at most `most` parts.
double nice_step(double span, int most)
{
    double power = std::pow(10.0, std::floor(std::log10(span / most)));
    for (;;) {
        for (double m : {1.0, 2.0, 5.0}) {
            if (span / (m * power) <= most + 1e-9)
                return m * power;
        }
        power *= 10.0;
    }
}

// Decimals that show the multiples of a step: 0 for 5, 1 for 0.5, 2 for 0.02.
int decimals_of(double step)
{
    return std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
}

// The multiples of `step` from low to high, each rounded to the step's
// decimals so that 0.1 * 3 reads 0.3.
std::vector<double> multiples(double low, double high, double step)
{
    const double scale = std::pow(10.0, decimals_of(step));
    std::vector<double> out;
    for (double k = std::ceil(low / step - 1e-9); k <= std::floor(high / step + 1e-9); k += 1.0)
        out.push_back(std::round(k * step * scale) / scale);
    return out;
}

// A value for people: fixed decimals, and a true minus sign.
std::string number_text(double value, int decimals)
{
    std::array<char, 48> buffer{};
    const double v = std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(v),
                                      std::chars_format::fixed, decimals);
    const std::string digits(buffer.data(), result.ptr);
    return v < 0.0 ? "\u2212" + digits : digits;
}

// The library's unit of a property, written as a chart writes it: degC as
// °C, m3/kg as m³/kg.
std::string unit_text(int code, int units)
{
    std::string unit = hygra_property_unit(code, units);
    if (unit.compare(0, 3, "deg") == 0)
        unit = "\u00B0" + unit.substr(3);
    if (const std::size_t three = unit.find("3/"); three != std::string::npos)
        unit.replace(three, 1, "\u00B3");
    return unit;
}

// The mapping between states and the plot's pixels.
struct frame {
    region r;
    double per_kg_per_kg;  // axis units of humidity ratio in one kg/kg

    double x(double tdb) const
    {
        return plot_area.left +
               (tdb - r.tdb_min) / (r.tdb_max - r.tdb_min) * (plot_area.right - plot_area.left);
    }
    double y(double w) const
    {
        return plot_area.bottom -
               (w - r.w_min) / (r.w_max - r.w_min) * (plot_area.bottom - plot_area.top);
    }
    point at(const state_point& s) const { return {x(s.tdb), y(s.w)}; }
    polyline line(const state_line& states) const
    {
        polyline out;
        out.reserve(states.size());
        for (const state_point& s : states)
            out.push_back(at(s));
        return out;
    }
};

// One drawn curve of a family, with what its label says.
struct curve {
    const line_style* style;
    const char* data_name;  // the data- attribute holding its value: "data-rh", ...
    double value;
    std::string value_text;  // for the data- attribute, exactly
    std::string label;       // for people
    polyline pixels;
    double length;       // in pixels
    std::size_t id = 0;  // its number in the label placer
};

struct placed_label {
    std::string text;
    std::string css_class;  // "label", "point-label"
    std::string family;     // data-family: "rh", "wet-bulb", ...; empty for a point
    std::string value;      // data-value
    const char* colour;
    label_box where;
};

struct chart_page {
    int units = HYGRA_SI;
    double pressure = 0.0;
    pressure_input given_pressure;
    frame map{};
    double tdb_step = 5.0;  // grid and ticks
    double w_step = 2.0;    // axis units
    std::vector<curve> curves;  // in the order drawn: families, then saturation
    std::vector<marked_state> points;
    bool process = false;
    std::vector<placed_label> labels;
};

std::string pressure_title(const chart_page& page)
{
    const bool si = page.units == HYGRA_SI;
    std::string text = "Psychrometric chart at " + format_short(page.pressure) +
                       (si ? " bar" : " psi");
    switch (page.given_pressure.kind) {
    case pressure_input::sea_level: text += ", sea level"; break;
    case pressure_input::altitude:
        text += ", standard atmosphere at " + format_short(page.given_pressure.value) +
                (si ? " m" : " ft");
        break;
    case pressure_input::pressure: break;
    }
    return text;
}

// The curves of every family across the region, each through its own pair.
void trace_curves(chart_page& page)
{
    const moist_air air(page.pressure, page.units);
    const region& r = page.map.r;
    auto add = [&page](const line_style& style, const char* data_name, double value,
                       std::string label, const state_line& states) {
        polyline pixels = page.map.line(states);
        double length = 0.0;
        for (std::size_t i = 1; i < pixels.size(); ++i)
            length += std::hypot(pixels[i].x - pixels[i - 1].x, pixels[i].y - pixels[i - 1].y);
        // A line that would show as a dot in a corner of the plot is left out.
        if (length < shortest_line)
            return;
        page.curves.push_back({&style, data_name, value, format_exact(value), std::move(label),
                               std::move(pixels), length});
    };

    struct family_plan {
        line_family family;
        const line_style* style;
        const char* data_name;
        int most_lines;
    };
    // Volume first, so the lines of the other families are drawn over it.
    const family_plan plans[] = {
        {line_family::volume, &volume_style, "data-vm", 12},
        {line_family::enthalpy, &enthalpy_style, "data-hm", 16},
        {line_family::wet_bulb, &wet_bulb_style, "data-twb", 18},
    };
    for (const family_plan& plan : plans) {
        const std::optional<std::pair<double, double>> span = family_span(air, r, plan.family);
        if (!span || !(span->second > span->first))
            continue;
        const double step = nice_step(span->second - span->first, plan.most_lines);
        for (double value : multiples(span->first, span->second, step)) {
            add(*plan.style, plan.data_name, value, number_text(value, decimals_of(step)),
                constant_line(air, r, plan.family, value));
        }
    }
    for (int percent = 10; percent <= 90; percent += 10) {
        const double rh = percent / 100.0;
        add(rh_style, "data-rh", rh, std::to_string(percent) + "%",
            relative_humidity_curve(air, r, rh));
    }
    add(saturation_style, "data-rh", 1.0, "", relative_humidity_curve(air, r, 1.0));
}

// Labels: the states' first, then one for each curve of a family, each beside
// its own curve, apart from every other label, and clear of every curve where
// there is room (label_placer says how it falls back where there is not).
void place_labels(chart_page& page)
{
    label_placer placer(plot_area);
    for (curve& c : page.curves)
        c.id = placer.add_curve(c.pixels, c.style->family);
    std::vector<point> marks;
    for (const marked_state& s : page.points)
        marks.push_back(page.map.at({s.tdb, s.w}));
    if (page.process) {
        for (std::size_t i = 1; i < marks.size(); ++i)
            placer.add_curve({marks[i - 1], marks[i]}, label_placer::always_avoided);
    }
    for (const point& m : marks)
        placer.take({m, 0.0, point_radius, point_radius});
    for (std::size_t i = 0; i < page.points.size(); ++i) {
        const std::string& text = page.points[i].label;
        if (text.empty())
            continue;
        const label_box b = placer.place_at(marks[i], point_radius,
                                            text_width(text, label_size) + 2 * label_padding,
                                            label_size + 2 * label_padding);
        page.labels.push_back({text, "point-label", "", "", text_colour, b});
    }

    // Where along its curve a family's label goes first: wet-bulb and
    // enthalpy lines just past their saturated end, outside the saturation
    // curve, as on the scales of a printed chart (the wet bulb first, which
    // is the temperature of the saturation curve there); relative humidity
    // towards the right; volume near the bottom, or past the saturated end
    // where the bottom is crowded.
    using past_start = label_placer::past_start;
    struct preference {
        const line_style* style;
        double first;     // fraction of the curve's length
        past_start past;  // whether on the line's extension past the saturated end
    };
    const preference order[] = {
        {&wet_bulb_style, 0.0, past_start::first},
        {&enthalpy_style, 0.0, past_start::first},
        {&rh_style, 0.85, past_start::never},
        {&volume_style, 0.85, past_start::last},
    };
    for (const preference& pref : order) {
        for (const curve& c : page.curves) {
            if (c.style != pref.style || c.label.empty())
                continue;
            // Anchors every 4 pixels along the curve.
            const double step = std::min(0.05, 4.0 / c.length);
            const std::optional<label_box> b = placer.place_along(
                c.id, fractions_around(pref.first, step),
                text_width(c.label, label_size) + 2 * label_padding,
                label_size + 2 * label_padding, pref.past);
            if (b) {
                page.labels.push_back({c.label, "label", c.style->css_class, c.value_text,
                                       c.style->label_colour, *b});
            }
        }
    }
}

void line_attributes(svg_writer& svg, const line_style& style, double width)
{
    svg.attribute("stroke", style.colour);
    svg.attribute("stroke-width", width);
    if (style.dash != nullptr)
        svg.attribute("stroke-dasharray", style.dash);
}

void write_text(svg_writer& svg, const char* css_class, const std::string& text, double x,
                double y, double size, const char* anchor)
{
    svg.open("text");
    svg.attribute("class", css_class);
    svg.attribute("x", x);
    svg.attribute("y", y);
    svg.attribute("font-size", size);
    if (anchor != nullptr)
        svg.attribute("text-anchor", anchor);
    svg.text(text);
    svg.close();
}

void write_line(svg_writer& svg, const char* css_class, point a, point b)
{
    svg.open("line");
    svg.attribute("class", css_class);
    svg.attribute("x1", a.x);
    svg.attribute("y1", a.y);
    svg.attribute("x2", b.x);
    svg.attribute("y2", b.y);
    svg.close();
}

void write_grid(svg_writer& svg, const chart_page& page)
{
    const moist_air air(page.pressure, page.units);
    const frame& map = page.map;
    const region& r = map.r;
    svg.open("g");
    svg.attribute("class", "grid");
    svg.attribute("stroke", grid_colour);
    svg.attribute("stroke-width", 0.6);
    // Dry-bulb lines rise to the saturation curve, humidity-ratio lines run
    // from it to the right edge: the chart is empty beyond saturation.
    for (double t : multiples(r.tdb_min, r.tdb_max, page.tdb_step)) {
        const std::optional<double> ws = saturation_w(air, t);
        const double top = ws ? std::min(*ws, r.w_max) : r.w_max;
        if (top > r.w_min)
            write_line(svg, "grid", map.at({t, r.w_min}), map.at({t, top}));
    }
    const double scale = map.per_kg_per_kg;
    for (double w_axis : multiples(r.w_min * scale, r.w_max * scale, page.w_step)) {
        const double w = w_axis / scale;
        if (w <= r.w_min)
            continue;
        const std::optional<double> dew = dew_point(air, w);
        const double left = dew ? std::max(*dew, r.tdb_min) : r.tdb_min;
        if (left < r.tdb_max)
            write_line(svg, "grid", map.at({left, w}), map.at({r.tdb_max, w}));
    }
    svg.close();
}

void write_axes(svg_writer& svg, const chart_page& page)
{
    const frame& map = page.map;
    const region& r = map.r;
    const double scale = map.per_kg_per_kg;
    svg.open("g");
    svg.attribute("class", "axes");
    svg.attribute("fill", text_colour);
    svg.open("g");
    svg.attribute("stroke", "#333333");
    svg.attribute("stroke-width", 0.8);
    for (double t : multiples(r.tdb_min, r.tdb_max, page.tdb_step))
        write_line(svg, "tick", {map.x(t), plot_area.bottom}, {map.x(t), plot_area.bottom + 4});
    for (double w : multiples(r.w_min * scale, r.w_max * scale, page.w_step))
        write_line(svg, "tick", {plot_area.right, map.y(w / scale)},
                   {plot_area.right + 4, map.y(w / scale)});
    svg.close();
    const int t_decimals = decimals_of(page.tdb_step);
    for (double t : multiples(r.tdb_min, r.tdb_max, page.tdb_step)) {
        write_text(svg, "tick-label", number_text(t, t_decimals), map.x(t),
                   plot_area.bottom + 17, tick_size, "middle");
    }
    const int w_decimals = decimals_of(page.w_step);
    for (double w : multiples(r.w_min * scale, r.w_max * scale, page.w_step)) {
        write_text(svg, "tick-label", number_text(w, w_decimals), plot_area.right + 7,
                   map.y(w / scale) + 4, tick_size, "start");
    }
    const double middle_x = (plot_area.left + plot_area.right) / 2;
    write_text(svg, "axis-title", "Dry-bulb temperature, " + unit_text(HYGRA_TDB, page.units),
               middle_x, plot_area.bottom + 36, axis_title_size, "middle");
    const double title_x = plot_area.right + 62;
    const double middle_y = (plot_area.top + plot_area.bottom) / 2;
    svg.open("text");
    svg.attribute("class", "axis-title");
    svg.attribute("x", title_x);
    svg.attribute("y", middle_y);
    svg.attribute("font-size", axis_title_size);
    svg.attribute("text-anchor", "middle");
    svg.attribute("transform", "rotate(-90 " + pixels(title_x) + " " + pixels(middle_y) + ")");
    svg.text(std::string("Humidity ratio, ") + axis_of(page.units).unit + " dry air");
    svg.close();
    svg.close();
}

void write_legend(svg_writer& svg, const chart_page& page)
{
    struct entry {
        const line_style* style;  // nullptr for the mark of a state
        std::string text;
    };
    const int u = page.units;
    std::vector<entry> entries{
        {&saturation_style, "saturation"},
        {&rh_style, "relative humidity, %"},
        {&wet_bulb_style, "wet-bulb temperature, " + unit_text(HYGRA_TWB, u)},
        {&enthalpy_style, "enthalpy, " + unit_text(HYGRA_HM, u) + " dry air"},
        {&volume_style, "specific volume, " + unit_text(HYGRA_VM, u) + " dry air"},
    };
    if (!page.points.empty())
        entries.push_back({nullptr, page.process ? "states and process" : "states"});

    constexpr double sample = 24.0;  // length of the line drawn before each entry
    constexpr double row_height = 18.0;
    double x = plot_area.left;
    double baseline = plot_area.bottom + 60;
    svg.open("g");
    svg.attribute("class", "legend");
    svg.attribute("fill", text_colour);
    for (const entry& e : entries) {
        const double width = sample + 6 + text_width(e.text, legend_size) + 22;
        if (x + width > plot_area.right && x > plot_area.left) {
            x = plot_area.left;
            baseline += row_height;
        }
        const double mid = baseline - legend_size * 0.35;
        if (e.style != nullptr) {
            svg.open("line");
            svg.attribute("x1", x);
            svg.attribute("y1", mid);
            svg.attribute("x2", x + sample);
            svg.attribute("y2", mid);
            line_attributes(svg, *e.style, std::max(e.style->width, 1.2));
            svg.close();
        } else {
            svg.open("line");
            svg.attribute("x1", x);
            svg.attribute("y1", mid);
            svg.attribute("x2", x + sample);
            svg.attribute("y2", mid);
            svg.attribute("stroke", process_colour);
            svg.attribute("stroke-width", page.process ? 1.6 : 0.0);
            svg.close();
            svg.open("circle");
            svg.attribute("cx", x + sample / 2);
            svg.attribute("cy", mid);
            svg.attribute("r", point_radius);
            svg.attribute("fill", "#000000");
            svg.close();
        }
        write_text(svg, "legend", e.text, x + sample + 6, baseline, legend_size, nullptr);
        x += width;
    }
    svg.close();
}

std::string write_svg(const chart_page& page)
{
    const frame& map = page.map;
    const region& r = map.r;
    svg_writer svg;
    svg.open("svg");
    svg.attribute("xmlns", "http://www.w3.org/2000/svg");
    svg.attribute("version", "1.1");
    svg.attribute("width", page_width);
    svg.attribute("height", page_height);
    svg.attribute("viewBox", "0 0 " + pixels(page_width) + " " + pixels(page_height));
    svg.attribute("font-family", "DejaVu Sans, Verdana, Arial, sans-serif");

    const std::string title = pressure_title(page);
    svg.open("title");
    svg.text(title);
    svg.close();
    svg.open("desc");
    svg.text(std::string("Drawn by hygra ") + hygra_version() +
             " from states of moist air computed by its library, in " +
             (page.units == HYGRA_SI ? "SI" : "inch-pound") + " units.");
    svg.close();
    if (page.process) {
        svg.open("defs");
        svg.open("marker");
        svg.attribute("id", "arrow");
        svg.attribute("viewBox", "0 0 10 10");
        svg.attribute("refX", 9.0);
        svg.attribute("refY", 5.0);
        svg.attribute("markerWidth", 6.0);
        svg.attribute("markerHeight", 6.0);
        svg.attribute("orient", "auto");
        svg.open("path");
        svg.attribute("d", "M 0 0 L 10 5 L 0 10 z");
        svg.attribute("fill", process_colour);
        svg.close();
        svg.close();
        svg.close();
    }
    svg.open("rect");
    svg.attribute("class", "background");
    svg.attribute("width", page_width);
    svg.attribute("height", page_height);
    svg.attribute("fill", "#ffffff");
    svg.close();

    // The plot and the mapping of its pixels: x from data-x-left at
    // data-tdb-min to data-x-right at data-tdb-max; y from data-y-bottom at
    // data-w-min to data-y-top at data-w-max, humidity ratios in axis units,
    // data-w-scale of them to one kg/kg (lb/lb).
    svg.open("g");
    svg.attribute("id", "plot");
    svg.attribute("data-units", page.units == HYGRA_SI ? "SI" : "IP");
    svg.attribute("data-pressure", format_exact(page.pressure));
    svg.attribute("data-tdb-min", format_exact(r.tdb_min));
    svg.attribute("data-tdb-max", format_exact(r.tdb_max));
    svg.attribute("data-w-min", format_exact(r.w_min * map.per_kg_per_kg));
    svg.attribute("data-w-max", format_exact(r.w_max * map.per_kg_per_kg));
    svg.attribute("data-w-scale", format_exact(map.per_kg_per_kg));
    svg.attribute("data-x-left", format_exact(plot_area.left));
    svg.attribute("data-x-right", format_exact(plot_area.right));
    svg.attribute("data-y-bottom", format_exact(plot_area.bottom));
    svg.attribute("data-y-top", format_exact(plot_area.top));

    write_grid(svg, page);

    svg.open("g");
    svg.attribute("class", "curves");
    svg.attribute("fill", "none");
    svg.attribute("stroke-linejoin", "round");
    for (const curve& c : page.curves) {
        svg.open("polyline");
        svg.attribute("class", c.style->css_class);
        svg.attribute(c.data_name, c.value_text);
        line_attributes(svg, *c.style, c.style->width);
        svg.points(c.pixels);
        svg.close();
    }
    svg.close();

    svg.open("rect");
    svg.attribute("class", "frame");
    svg.attribute("x", plot_area.left);
    svg.attribute("y", plot_area.top);
    svg.attribute("width", plot_area.right - plot_area.left);
    svg.attribute("height", plot_area.bottom - plot_area.top);
    svg.attribute("fill", "none");
    svg.attribute("stroke", "#333333");
    svg.attribute("stroke-width", 1.0);
    svg.close();

    std::vector<point> marks;
    for (const marked_state& s : page.points)
        marks.push_back(map.at({s.tdb, s.w}));
    if (page.process && marks.size() > 1) {
        svg.open("g");
        svg.attribute("class", "process");
        svg.attribute("stroke", process_colour);
        svg.attribute("stroke-width", 1.6);
        for (std::size_t i = 1; i < marks.size(); ++i) {
            // From the edge of one mark to the edge of the next, where the
            // arrow's tip ends.
            const point a = marks[i - 1];
            const point b = marks[i];
            const double d = std::hypot(b.x - a.x, b.y - a.y);
            const double start = point_radius + 1.5;
            const double end = point_radius + 2.0;
            if (d <= start + end)
                continue;
            const double ux = (b.x - a.x) / d;
            const double uy = (b.y - a.y) / d;
            svg.open("line");
            svg.attribute("class", "process");
            svg.attribute("data-from", std::to_string(i));
            svg.attribute("data-to", std::to_string(i + 1));
            svg.attribute("x1", a.x + ux * start);
            svg.attribute("y1", a.y + uy * start);
            svg.attribute("x2", b.x - ux * end);
            svg.attribute("y2", b.y - uy * end);
            svg.attribute("marker-end", "url(#arrow)");
            svg.close();
        }
        svg.close();
    }
    if (!marks.empty()) {
        svg.open("g");
        svg.attribute("class", "points");
        for (std::size_t i = 0; i < marks.size(); ++i) {
            svg.open("circle");
            svg.attribute("class", "point");
            svg.attribute("data-label", page.points[i].label);
            svg.attribute("data-tdb", format_exact(page.points[i].tdb));
            svg.attribute("data-w", format_exact(page.points[i].w));
            svg.attribute("cx", marks[i].x);
            svg.attribute("cy", marks[i].y);
            svg.attribute("r", point_radius);
            svg.attribute("fill", "#000000");
            svg.attribute("stroke", "#ffffff");
            svg.attribute("stroke-width", 1.0);
            svg.close();
        }
        svg.close();
    }

    // Labels on a white halo, which hides the grid behind them.
    svg.open("g");
    svg.attribute("class", "labels");
    svg.attribute("stroke", "#ffffff");
    svg.attribute("stroke-width", 3.0);
    svg.attribute("stroke-linejoin", "round");
    svg.attribute("paint-order", "stroke");
    for (const placed_label& l : page.labels) {
        svg.open("text");
        svg.attribute("class", l.css_class);
        if (!l.family.empty()) {
            svg.attribute("data-family", l.family);
            svg.attribute("data-value", l.value);
        }
        // Centred on its box, the box's middle 0.3 em above the baseline.
        const point c = l.where.centre;
        svg.attribute("x", c.x);
        svg.attribute("y", c.y + 0.3 * label_size);
        svg.attribute("text-anchor", "middle");
        const double degrees = l.where.angle * 180.0 / 3.14159265358979323846;
        if (std::abs(degrees) >= 0.005) {
            svg.attribute("transform", "rotate(" + pixels(degrees) + " " + pixels(c.x) + " " +
                                           pixels(c.y) + ")");
        }
        svg.attribute("font-size", label_size);
        svg.attribute("fill", l.colour);
        svg.text(l.text);
        svg.close();
    }
    svg.close();
    svg.close();  // plot

    write_axes(svg, page);
    write_legend(svg, page);
    svg.open("text");
    svg.attribute("class", "title");
    svg.attribute("x", (plot_area.left + plot_area.right) / 2);
    svg.attribute("y", 32.0);
    svg.attribute("font-size", title_size);
    svg.attribute("font-weight", "bold");
    svg.attribute("text-anchor", "middle");
    svg.attribute("fill", text_colour);
    svg.text(title);
    svg.close();
    svg.close();  // svg
    return svg.finish();
}

// Reads the points file, or says why not; the rows that give no state are
// written to standard error and the chart is not drawn.
bool read_marked_states(const options& opts, chart_page& page)
{
    const std::string& file = *opts.chart->points;
    const std::string what = file == "-" ? "the points input" : "the points file '" + file + "'";
    std::FILE* in = file == "-" ? stdin : std::fopen(file.c_str(), "rb");
    if (in == nullptr)
        throw usage_error("cannot open '" + file + "' for reading");
    struct closer {
        std::FILE* f;
        ~closer()
        {
            if (f != stdin)
                std::fclose(f);
        }
    } close_in{in};
    points_read read = read_points(in, what, opts.pressure, opts.units);
    for (const std::string& failure : read.failures)
        std::cerr << "hygra: " << what << ", " << failure << "\n";
    if (!read.failures.empty())
        return false;
    page.points = std::move(read.states);
    return true;
}

// The region of the chart: the ranges given, or the defaults widened to hold
// the points. Returns false, with the reasons on standard error, when a
// given range leaves out a point.
bool choose_region(const options& opts, chart_page& page)
{
    const chart_options& c = *opts.chart;
    const default_range d = defaults_of(page.units);
    const double scale = axis_of(page.units).per_kg_per_kg;
    double sea_level = 0.0;
    moistair_pz(page.units, &sea_level, 0.0);

    double t_low = c.tdb ? c.tdb->first : d.tdb_min;
    double t_high = c.tdb ? c.tdb->second : d.tdb_max;
    double w_low = c.w ? c.w->first : 0.0;
    double w_high = c.w ? c.w->second : 0.0;
    if (!c.w) {
        // Scaled with the pressure and rounded up to a line of the grid.
        const double top = d.w_max * sea_level / page.pressure;
        const double step = nice_step(top, 20);
        w_high = std::ceil(top / step - 1e-9) * step;
    }
    for (const marked_state& s : page.points) {
        if (!c.tdb) {
            const double step = nice_step(t_high - t_low, 24);
            t_low = std::min(t_low, std::floor(s.tdb / step) * step);
            t_high = std::max(t_high, std::ceil(s.tdb / step) * step);
        }
        if (!c.w) {
            const double step = nice_step(w_high - w_low, 20);
            w_high = std::max(w_high, std::ceil(s.w * scale / step) * step);
        }
    }
    bool inside = true;
    for (const marked_state& s : page.points) {
        if (s.tdb < t_low || s.tdb > t_high || s.w * scale < w_low || s.w * scale > w_high) {
            std::cerr << "hygra: the state '" << s.label << "' (TDB = " << format_short(s.tdb)
                      << " " << hygra_property_unit(HYGRA_TDB, page.units)
                      << ", W = " << format_short(s.w * scale) << " " << axis_of(page.units).unit
                      << ") lies outside the chart; widen --tdb or --w\n";
            inside = false;
        }
    }
    page.map = frame{{t_low, t_high, w_low / scale, w_high / scale}, scale};
    page.tdb_step = nice_step(t_high - t_low, 24);
    page.w_step = nice_step(w_high - w_low, 20);
    return inside;
}

// Whether the library gives states at the lower corners of the dry-bulb range
// at the chart's pressure, and the pressure is above zero; if not, the tool's
// sentence for why on standard error.
bool range_has_states(const options& opts, const chart_page& page)
{
    const chart_options& c = *opts.chart;
    const default_range d = defaults_of(page.units);
    const double w_low = c.w ? c.w->first / axis_of(page.units).per_kg_per_kg : 0.0;
    for (double t : {c.tdb ? c.tdb->first : d.tdb_min, c.tdb ? c.tdb->second : d.tdb_max}) {
        const state_request request{{HYGRA_TDB, t}, {HYGRA_W, w_low},
                                    state_choice{HYGRA_TDRY_W, false}, opts.pressure,
                                    page.units};
        const evaluation e = evaluate(request, {});
        if (!e.state_ok) {
            std::cerr << "hygra: " << e.state_error << "\n";
            return false;
        }
    }
    if (!(page.pressure > 0.0)) {
        std::cerr << "hygra: P = " << format_exact(page.pressure)
                  << (page.units == HYGRA_SI ? " bar" : " psi")
                  << ": a chart needs a pressure above 0, where air holds a finite amount of "
                     "water\n";
        return false;
    }
    return true;
}

void write_output(const options& opts, const std::string& svg)
{
    const std::optional<std::string>& file = opts.chart->output;
    const bool to_stdout = !file || *file == "-";
    std::FILE* out = to_stdout ? stdout : std::fopen(file->c_str(), "wb");
    if (out == nullptr)
        throw usage_error("cannot open '" + *file + "' for writing");
    const bool written = std::fwrite(svg.data(), 1, svg.size(), out) == svg.size();
    const bool flushed = to_stdout ? std::fflush(out) == 0 : std::fclose(out) == 0;
    if (!written || !flushed)
        throw usage_error("the chart could not be written");
}

}  // namespace

int run_chart(const options& opts)
{
    chart_page page;
    page.units = opts.units;
    page.given_pressure = opts.pressure;
    page.process = opts.chart->process;
    std::string error;
    if (!total_pressure(opts.pressure, opts.units, page.pressure, error)) {
        std::cerr << "hygra: " << error << "\n";
        return exit_failed;
    }
    if (!range_has_states(opts, page))
        return exit_failed;
    if (opts.chart->points && !read_marked_states(opts, page))
        return exit_failed;
    if (page.process && page.points.size() < 2)
        throw usage_error("--process needs two or more points to join");
    if (!choose_region(opts, page))
        return exit_failed;

    trace_curves(page);
    place_labels(page);
    write_output(opts, write_svg(page));
    return exit_ok;
}

}  // namespace hygra::tool
