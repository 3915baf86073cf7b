// The SVG of hygra chart read back with libxml2: the plot's mapping between
// pixels and states, the curves by class, the marks of states, and the boxes
// that the texts take on the page, estimated from font size and characters.
#ifndef HYGRA_TESTS_CHART_READING_H
#define HYGRA_TESTS_CHART_READING_H

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "hygra.h"

typedef struct _xmlDoc xmlDoc;
typedef struct _xmlNode xmlNode;

namespace hygra::tool_test {

struct pixel {
    double x;
    double y;
};

// A state read off the chart: dry bulb in degC or degF, humidity ratio in kg/kg.
struct chart_state {
    double tdb;
    double w;
};

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

// A polyline of the chart with its data- value.
struct chart_curve {
    double value;  // data-rh, data-twb, data-hm or data-vm
    std::vector<pixel> points;
};

// A text on the page: its content and the four corners of the box it takes,
// 0.6 of the font size wide per character and from 0.8 of the font size above
// the baseline to 0.2 below, turned as its transform says.
struct text_box {
    std::string text;
    std::string css_class;
    std::string family;  // data-family of a curve's label
    std::string value;   // data-value of a curve's label
    std::array<pixel, 4> corners;
    double font_size;

    pixel centre() const;
};

// A marked state: its label and the circle's centre.
struct state_mark {
    std::string label;
    pixel centre;
};

struct process_segment {
    int from;
    int to;
    pixel start;
    pixel end;
    bool arrow;           // has a marker at its end
    std::string process;  // data-process: the chain's name
};

// A state of the scatter: the circle's centre and its data- attributes.
struct scatter_mark {
    pixel centre;
    double tdb;    // data-tdb
    double w;      // data-w, kg/kg
    double value;  // data-value, the colour column's; NaN without one
    std::string fill;
};

// A zone: its name, the count of states inside, and its outline.
struct chart_zone {
    std::string name;
    int inside;
    std::vector<pixel> outline;
};

// A straight line of the page: its ends.
struct chart_line {
    pixel a;
    pixel b;
};

class chart_reading {
public:
    // Parses the SVG; a document that is not XML fails the test that reads it.
    explicit chart_reading(const std::string& svg);
    ~chart_reading();
    chart_reading(const chart_reading&) = delete;
    chart_reading& operator=(const chart_reading&) = delete;

    bool parsed() const { return doc_ != nullptr; }
    plot_mapping mapping() const;
    std::vector<chart_curve> curves(const std::string& css_class) const;
    std::vector<text_box> texts() const;
    std::vector<state_mark> marks() const;
    std::vector<process_segment> process() const;
    std::vector<scatter_mark> scatter() const;
    std::vector<chart_zone> zones() const;
    // The lines of a group of the given class ("grid", "minor-grid").
    std::vector<chart_line> lines_in(const std::string& group_class) const;
    // An attribute of the elements that an XPath (prefix s: for SVG) selects,
    // and of the first of them (empty when there is none).
    std::vector<std::string> attributes(const std::string& xpath, const char* name) const;
    std::string first_attribute(const std::string& xpath, const char* name) const;
    // The text of the title element and of the page's visible title.
    std::string title() const;

private:
    std::vector<xmlNode*> select(const std::string& xpath) const;
    xmlDoc* doc_;
};

// Geometry of the text boxes: whether two boxes overlap, and whether a
// polyline has a point inside a box or on its edge.
bool boxes_overlap(const std::array<pixel, 4>& a, const std::array<pixel, 4>& b);
bool curve_meets_box(const std::vector<pixel>& curve, const std::array<pixel, 4>& b);
// The distance from a point to a polyline.
double distance_to(const std::vector<pixel>& curve, pixel p);
// The distance between two boxes, 0 when they overlap.
double box_distance(const std::array<pixel, 4>& a, const std::array<pixel, 4>& b);

// The characters of a UTF-8 text.
std::size_t characters(const std::string& utf8);

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
