// hygra chart from the command line to the file: the pressure and the ranges
// checked, the points, the scatter and the zones read, the region chosen, the
// page laid out (layout.cpp), written as SVG (draw.cpp) and, when asked,
// rendered as PNG or PDF (render.cpp).
#include "chart/chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "batch/epw.h"
#include "batch/line_source.h"
#include "batch/units.h"
#include "chart/page.h"
#include "chart/render.h"
#include "chart/ticks.h"
#include "chart/weather.h"
#include "evaluation.h"
#include "hygra.h"
#include "numbers.h"

namespace hygra::tool {

namespace {

using namespace chart;

// The plot's margins on the page, in pixels: room for the title above, the
// humidity-ratio scale and its title to the right, the dry-bulb scale and
// the legend below.
constexpr double margin_left = 40.0;
constexpr double margin_top = 56.0;
constexpr double margin_right = 90.0;
constexpr double margin_bottom = 130.0;

// The narrowest ranges drawn, in degC or degF and in g/kg or grains/lb, and
// the highest humidity ratio, in the axis unit (100 kg/kg): beyond these an
// axis has no steps worth showing.
constexpr double narrowest_span = 0.01;
constexpr double highest_w = 1e5;
// The default humidity-ratio axis reaches this far above the humidity ratio
// of saturated air at the highest dry bulb, as a fraction of it.
constexpr double saturation_margin = 0.1;

// How far a weather file's mean station pressure may lie from the chart's,
// as a fraction of it, before standard error says so.
constexpr double station_pressure_tolerance = 0.01;

// Colours of zones and of process chains, in turn.
constexpr const char* zone_colours[] = {"#e07b00", "#1c8a8a", "#b8306a", "#6a8a1c", "#5a4fcf"};
constexpr const char* chain_colours[] = {"#c00000", "#0b6e99", "#8a4b00", "#6b2fa0", "#2f7d32"};

// Default ranges at sea level: -10 to 50 degC and 0 to 30 g/kg; 10 to 120 degF
// and 0 to 200 grains/lb (28.6 g/kg).
struct default_range {
    double tdb_min;
    double tdb_max;
    double w_max;  // axis units
};
default_range defaults_of(int units)
{
    return units == HYGRA_SI ? default_range{-10.0, 50.0, 30.0} : default_range{10.0, 120.0, 200.0};
}

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

// Closes a file the chart opened, not standard input.
struct closer {
    std::FILE* f;
    ~closer()
    {
        if (f != nullptr && f != stdin)
            std::fclose(f);
    }
};

// Writes what a weather file gave besides its states to standard error: the
// hours left out, and the station pressure when the chart is drawn at
// another.
void report_weather(const weather_read& w, const std::string& what, const options& opts,
                    double chart_pressure)
{
    if (w.left_out > 0) {
        std::cerr << "hygra: " << what << ": " << w.left_out << " of " << w.hours
                  << (w.hours == 1 ? " hour lacks" : " hours lack")
                  << (opts.chart->colour_by
                          ? " a dry bulb, dew point or " + *opts.chart->colour_by
                          : std::string(" a dry bulb or dew point"))
                  << " and " << (w.left_out == 1 ? "is" : "are") << " not drawn; the first, "
                  << w.first_left_out << "\n";
    }
    if (!std::isfinite(w.mean_pressure))
        return;
    const batch::unit pa = *batch::find_unit(batch::quantity::pressure, "Pa");
    const batch::unit chart_unit = batch::system_unit(batch::quantity::pressure, opts.units);
    const double station = batch::convert(w.mean_pressure, pa, chart_unit);
    if (std::fabs(station - chart_pressure) > station_pressure_tolerance * chart_pressure) {
        const char* unit = opts.units == HYGRA_SI ? " bar" : " psi";
        std::cerr << "hygra: " << what << ": the station pressure averages "
                  << format_short(station) << unit << "; the states are taken at the chart's "
                  << format_short(chart_pressure) << unit
                  << " (give P= or ALT= to draw the chart at the station's)\n";
    }
}

// Reads a file of states, or says why not; the rows that give no state are
// written to standard error and the chart is not drawn. With `weather`, a
// weather file, known by its first line, gives the states of its hours.
bool read_states(const std::string& file, const char* kind, const options& opts,
                 const point_columns& columns, bool weather, double chart_pressure,
                 std::vector<marked_state>& out)
{
    const std::string what =
        file == "-" ? std::string("the ") + kind + " input"
                    : std::string("the ") + kind + " file '" + file + "'";
    std::FILE* in = file == "-" ? stdin : std::fopen(file.c_str(), "rb");
    if (in == nullptr)
        throw usage_error("cannot open '" + file + "' for reading");
    closer close_in{in};
    closer close_copy{nullptr};
    points_read read;
    bool read_as_weather = false;
    if (weather) {
        // The first line is read to know the file, then the file is read from
        // its start again: a pipe is kept in a temporary file for that.
        if (::lseek(fileno(in), 0, SEEK_CUR) < 0) {
            close_copy.f = std::tmpfile();
            if (close_copy.f == nullptr)
                throw usage_error(what + " could not be kept in a temporary file to be read");
            char block[1 << 16];
            std::size_t n = 0;
            while ((n = std::fread(block, 1, sizeof block, in)) > 0) {
                if (std::fwrite(block, 1, n, close_copy.f) != n)
                    throw usage_error(what + " could not be kept in a temporary file to be read");
            }
            if (std::ferror(in))
                throw usage_error(what + " could not be read");
            if (std::fflush(close_copy.f) != 0)
                throw usage_error(what + " could not be kept in a temporary file to be read");
            in = close_copy.f;
            std::rewind(in);
        }
        batch::line_source source(in, what, 0);
        batch::input_row first;
        if (source.next(first) && batch::epw::starts_file(first.fields)) {
            weather_read w = read_weather(source, first, what, opts.pressure, opts.units, columns);
            report_weather(w, what, opts, chart_pressure);
            read = std::move(w.points);
            read_as_weather = true;
        } else if (::lseek(fileno(in), 0, SEEK_SET) < 0) {
            throw usage_error(what + " could not be read again from its start");
        } else {
            std::rewind(in);
        }
    }
    if (!read_as_weather)
        read = read_points(in, what, opts.pressure, opts.units, columns);
    for (const std::string& failure : read.failures)
        std::cerr << "hygra: " << what << ", " << failure << "\n";
    if (!read.failures.empty())
        return false;
    out = std::move(read.states);
    return true;
}

// The chains of the points: one for each name of the process column, in the
// order the names first appear, or all the points in one chain.
void join_chains(chart_page& page)
{
    std::map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < page.points.size(); ++i) {
        const std::string& name = page.points[i].process;
        auto found = index.find(name);
        if (found == index.end()) {
            found = index.emplace(name, page.chains.size()).first;
            const std::size_t k = page.chains.size();
            page.chains.push_back(
                {name, {}, chain_colours[k % std::size(chain_colours)]});
        }
        page.chains[found->second].members.push_back(i);
    }
    for (const chain& c : page.chains) {
        if (c.members.size() < 2) {
            throw usage_error(c.name.empty() ? "--process needs two or more points to join"
                                             : "--process: the process '" + c.name +
                                                   "' has one point; a process joins two or more");
        }
    }
}

// The sentence for a range that cannot be drawn, or nothing.
std::optional<std::string> range_fault(const char* option, double low, double high,
                                       const char* unit, double highest)
{
    const std::string range = format_short(low) + ":" + format_short(high);
    if (!(high - low >= narrowest_span)) {
        return std::string(option) + " " + range + " is too narrow to draw; give a range of at "
               "least " + format_short(narrowest_span) + " " + unit;
    }
    if (!(high <= highest) || !std::isfinite(high - low)) {
        return std::string(option) + " " + range + " " + unit + " is too wide to draw; give a "
               "range up to " + format_short(highest) + " " + unit;
    }
    return std::nullopt;
}

// The region of the chart: the ranges given, or the defaults widened to hold
// the states. Returns false, with the reasons on standard error, when a
// given range leaves out a point or a range cannot be drawn. Scatter states
// outside a given range are left out and counted on standard error.
bool choose_region(const options& opts, chart_page& page)
{
    const chart_options& c = *opts.chart;
    const default_range d = defaults_of(page.units);
    const humidity_axis axis = axis_of(page.units);
    const double scale = axis.per_kg_per_kg;
    const char* t_unit = hygra_property_unit(HYGRA_TDB, page.units);
    const moist_air air(page.pressure, page.units);

    double t_low = c.tdb ? c.tdb->first : d.tdb_min;
    double t_high = c.tdb ? c.tdb->second : d.tdb_max;
    double w_low = c.w ? c.w->first : 0.0;
    double w_high = c.w ? c.w->second : 0.0;
    if (const auto fault = range_fault("--tdb", t_low, t_high, t_unit, HUGE_VAL)) {
        std::cerr << "hygra: " << *fault << "\n";
        return false;
    }
    // The states widen a default range: the dry bulb to the next line of its
    // grid, the humidity ratio likewise.
    const std::vector<marked_state>* sets[] = {&page.points, &page.scatter};
    double s_t_low = HUGE_VAL, s_t_high = -HUGE_VAL, s_w_high = 0.0;
    for (const auto* set : sets) {
        for (const marked_state& s : *set) {
            s_t_low = std::min(s_t_low, s.tdb);
            s_t_high = std::max(s_t_high, s.tdb);
            s_w_high = std::max(s_w_high, s.w * scale);
        }
    }
    if (!c.tdb && s_t_low <= s_t_high) {
        const double step = nice_step(t_high - t_low, 24).value_or(1.0);
        t_low = std::min(t_low, std::floor(s_t_low / step) * step);
        t_high = std::max(t_high, std::ceil(s_t_high / step) * step);
    }
    if (!c.w) {
        // Saturated air at the highest dry bulb at the top, with a margin,
        // unless the default, scaled with the pressure (air holds more water
        // where it is lower), is lower still; rounded up to a line of the
        // grid.
        double sea_level = 0.0;
        moistair_pz(page.units, &sea_level, 0.0);
        double top = d.w_max * sea_level / page.pressure;
        if (const std::optional<double> ws = saturation_w(air, t_high))
            top = std::min(top, *ws * scale * (1.0 + saturation_margin));
        top = std::max(top, s_w_high);
        const std::optional<double> step = nice_step(top, 20);
        if (!step || !(top <= highest_w)) {
            std::cerr << "hygra: at P = " << format_short(page.pressure)
                      << (page.units == HYGRA_SI ? " bar" : " psi")
                      << " the humidity-ratio axis would run to " << format_short(top) << " "
                      << axis.unit << ", too far to draw; give --w LOW:HIGH\n";
            return false;
        }
        w_high = std::ceil(top / *step - 1e-9) * *step;
    }
    if (const auto fault = range_fault("--w", w_low, w_high, axis.unit, highest_w)) {
        std::cerr << "hygra: " << *fault << "\n";
        return false;
    }
    bool inside = true;
    for (const marked_state& s : page.points) {
        if (s.tdb < t_low || s.tdb > t_high || s.w * scale < w_low || s.w * scale > w_high) {
            std::cerr << "hygra: the state '" << s.label << "' (TDB = " << format_short(s.tdb)
                      << " " << t_unit << ", W = " << format_short(s.w * scale) << " "
                      << axis.unit << ") lies outside the chart; widen --tdb or --w\n";
            inside = false;
        }
    }
    const auto outside = [&](const marked_state& s) {
        return s.tdb < t_low || s.tdb > t_high || s.w * scale < w_low || s.w * scale > w_high;
    };
    const std::size_t before = page.scatter.size();
    page.scatter.erase(std::remove_if(page.scatter.begin(), page.scatter.end(), outside),
                       page.scatter.end());
    if (page.scatter.size() != before) {
        std::cerr << "hygra: " << before - page.scatter.size() << " of " << before
                  << " scatter states lie outside the chart and are not drawn; widen --tdb or "
                     "--w to draw them\n";
    }
    page.map.r = {t_low, t_high, w_low / scale, w_high / scale};
    page.map.per_kg_per_kg = scale;
    page.tdb_step = *nice_step(t_high - t_low, 24);
    page.w_step = *nice_step(w_high - w_low, 20);
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

// The zones of --zone, each with the states inside it counted: the scatter's,
// or the points' without a scatter. Returns false, with the reasons on
// standard error, when a zone cannot be traced.
bool read_all_zones(const options& opts, chart_page& page)
{
    const moist_air air(page.pressure, page.units);
    std::vector<std::string> failures;
    for (const std::string& zone_name : opts.chart->zones) {
        for (zone& z : read_zones(zone_name, air, failures)) {
            const std::size_t k = page.zones.size();
            page.zones.push_back({std::move(z), zone_colours[k % std::size(zone_colours)], 0});
        }
    }
    for (const std::string& f : failures)
        std::cerr << "hygra: " << f << "\n";
    return failures.empty();
}

void count_in_zones(chart_page& page)
{
    const std::vector<marked_state>& states = page.scatter.empty() ? page.points : page.scatter;
    page.zone_states = states.size();
    for (drawn_zone& z : page.zones) {
        for (const marked_state& s : states)
            z.inside += inside(z.z, {s.tdb, s.w});
    }
    if (page.zones.empty() || states.empty())
        return;
    // The table engineers read off a weather year: hours of comfort.
    std::size_t widest = 4;
    for (const drawn_zone& z : page.zones)
        widest = std::max(widest, z.z.name.size());
    std::cerr << "zone" << std::string(widest - 4, ' ') << "  states inside  share of "
              << states.size() << "\n";
    for (const drawn_zone& z : page.zones) {
        char share[32];
        std::snprintf(share, sizeof share, "%5.1f %%",
                      100.0 * static_cast<double>(z.inside) / static_cast<double>(states.size()));
        const std::string count = std::to_string(z.inside);
        std::cerr << z.z.name << std::string(widest - z.z.name.size(), ' ') << "  "
                  << std::string(count.size() < 13 ? 13 - count.size() : 0, ' ') << count << "  "
                  << share << "\n";
    }
}

// The density shading: the states counted in the cells of the minor grid.
void fill_cells(chart_page& page)
{
    const region& r = page.map.r;
    const double dt = minor_step(page.tdb_step);
    const double dw = minor_step(page.w_step) / page.map.per_kg_per_kg;
    std::map<std::pair<long, long>, std::size_t> counts;
    for (const marked_state& s : page.scatter) {
        const long i = static_cast<long>(std::floor((s.tdb - r.tdb_min) / dt));
        const long j = static_cast<long>(std::floor((s.w - r.w_min) / dw));
        ++counts[{i, j}];
    }
    for (const auto& [cell, n] : counts) {
        const state_point low{r.tdb_min + cell.first * dt, r.w_min + cell.second * dw};
        page.cells.push_back({low, {low.tdb + dt, low.w + dw}, n});
        page.densest = std::max(page.densest, n);
    }
}

void write_output(const options& opts, const std::string& bytes)
{
    const std::optional<std::string>& file = opts.chart->output;
    const bool to_stdout = !file || *file == "-";
    std::FILE* out = to_stdout ? stdout : std::fopen(file->c_str(), "wb");
    if (out == nullptr)
        throw usage_error("cannot open '" + *file + "' for writing");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const bool flushed = to_stdout ? std::fflush(out) == 0 : std::fclose(out) == 0;
    if (!written || !flushed)
        throw usage_error("the chart could not be written");
}

}  // namespace

int run_chart(const options& opts)
{
    const chart_options& c = *opts.chart;
    chart_page page;
    page.units = opts.units;
    page.given_pressure = opts.pressure;
    page.process = c.process;
    page.width = c.width;
    page.height = c.height;
    std::string error;
    if (!total_pressure(opts.pressure, opts.units, page.pressure, error)) {
        std::cerr << "hygra: " << error << "\n";
        return exit_failed;
    }
    if (!range_has_states(opts, page))
        return exit_failed;
    if (c.points &&
        !read_states(*c.points, "points", opts, {true, std::nullopt}, false, page.pressure,
                     page.points))
        return exit_failed;
    if (c.scatter) {
        if (!read_states(*c.scatter, "scatter", opts, {false, c.colour_by}, true, page.pressure,
                         page.scatter))
            return exit_failed;
        page.scatter_source = *c.scatter == "-" ? "standard input" : *c.scatter;
        const std::size_t slash = page.scatter_source.find_last_of('/');
        if (slash != std::string::npos)
            page.scatter_source.erase(0, slash + 1);
        scatter_style& look = page.scatter_look;
        look.diameter = c.marker_size.value_or(c.colour_by ? 3.5 : 3.0);
        look.colour = c.marker_colour.value_or(look.colour);
        look.colour_by = c.colour_by.value_or("");
        look.density = c.density;
    }
    if (page.process)
        join_chains(page);
    // Zones count every state read, those outside a given range too: the
    // share is of the whole year.
    if (!read_all_zones(opts, page))
        return exit_failed;
    count_in_zones(page);
    if (!choose_region(opts, page))
        return exit_failed;
    if (!page.scatter.empty() && c.colour_by) {
        const auto [low, high] = std::minmax_element(
            page.scatter.begin(), page.scatter.end(),
            [](const marked_state& a, const marked_state& b) { return a.shade < b.shade; });
        page.scatter_look.shade_min = low->shade;
        page.scatter_look.shade_max = high->shade;
    }
    page.title = c.title ? *c.title : pressure_title(page);

    // The plot fills the page but for its margins; the legend below it takes
    // as many rows as its entries need.
    page.map.plot = {margin_left, margin_top, page.width - margin_right,
                     page.height - margin_bottom};
    const int rows = legend_rows(page);
    page.map.plot.bottom =
        std::max(page.height / 2,
                 page.height - std::max(margin_bottom, legend_offset + (rows - 1) * legend_row + 40.0));
    if (page.scatter_look.density)
        fill_cells(page);

    trace_curves(page);
    place_labels(page);
    const std::string svg = write_svg(page);
    switch (c.format) {
    case chart_format::svg: write_output(opts, svg); break;
    case chart_format::png: write_output(opts, render_png(svg, page.width, page.height)); break;
    case chart_format::pdf: write_output(opts, render_pdf(svg, page.width, page.height)); break;
    }
    return exit_ok;
}

}  // namespace hygra::tool
