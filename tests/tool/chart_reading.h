// The SVG of hygra chart read back with libxml2: the plot's mapping between
// pixels and states, the curves by class, any element's attributes, and the
// boxes that the texts take on the page, estimated from font size and
// characters.
#ifndef HYGRA_TESTS_CHART_READING_H
#define HYGRA_TESTS_CHART_READING_H

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hygra.h"
#include "tool_process.h"

typedef struct _xmlDoc xmlDoc;
typedef struct _xmlNode xmlNode;

namespace hygra::tool_test {

struct pixel { double x, y; };

// A state read off the chart: dry bulb in degC or degF, humidity ratio in kg/kg.
struct chart_state { double tdb, w; };

// The mapping the plot element records in its data- attributes.
struct plot_mapping {
    double tdb_min, tdb_max;
    double w_min, w_max;  // axis units (g/kg or grains/lb)
    double w_scale;       // axis units per kg/kg
    double x_left, x_right, y_bottom, y_top;
    double pressure;
    std::string units;  // "SI" or "IP"

    chart_state state_at(pixel p) const;
    pixel pixel_of(chart_state s) const;
};

// An element of the page and its attributes; a missing number fails the test.
struct element {
    xmlNode* node;
    std::string text(const char* name) const;
    double number(const char* name) const;
    pixel at(const char* x, const char* y) const { return {number(x), number(y)}; }
    std::vector<pixel> points() const;  // of a polyline or polygon
    std::string content() const;
};

// A polyline of the chart with its data- value.
struct chart_curve { double value; std::vector<pixel> points; };

// A text on the page: its content and the four corners of the box it takes,
// 0.6 of the font size wide per character and from 0.8 of the font size above
// the baseline to 0.2 below, turned as its transform says.
struct text_box {
    std::string text, css_class, family, value;  // family, value: a curve label's data-
    std::array<pixel, 4> corners;
    double font_size;

    pixel centre() const;
};

class chart_reading {
public:
    // Parses the SVG; a document that is not XML fails the test that reads it.
    explicit chart_reading(const std::string& svg);

    plot_mapping mapping() const;
    std::vector<text_box> texts() const;
    // The elements that an XPath (prefix s: for SVG) selects; an attribute of
    // each of them.
    std::vector<element> select(const std::string& xpath) const;
    std::vector<std::string> attributes(const std::string& xpath, const char* name) const;

private:
    std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> doc_;
};

// A state by its pair and the value of the column its mark is coloured by
// (NaN for none).
struct given { int type; double first, second, value; };

// The marks of a class ("point", "scatter-point") hold the states given, in
// order, where the library puts them at the chart's pressure and in its unit
// system.
void expect_marks(const chart_reading& svg, const std::string& css_class, const std::vector<given>& states);

// Whether a polyline has a point inside a box or on its edge; the distance
// from a point to a polyline, and between two boxes (0 when they overlap).
bool curve_meets_box(const std::vector<pixel>& curve, const std::array<pixel, 4>& b);
double distance_to(const std::vector<pixel>& curve, pixel p);
double box_distance(const std::array<pixel, 4>& a, const std::array<pixel, 4>& b);

// hygra chart run with `args` after "chart" and `input` on standard input.
inline process_result run_chart(std::vector<std::string> args, const std::string& input = "")
{
    args.insert(args.begin(), "chart");
    return run_tool(args, input);
}

// Whether a text (a chart's standard error, its words) holds a part.
inline void expect_has(const std::string& text, const std::string& part)
{
    EXPECT_NE(text.find(part), std::string::npos) << "missing: " << part << "\nin: " << text;
}

inline int units_of(const plot_mapping& m) { return m.units == "SI" ? HYGRA_SI : HYGRA_IP; }

// Pixels that a difference of humidity ratio (kg/kg) or of dry bulb makes.
inline double w_pixels(const plot_mapping& m, double dw)
{
    return std::abs(dw) * m.w_scale / (m.w_max - m.w_min) * (m.y_bottom - m.y_top);
}
inline double t_pixels(const plot_mapping& m, double dt)
{
    return std::abs(dt) / (m.tdb_max - m.tdb_min) * (m.x_right - m.x_left);
}

}  // namespace hygra::tool_test

#endif
