// The chart page written as SVG: grid, zones, curves, enthalpy scale,
// scatter, processes, labels, axes, legend and title, in that order so that
// what matters most is drawn last. The plot element records its axis mapping
// in data- attributes, so a reader of the file can turn coordinates back into
// states.
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "chart/page.h"
#include "chart/svg_writer.h"
#include "chart/ticks.h"
#include "hygra.h"
#include "numbers.h"

namespace hygra::tool::chart {

namespace {

constexpr const char* grid_colour = "#cfcfcf";
constexpr const char* minor_grid_colour = "#ececec";

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
    if (css_class != nullptr)
        svg.attribute("class", css_class);
    svg.attribute("x1", a.x);
    svg.attribute("y1", a.y);
    svg.attribute("x2", b.x);
    svg.attribute("y2", b.y);
    svg.close();
}

// Dry-bulb lines rise to the saturation curve, humidity-ratio lines run from
// it to the right edge: the chart is empty beyond saturation.
void write_grid_lines(svg_writer& svg, const chart_page& page, double tdb_step, double w_step,
                      const char* css_class, const char* colour, double width)
{
    const moist_air air(page.pressure, page.units);
    const frame& map = page.map;
    const region& r = map.r;
    const double scale = map.per_kg_per_kg;
    svg.open("g");
    svg.attribute("class", css_class);
    svg.attribute("stroke", colour);
    svg.attribute("stroke-width", width);
    for (double t : multiples(r.tdb_min, r.tdb_max, tdb_step)) {
        const std::optional<double> ws = saturation_w(air, t);
        const double top = ws ? std::clamp(*ws, r.w_min, r.w_max) : r.w_max;
        if (top > r.w_min)
            write_line(svg, nullptr, {map.x(t), map.y(r.w_min)}, {map.x(t), map.y(top)});
    }
    for (double w_axis : multiples(r.w_min * scale, r.w_max * scale, w_step)) {
        const double w = w_axis / scale;
        const std::optional<double> t = w > 0.0 ? dew_point(air, w) : std::nullopt;
        const double left = t ? std::clamp(*t, r.tdb_min, r.tdb_max) : r.tdb_min;
        if (left < r.tdb_max)
            write_line(svg, nullptr, {map.x(left), map.y(w)}, {map.x(r.tdb_max), map.y(w)});
    }
    svg.close();
}

void write_axes(svg_writer& svg, const chart_page& page)
{
    const frame& map = page.map;
    const region& r = map.r;
    const box& plot = map.plot;
    const double scale = map.per_kg_per_kg;
    svg.open("g");
    svg.attribute("class", "axes");
    svg.attribute("fill", text_colour);
    svg.open("g");
    svg.attribute("stroke", "#333333");
    svg.attribute("stroke-width", 0.8);
    for (double t : multiples(r.tdb_min, r.tdb_max, page.tdb_step))
        write_line(svg, "tick", {map.x(t), plot.bottom}, {map.x(t), plot.bottom + 4});
    for (double w : multiples(r.w_min * scale, r.w_max * scale, page.w_step))
        write_line(svg, "tick", {plot.right, map.y(w / scale)}, {plot.right + 4, map.y(w / scale)});
    svg.close();
    const int t_decimals = decimals_of(page.tdb_step);
    for (double t : multiples(r.tdb_min, r.tdb_max, page.tdb_step)) {
        write_text(svg, "tick-label", number_text(t, t_decimals), map.x(t), plot.bottom + 21,
                   tick_size, "middle");
    }
    const int w_decimals = decimals_of(page.w_step);
    for (double w : multiples(r.w_min * scale, r.w_max * scale, page.w_step)) {
        write_text(svg, "tick-label", number_text(w, w_decimals), plot.right + 7,
                   map.y(w / scale) + 4, tick_size, "start");
    }
    const double middle_x = (plot.left + plot.right) / 2;
    write_text(svg, "axis-title", "Dry-bulb temperature, " + unit_text(HYGRA_TDB, page.units),
               middle_x, plot.bottom + 40, axis_title_size, "middle");
    const double title_x = plot.right + 62;
    const double middle_y = (plot.top + plot.bottom) / 2;
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

// A legend entry: a sample of what it names, then its text.
struct entry {
    enum kind { line, mark, chain_line, swatch, scatter_mark, colour_bar };
    entry(kind w, const line_style* s, std::string t, std::string c = {}, std::string lo = {},
          std::string hi = {})
        : what(w), style(s), text(std::move(t)), colour(std::move(c)), low(std::move(lo)),
          high(std::move(hi))
    {
    }
    kind what;
    const line_style* style;
    std::string text;
    std::string colour;
    std::string low, high;  // the ends of a colour bar
};

constexpr double sample = 24.0;     // length of the sample before an entry's text
constexpr double bar_width = 90.0;  // a colour bar's length

double entry_width(const entry& e)
{
    double width = sample + 6 + text_width(e.text, legend_size) + 22;
    if (e.what == entry::colour_bar)
        width += bar_width - sample + text_width(e.low, legend_size) +
                 text_width(e.high, legend_size) + 12;
    return width;
}

std::string percent_text(std::size_t part, std::size_t whole)
{
    return whole == 0 ? "0" : format_short(std::round(1000.0 * part / whole) / 10.0);
}

std::vector<entry> legend_entries(const chart_page& page)
{
    const int u = page.units;
    // The enthalpy of dry air is zero at 0 degC (32 degF) in both unit
    // systems: inch-pound values are the SI ones converted by a factor.
    const std::string datum = u == HYGRA_SI ? "dry air at 0 \u00B0C = 0" : "dry air at 32 \u00B0F = 0";
    std::vector<entry> entries{
        {entry::line, &saturation_style, "saturation"},
        {entry::line, &rh_style, "relative humidity, %"},
        {entry::line, &wet_bulb_style, "wet-bulb temperature, " + unit_text(HYGRA_TWB, u)},
        {entry::line, &enthalpy_style,
         "enthalpy, " + unit_text(HYGRA_HM, u) + " dry air (" + datum + ")"},
        {entry::line, &volume_style, "specific volume, " + unit_text(HYGRA_VM, u) + " dry air"},
    };
    for (const drawn_zone& z : page.zones) {
        std::string text = z.z.name;
        if (page.zone_states > 0) {
            text += ": " + std::to_string(z.inside) + " of " + std::to_string(page.zone_states) +
                    " states (" + percent_text(z.inside, page.zone_states) + " %)";
        }
        entries.push_back({entry::swatch, nullptr, text, z.colour});
    }
    if (!page.scatter.empty()) {
        const scatter_style& look = page.scatter_look;
        const std::string what = std::to_string(page.scatter.size()) + " states of " +
                                 page.scatter_source;
        if (look.density) {
            entries.push_back({entry::colour_bar, nullptr, "states per cell, " + what, "", "1",
                               std::to_string(page.densest)});
        } else if (!look.colour_by.empty()) {
            entries.push_back({entry::colour_bar, nullptr, look.colour_by + ", " + what, "",
                               format_short(look.shade_min), format_short(look.shade_max)});
        } else {
            entries.push_back({entry::scatter_mark, nullptr, what, look.colour});
        }
    }
    if (!page.points.empty() && page.chains.empty())
        entries.push_back({entry::mark, nullptr, "states"});
    for (const chain& c : page.chains) {
        entries.push_back({entry::chain_line, nullptr,
                           c.name.empty() ? "states and process" : "process: " + c.name,
                           c.colour});
    }
    return entries;
}

// The legend's entries laid out in rows from the left of the plot; calls
// f(entry, x, baseline) for each.
template <class F>
int lay_out_legend(const chart_page& page, const std::vector<entry>& entries, F f)
{
    const box& plot = page.map.plot;
    double x = plot.left;
    double baseline = plot.bottom + legend_offset;
    int rows = entries.empty() ? 0 : 1;
    for (const entry& e : entries) {
        const double width = entry_width(e);
        if (x + width > plot.right && x > plot.left) {
            x = plot.left;
            baseline += legend_row;
            ++rows;
        }
        f(e, x, baseline);
        x += width;
    }
    return rows;
}

void write_legend(svg_writer& svg, const chart_page& page)
{
    const std::vector<entry> entries = legend_entries(page);
    svg.open("g");
    svg.attribute("class", "legend");
    svg.attribute("fill", text_colour);
    lay_out_legend(page, entries, [&](const entry& e, double x, double baseline) {
        const double mid = baseline - legend_size * 0.35;
        double text_x = x + sample + 6;
        switch (e.what) {
        case entry::line:
            svg.open("line");
            svg.attribute("x1", x);
            svg.attribute("y1", mid);
            svg.attribute("x2", x + sample);
            svg.attribute("y2", mid);
            line_attributes(svg, *e.style, std::max(e.style->width, 1.2));
            svg.close();
            break;
        case entry::mark:
        case entry::chain_line:
            if (e.what == entry::chain_line) {
                svg.open("line");
                svg.attribute("x1", x);
                svg.attribute("y1", mid);
                svg.attribute("x2", x + sample);
                svg.attribute("y2", mid);
                svg.attribute("stroke", e.colour);
                svg.attribute("stroke-width", 1.6);
                svg.close();
            }
            svg.open("circle");
            svg.attribute("cx", x + sample / 2);
            svg.attribute("cy", mid);
            svg.attribute("r", point_radius);
            svg.attribute("fill", "#000000");
            svg.close();
            break;
        case entry::swatch:
            svg.open("rect");
            svg.attribute("x", x + 2);
            svg.attribute("y", mid - 6);
            svg.attribute("width", sample - 4);
            svg.attribute("height", 12.0);
            svg.attribute("fill", e.colour);
            svg.attribute("fill-opacity", 0.3);
            svg.attribute("stroke", e.colour);
            svg.attribute("stroke-width", 1.4);
            svg.close();
            break;
        case entry::scatter_mark:
            for (int k = 0; k < 3; ++k) {
                svg.open("circle");
                svg.attribute("cx", x + 5 + 7 * k);
                svg.attribute("cy", mid + (k == 1 ? -2 : 2));
                svg.attribute("r", page.scatter_look.diameter / 2);
                svg.attribute("fill", e.colour);
                svg.close();
            }
            break;
        case entry::colour_bar: {
            write_text(svg, "legend", e.low, x, baseline, legend_size, nullptr);
            const double bar_x = x + text_width(e.low, legend_size) + 4;
            constexpr int pieces = 18;
            for (int k = 0; k < pieces; ++k) {
                svg.open("rect");
                svg.attribute("x", bar_x + bar_width * k / pieces);
                svg.attribute("y", mid - 5);
                svg.attribute("width", bar_width / pieces + 0.3);
                svg.attribute("height", 10.0);
                const double f = (k + 0.5) / pieces;
                svg.attribute("fill", page.scatter_look.density ? density_colour(f)
                                                                 : scale_colour(f));
                svg.close();
            }
            write_text(svg, "legend", e.high, bar_x + bar_width + 4, baseline, legend_size,
                       nullptr);
            text_x = bar_x + bar_width + 8 + text_width(e.high, legend_size) + 6;
            break;
        }
        }
        write_text(svg, "legend", e.text, text_x, baseline, legend_size, nullptr);
    });
    svg.close();
}

}  // namespace

int legend_rows(const chart_page& page)
{
    return lay_out_legend(page, legend_entries(page), [](const entry&, double, double) {});
}

namespace {

void write_zones(svg_writer& svg, const chart_page& page)
{
    if (page.zones.empty())
        return;
    svg.open("g");
    svg.attribute("class", "zones");
    svg.attribute("clip-path", "url(#unsaturated)");
    for (const drawn_zone& z : page.zones) {
        svg.open("polygon");
        svg.attribute("class", "zone");
        svg.attribute("data-zone", z.z.name);
        svg.attribute("data-inside", std::to_string(z.inside));
        svg.attribute("fill", z.colour);
        svg.attribute("fill-opacity", 0.22);
        svg.attribute("stroke", z.colour);
        svg.attribute("stroke-width", 1.6);
        svg.points(page.map.line(z.z.outline));
        svg.close();
    }
    svg.close();
}

void write_enthalpy_scale(svg_writer& svg, const chart_page& page)
{
    const enthalpy_scale& h = page.h_scale;
    if (h.scale.empty() && h.major.empty())
        return;
    svg.open("g");
    svg.attribute("class", "enthalpy-scale");
    svg.attribute("stroke", enthalpy_style.colour);
    svg.attribute("fill", "none");
    svg.attribute("stroke-width", 0.9);
    for (const polyline& piece : h.scale) {
        svg.open("polyline");
        svg.attribute("class", "scale");
        svg.points(piece);
        svg.close();
    }
    for (const auto& m : h.major)
        write_line(svg, "major", m.first, m.second);
    for (const auto& m : h.minor)
        write_line(svg, "minor", m.first, m.second);
    svg.close();
}

void write_scatter(svg_writer& svg, const chart_page& page)
{
    const frame& map = page.map;
    const scatter_style& look = page.scatter_look;
    if (!page.cells.empty()) {
        svg.open("g");
        svg.attribute("class", "density");
        svg.attribute("clip-path", "url(#unsaturated)");
        for (const density_cell& c : page.cells) {
            const point a = map.at(c.low);
            const point b = map.at(c.high);
            svg.open("rect");
            svg.attribute("class", "cell");
            svg.attribute("data-count", std::to_string(c.count));
            svg.attribute("x", a.x);
            svg.attribute("y", b.y);
            svg.attribute("width", b.x - a.x);
            svg.attribute("height", a.y - b.y);
            const double f = page.densest > 1 ? std::log(static_cast<double>(c.count)) /
                                                    std::log(static_cast<double>(page.densest))
                                              : 1.0;
            svg.attribute("fill", density_colour(f));
            svg.close();
        }
        svg.close();
        return;
    }
    if (page.scatter.empty())
        return;
    svg.open("g");
    svg.attribute("class", "scatter");
    svg.attribute("clip-path", "url(#plot-area)");
    svg.attribute("fill", look.colour);
    svg.attribute("fill-opacity", 0.75);
    const bool shaded = !look.colour_by.empty();
    const double span = look.shade_max - look.shade_min;
    for (const marked_state& s : page.scatter) {
        const point p = map.at({s.tdb, s.w});
        svg.open("circle");
        svg.attribute("class", "scatter-point");
        svg.attribute("data-tdb", format_exact(s.tdb));
        svg.attribute("data-w", format_exact(s.w));
        svg.attribute("cx", p.x);
        svg.attribute("cy", p.y);
        svg.attribute("r", look.diameter / 2);
        if (shaded) {
            svg.attribute("data-value", format_exact(s.shade));
            svg.attribute("fill", scale_colour(span > 0.0 ? (s.shade - look.shade_min) / span : 0.5));
        }
        svg.close();
    }
    svg.close();
}

void write_processes(svg_writer& svg, const chart_page& page, const std::vector<point>& marks)
{
    if (page.chains.empty())
        return;
    svg.open("g");
    svg.attribute("class", "process");
    svg.attribute("stroke-width", 1.6);
    for (std::size_t k = 0; k < page.chains.size(); ++k) {
        const chain& c = page.chains[k];
        for (std::size_t i = 1; i < c.members.size(); ++i) {
            // From the edge of one mark to the edge of the next, where the
            // arrow's tip ends.
            const std::size_t from = c.members[i - 1];
            const std::size_t to = c.members[i];
            const point a = marks[from];
            const point b = marks[to];
            const double d = std::hypot(b.x - a.x, b.y - a.y);
            const double start = point_radius + 1.5;
            const double end = point_radius + 2.0;
            if (d <= start + end)
                continue;
            const double ux = (b.x - a.x) / d;
            const double uy = (b.y - a.y) / d;
            svg.open("line");
            svg.attribute("class", "process");
            svg.attribute("data-process", c.name);
            svg.attribute("data-from", std::to_string(from + 1));
            svg.attribute("data-to", std::to_string(to + 1));
            svg.attribute("x1", a.x + ux * start);
            svg.attribute("y1", a.y + uy * start);
            svg.attribute("x2", b.x - ux * end);
            svg.attribute("y2", b.y - uy * end);
            svg.attribute("stroke", c.colour);
            svg.attribute("marker-end", "url(#arrow-" + std::to_string(k) + ")");
            svg.close();
        }
    }
    svg.close();
}

void write_labels(svg_writer& svg, const chart_page& page)
{
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
}

}  // namespace

std::string write_svg(const chart_page& page)
{
    const frame& map = page.map;
    const region& r = map.r;
    const box& plot = map.plot;
    svg_writer svg;
    svg.open("svg");
    svg.attribute("xmlns", "http://www.w3.org/2000/svg");
    svg.attribute("version", "1.1");
    svg.attribute("width", page.width);
    svg.attribute("height", page.height);
    svg.attribute("viewBox", "0 0 " + pixels(page.width) + " " + pixels(page.height));
    svg.attribute("font-family", "DejaVu Sans, Verdana, Arial, sans-serif");

    svg.open("title");
    svg.text(page.title);
    svg.close();
    svg.open("desc");
    svg.text(std::string("Drawn by hygra ") + hygra_version() +
             " from states of moist air computed by its library, in " +
             (page.units == HYGRA_SI ? "SI" : "inch-pound") + " units.");
    svg.close();
    svg.open("defs");
    svg.open("clipPath");
    svg.attribute("id", "plot-area");
    svg.open("rect");
    svg.attribute("x", plot.left);
    svg.attribute("y", plot.top);
    svg.attribute("width", plot.right - plot.left);
    svg.attribute("height", plot.bottom - plot.top);
    svg.close();
    svg.close();
    // The unsaturated part of the plot, below the saturation curve (the whole
    // plot when the curve misses it): zones and density cells are drawn only
    // there.
    polyline below{{plot.left, plot.top}, {plot.right, plot.top}, {plot.right, plot.bottom},
                   {plot.left, plot.bottom}};
    for (const curve& c : page.curves) {
        if (c.style != &saturation_style || c.pixels.empty())
            continue;
        below = c.pixels;
        if (below.back().x < plot.right - 0.01)
            below.push_back({plot.right, plot.top});
        below.push_back({plot.right, plot.bottom});
        below.push_back({plot.left, plot.bottom});
        if (below.front().x > plot.left + 0.01 && below.front().y < plot.bottom - 0.01)
            below.push_back({plot.left, below.front().y});
    }
    svg.open("clipPath");
    svg.attribute("id", "unsaturated");
    svg.open("polygon");
    svg.points(below);
    svg.close();
    svg.close();
    for (std::size_t k = 0; k < page.chains.size(); ++k) {
        svg.open("marker");
        svg.attribute("id", "arrow-" + std::to_string(k));
        svg.attribute("viewBox", "0 0 10 10");
        svg.attribute("refX", 9.0);
        svg.attribute("refY", 5.0);
        svg.attribute("markerWidth", 6.0);
        svg.attribute("markerHeight", 6.0);
        svg.attribute("orient", "auto");
        svg.open("path");
        svg.attribute("d", "M 0 0 L 10 5 L 0 10 z");
        svg.attribute("fill", page.chains[k].colour);
        svg.close();
        svg.close();
    }
    svg.close();
    svg.open("rect");
    svg.attribute("class", "background");
    svg.attribute("width", page.width);
    svg.attribute("height", page.height);
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
    svg.attribute("data-x-left", format_exact(plot.left));
    svg.attribute("data-x-right", format_exact(plot.right));
    svg.attribute("data-y-bottom", format_exact(plot.bottom));
    svg.attribute("data-y-top", format_exact(plot.top));

    write_grid_lines(svg, page, minor_step(page.tdb_step), minor_step(page.w_step),
                     "minor-grid", minor_grid_colour, 0.5);
    write_grid_lines(svg, page, page.tdb_step, page.w_step, "grid", grid_colour, 0.7);
    write_zones(svg, page);
    write_scatter(svg, page);

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
    write_enthalpy_scale(svg, page);

    svg.open("rect");
    svg.attribute("class", "frame");
    svg.attribute("x", plot.left);
    svg.attribute("y", plot.top);
    svg.attribute("width", plot.right - plot.left);
    svg.attribute("height", plot.bottom - plot.top);
    svg.attribute("fill", "none");
    svg.attribute("stroke", "#333333");
    svg.attribute("stroke-width", 1.0);
    svg.close();

    std::vector<point> marks;
    for (const marked_state& s : page.points)
        marks.push_back(map.at({s.tdb, s.w}));
    write_processes(svg, page, marks);
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
    write_labels(svg, page);
    svg.close();  // plot

    write_axes(svg, page);
    write_legend(svg, page);
    svg.open("text");
    svg.attribute("class", "title");
    svg.attribute("x", (plot.left + plot.right) / 2);
    svg.attribute("y", 32.0);
    svg.attribute("font-size", title_size);
    svg.attribute("font-weight", "bold");
    svg.attribute("text-anchor", "middle");
    svg.attribute("fill", text_colour);
    svg.text(page.title);
    svg.close();
    svg.close();  // svg
    return svg.finish();
}

}  // namespace hygra::tool::chart
