// XPath over the SVG namespace; numbers read with std::stod, which the tests
// run in the C locale.
#include "chart_reading.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include <gtest/gtest.h>

#include "library_reference.h"

namespace hygra::tool_test {

namespace {

// A string libxml2 hands over, freed; empty for none.
std::string taken(xmlChar* value)
{
    std::string out = value == nullptr ? "" : reinterpret_cast<const char*>(value);
    xmlFree(value);
    return out;
}

std::string attribute(xmlNode* node, const char* name)
{
    return taken(xmlGetProp(node, reinterpret_cast<const xmlChar*>(name)));
}

std::vector<pixel> points_of(const std::string& text)
{
    std::vector<pixel> out;
    const std::regex pair(R"((-?[0-9.]+),(-?[0-9.]+))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pair);
         it != std::sregex_iterator(); ++it)
        out.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
    return out;
}

constexpr double pi = 3.14159265358979323846;

// Which side of the line from p through q the point r lies on.
double side(pixel p, pixel q, pixel r) { return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x); }

bool point_in_box(pixel p, const std::array<pixel, 4>& b)
{
    // Inside a convex quadrilateral: on the same side of all four edges.
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < 4; ++i) {
        positive += side(b[i], b[(i + 1) % 4], p) >= 0.0;
        negative += side(b[i], b[(i + 1) % 4], p) <= 0.0;
    }
    return positive == 4 || negative == 4;
}

bool segments_cross(pixel a, pixel b, pixel c, pixel d)
{
    return ((side(c, d, a) > 0) != (side(c, d, b) > 0)) && ((side(a, b, c) > 0) != (side(a, b, d) > 0));
}

}  // namespace

chart_state plot_mapping::state_at(pixel p) const
{
    const double tdb = tdb_min + (p.x - x_left) / (x_right - x_left) * (tdb_max - tdb_min);
    const double w_axis = w_min + (y_bottom - p.y) / (y_bottom - y_top) * (w_max - w_min);
    return {tdb, w_axis / w_scale};
}

pixel plot_mapping::pixel_of(chart_state s) const
{
    return {x_left + (s.tdb - tdb_min) / (tdb_max - tdb_min) * (x_right - x_left),
            y_bottom - (s.w * w_scale - w_min) / (w_max - w_min) * (y_bottom - y_top)};
}

pixel text_box::centre() const
{
    return {(corners[0].x + corners[2].x) / 2, (corners[0].y + corners[2].y) / 2};
}

std::string element::text(const char* name) const { return attribute(node, name); }

double element::number(const char* name) const
{
    const std::string value = attribute(node, name);
    EXPECT_NE(value, "") << "attribute " << name << " is missing";
    return value.empty() ? 0.0 : std::stod(value);
}

std::vector<pixel> element::points() const { return points_of(attribute(node, "points")); }

std::string element::content() const { return taken(xmlNodeGetContent(node)); }

chart_reading::chart_reading(const std::string& svg)
    : doc_(xmlReadMemory(svg.data(), static_cast<int>(svg.size()), "chart.svg", nullptr,
                         XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
           xmlFreeDoc)
{
    EXPECT_TRUE(doc_) << "the chart is not XML:\n" << svg.substr(0, 400);
}

std::vector<element> chart_reading::select(const std::string& xpath) const
{
    std::vector<element> out;
    if (doc_ == nullptr)
        return out;
    xmlXPathContextPtr context = xmlXPathNewContext(doc_.get());
    xmlXPathRegisterNs(context, reinterpret_cast<const xmlChar*>("s"),
                       reinterpret_cast<const xmlChar*>("http://www.w3.org/2000/svg"));
    xmlXPathObjectPtr found =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath.c_str()), context);
    if (found != nullptr && found->nodesetval != nullptr) {
        for (int i = 0; i < found->nodesetval->nodeNr; ++i)
            out.push_back({found->nodesetval->nodeTab[i]});
    }
    xmlXPathFreeObject(found);
    xmlXPathFreeContext(context);
    return out;
}

plot_mapping chart_reading::mapping() const
{
    const element p = select("//s:g[@id='plot']").at(0);
    return {p.number("data-tdb-min"), p.number("data-tdb-max"), p.number("data-w-min"),
            p.number("data-w-max"),   p.number("data-w-scale"), p.number("data-x-left"),
            p.number("data-x-right"), p.number("data-y-bottom"), p.number("data-y-top"),
            p.number("data-pressure"), p.text("data-units")};
}

