// The chart page between reading its inputs and writing its SVG: the plot's
// mapping between states and pixels, the styles of its lines, and everything
// placed on it. layout.cpp fills in the curves, the enthalpy scale and the
// labels; draw.cpp writes the page.
#ifndef HYGRA_TOOL_CHART_PAGE_H
#define HYGRA_TOOL_CHART_PAGE_H

#include <cstddef>
#include <string>
#include <vector>

#include "chart/curves.h"
#include "chart/labels.h"
#include "chart/points.h"
#include "chart/zones.h"
#include "evaluation.h"

namespace hygra::tool::chart {

// Font sizes, in pixels.
constexpr double label_size = 11.0;
constexpr double tick_size = 11.0;
constexpr double axis_title_size = 12.5;
constexpr double legend_size = 11.0;
constexpr double title_size = 17.0;
// Room around the text of a label, inside its box.
constexpr double label_padding = 1.0;
// Radius of the mark of a state given with --points.
constexpr double point_radius = 3.5;
// The legend: a row's height and where the first row's baseline sits below
// the plot.
constexpr double legend_row = 18.0;
constexpr double legend_offset = 60.0;

// The humidity-ratio axis: grams of water per kilogram of dry air, or grains
// per pound (7000 grains make a pound).
struct humidity_axis {
    double per_kg_per_kg;  // axis units in one kg/kg (lb/lb)
    const char* unit;
};
humidity_axis axis_of(int units);

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
// Wet-bulb lines dashed, enthalpy lines solid, volume lines dotted: told apart
// in black and white as well as in colour.
constexpr line_style saturation_style{"saturation", "#1f3b73", "#1f3b73", 2.0, nullptr,
                                      label_placer::always_avoided};
constexpr line_style rh_style{"rh", "#3a78c2", "#245a9c", 0.9, nullptr, 1};
constexpr line_style wet_bulb_style{"wet-bulb", "#2e8b3e", "#1f6b2c", 0.9, "7 3", 2};
constexpr line_style enthalpy_style{"enthalpy", "#c0561b", "#a4420d", 0.9, nullptr, 3};
constexpr line_style volume_style{"volume", "#7b3fa0", "#64308a", 0.9, "1.5 2.5", 4};
constexpr const char* text_colour = "#222222";

// The mapping between states and the plot's pixels.
struct frame {
    region r;
    double per_kg_per_kg;  // axis units of humidity ratio in one kg/kg
    box plot;              // the plot's edges on the page

    double x(double tdb) const
    {
        return plot.left + (tdb - r.tdb_min) / (r.tdb_max - r.tdb_min) * (plot.right - plot.left);
    }
    double y(double w) const
    {
        return plot.bottom - (w - r.w_min) / (r.w_max - r.w_min) * (plot.bottom - plot.top);
    }
    point at(const state_point& s) const { return {x(s.tdb), y(s.w)}; }
    polyline line(const state_line& states) const;
};

// One drawn curve of a family, with what its label says.
struct curve {
    const line_style* style;
    const char* data_name;  // the data- attribute holding its value: "data-rh", ...
    double value;
    std::string value_text;  // for the data- attribute, exactly
    std::string label;       // for people
    polyline pixels;
    double length;           // in pixels
    bool from_saturation;    // starts on the saturation curve
    std::size_t id = 0;      // its number in the label placer
};

// The enthalpy scale outside the saturation curve: a line at a fixed distance
// from the saturated ends of the enthalpy lines, along them, with a tick in
// each line's direction for every major value and shorter ones between.
struct enthalpy_scale {
    std::vector<polyline> scale;             // the scale line, in pieces inside the plot
    std::vector<std::pair<point, point>> major;  // across the scale, inner end first
    std::vector<double> major_value;             // the enthalpy of each
    std::vector<std::pair<point, point>> minor;  // short ticks on the scale
};

struct placed_label {
    std::string text;
    std::string css_class;  // "label", "point-label"
    std::string family;     // data-family: "rh", "wet-bulb", ...; empty for a point
    std::string value;      // data-value
    const char* colour;
    label_box where;
};

// A chain of states joined by arrows: the points of one name in a process
// column, in their order in the file.
struct chain {
    std::string name;
    std::vector<std::size_t> members;  // indexes into chart_page::points
    const char* colour;
};

// A zone as drawn, with the states found inside it.
struct drawn_zone {
    zone z;
    const char* colour;
    std::size_t inside = 0;
};

// How the scatter is drawn.
struct scatter_style {
    double diameter = 3.0;               // pixels
    std::string colour = "#1f5fa8";
    std::string colour_by;               // the column's name; empty for one colour
    bool density = false;                // cells shaded by their count instead of marks
    double shade_min = 0.0, shade_max = 0.0;  // the colour column's range
};

// A cell of the density shading: a cell of the minor grid and the states in it.
struct density_cell {
    state_point low;   // its lower left corner
    state_point high;  // its upper right corner
    std::size_t count;
};

struct chart_page {
    int units = 0;
    double pressure = 0.0;
    pressure_input given_pressure;
    double width = 1000.0;  // pixels
    double height = 720.0;
    std::string title;
    frame map{};
    double tdb_step = 5.0;  // major grid and ticks
    double w_step = 2.0;    // axis units
    std::vector<curve> curves;  // in the order drawn: families, then saturation
    enthalpy_scale h_scale;
    std::vector<marked_state> points;
    bool process = false;
    std::vector<chain> chains;
    std::vector<marked_state> scatter;
    std::string scatter_source;  // the file's name, for the legend
    scatter_style scatter_look;
    std::vector<density_cell> cells;
    std::size_t densest = 0;
    std::vector<drawn_zone> zones;
    std::size_t zone_states = 0;  // the states the zones' counts are out of
    std::vector<placed_label> labels;
};

// Colours on a scale from 0 to 1 (dark violet through teal to yellow), and
// the light-to-dark scale of the density shading.
std::string scale_colour(double f);
std::string density_colour(double f);

// The curves of every family across the region, each through its own pair,
// and the enthalpy scale.
void trace_curves(chart_page& page);

// The labels of the marked states and the curves, placed apart.
void place_labels(chart_page& page);

// The page as an SVG document.
std::string write_svg(const chart_page& page);

// The number of legend rows the page's entries take.
int legend_rows(const chart_page& page);

}  // namespace hygra::tool::chart

#endif