std::vector<text_box> chart_reading::texts() const
{
    std::vector<text_box> out;
    for (const element& n : select("//s:text")) {
        text_box t{n.content(), n.text("class"), n.text("data-family"), n.text("data-value"),
                   {}, n.number("font-size")};
        const double x = n.number("x");
        const double y = n.number("y");
        const auto characters = std::count_if(t.text.begin(), t.text.end(),
                                              [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
        const double width = 0.6 * t.font_size * static_cast<double>(characters);
        const std::string anchor = n.text("text-anchor");
        const double left = anchor == "middle" ? x - width / 2 : anchor == "end" ? x - width : x;
        const double top = y - 0.8 * t.font_size, bottom = y + 0.2 * t.font_size;
        t.corners = {{{left, top}, {left + width, top}, {left + width, bottom}, {left, bottom}}};
        std::smatch m;
        const std::string transform = n.text("transform");
        if (std::regex_match(transform, m,
                             std::regex(R"(rotate\((-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+)\))"))) {
            const double a = std::stod(m[1]) * pi / 180.0;
            const pixel c{std::stod(m[2]), std::stod(m[3])};
            for (pixel& p : t.corners)
                p = {c.x + (p.x - c.x) * std::cos(a) - (p.y - c.y) * std::sin(a),
                     c.y + (p.x - c.x) * std::sin(a) + (p.y - c.y) * std::cos(a)};
        } else if (!transform.empty()) {
            ADD_FAILURE() << "a transform the test does not read: " << transform;
        }
        out.push_back(t);
    }
    return out;
}

std::vector<std::string> chart_reading::attributes(const std::string& xpath, const char* name) const
{
    std::vector<std::string> out;
    for (const element& n : select(xpath))
        out.push_back(n.text(name));
    return out;
}

void expect_marks(const chart_reading& svg, const std::string& css_class, const std::vector<given>& states)
{
    const plot_mapping m = svg.mapping();
    const std::vector<element> marks = svg.select("//s:circle[@class='" + css_class + "']");
    ASSERT_EQ(marks.size(), states.size());
    for (std::size_t i = 0; i < marks.size(); ++i) {
        SCOPED_TRACE(i);
        const given& g = states[i];
        const library_answer tdb = library(g.type, HYGRA_TDB, units_of(m), g.first, g.second, m.pressure);
        const library_answer w = library(g.type, HYGRA_W, units_of(m), g.first, g.second, m.pressure);
        ASSERT_EQ(w.code, HYGRA_OK);
        const chart_state s = m.state_at(marks[i].at("cx", "cy"));
        EXPECT_LT(t_pixels(m, s.tdb - tdb.value), 0.01);
        EXPECT_LT(w_pixels(m, s.w - w.value), 0.01);
        EXPECT_NEAR(marks[i].number("data-tdb"), tdb.value, 1e-9);
        EXPECT_NEAR(marks[i].number("data-w"), w.value, 1e-12);
        EXPECT_TRUE(std::isnan(g.value) || marks[i].number("data-value") == g.value);
    }
}

bool curve_meets_box(const std::vector<pixel>& curve, const std::array<pixel, 4>& b)
{
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (point_in_box(curve[i], b))
            return true;
        for (int k = 0; i > 0 && k < 4; ++k) {
            if (segments_cross(curve[i - 1], curve[i], b[k], b[(k + 1) % 4]))
                return true;
        }
    }
    return false;
}

double box_distance(const std::array<pixel, 4>& a, const std::array<pixel, 4>& b)
{
    const std::vector<pixel> ring_a{a[0], a[1], a[2], a[3], a[0]};
    const std::vector<pixel> ring_b{b[0], b[1], b[2], b[3], b[0]};
    if (curve_meets_box(ring_a, b) || curve_meets_box(ring_b, a))
        return 0.0;
    // Apart: the nearest points lie on the edges, one of them at a corner.
    double best = HUGE_VAL;
    for (int k = 0; k < 4; ++k)
        best = std::min({best, distance_to(ring_b, a[k]), distance_to(ring_a, b[k])});
    return best;
}

double distance_to(const std::vector<pixel>& curve, pixel p)
{
    double best = HUGE_VAL;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const pixel a = curve[i];
        const pixel b = i + 1 < curve.size() ? curve[i + 1] : a;
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        const double t = len2 > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
    }
    return best;
}

}  // namespace hygra::tool_test
