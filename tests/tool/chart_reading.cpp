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

namespace hygra::tool_test {

namespace {

std::string attribute(xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (value == nullptr)
        return {};
    std::string out(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return out;
}

double number(xmlNode* node, const char* name)
{
    const std::string text = attribute(node, name);
    if (text.empty()) {
        ADD_FAILURE() << "attribute " << name << " is missing";
        return 0.0;
    }
    return std::stod(text);
}

std::string content(xmlNode* node)
{
    xmlChar* value = xmlNodeGetContent(node);
    std::string out(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return out;
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

bool point_in_box(pixel p, const std::array<pixel, 4>& b)
{
    // Inside a convex quadrilateral: on the same side of all four edges.
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < 4; ++i) {
        const pixel a = b[i];
        const pixel c = b[(i + 1) % 4];
        const double cross = (c.x - a.x) * (p.y - a.y) - (c.y - a.y) * (p.x - a.x);
        positive += cross >= 0.0;
        negative += cross <= 0.0;
    }
    return positive == 4 || negative == 4;
}

bool segments_cross(pixel a, pixel b, pixel c, pixel d)
{
    auto side = [](pixel p, pixel q, pixel r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    const double d1 = side(c, d, a);
    const double d2 = side(c, d, b);
    const double d3 = side(a, b, c);
    const double d4 = side(a, b, d);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
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

chart_reading::chart_reading(const std::string& svg)
    : doc_(xmlReadMemory(svg.data(), static_cast<int>(svg.size()), "chart.svg", nullptr,
                         XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING))
{
    if (doc_ == nullptr)
        ADD_FAILURE() << "the chart is not XML:\n" << svg.substr(0, 400);
}

chart_reading::~chart_reading()
{
    if (doc_ != nullptr)
        xmlFreeDoc(doc_);
}

std::vector<xmlNode*> chart_reading::select(const std::string& xpath) const
{
    std::vector<xmlNode*> out;
    if (doc_ == nullptr)
        return out;
    xmlXPathContextPtr context = xmlXPathNewContext(doc_);
    xmlXPathRegisterNs(context, reinterpret_cast<const xmlChar*>("s"),
                       reinterpret_cast<const xmlChar*>("http://www.w3.org/2000/svg"));
    xmlXPathObjectPtr found =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath.c_str()), context);
    if (found != nullptr && found->nodesetval != nullptr) {
        for (int i = 0; i < found->nodesetval->nodeNr; ++i)
            out.push_back(found->nodesetval->nodeTab[i]);
    }
    xmlXPathFreeObject(found);
    xmlXPathFreeContext(context);
    return out;
}

plot_mapping chart_reading::mapping() const
{
    const std::vector<xmlNode*> plot = select("//s:g[@id='plot']");
    if (plot.size() != 1) {
        ADD_FAILURE() << "no single plot element";
        return {};
    }
    xmlNode* p = plot[0];
    return {number(p, "data-tdb-min"), number(p, "data-tdb-max"), number(p, "data-w-min"),
            number(p, "data-w-max"),   number(p, "data-w-scale"), number(p, "data-x-left"),
            number(p, "data-x-right"), number(p, "data-y-bottom"), number(p, "data-y-top"),
            number(p, "data-pressure"), attribute(p, "data-units")};
}

std::vector<chart_curve> chart_reading::curves(const std::string& css_class) const
{
    static const char* const value_names[] = {"data-rh", "data-twb", "data-hm", "data-vm"};
    std::vector<chart_curve> out;
    for (xmlNode* n : select("//s:polyline[@class='" + css_class + "']")) {
        chart_curve c{0.0, points_of(attribute(n, "points"))};
        for (const char* name : value_names) {
            if (!attribute(n, name).empty())
                c.value = number(n, name);
        }
        out.push_back(c);
    }
    return out;
}

std::vector<text_box> chart_reading::texts() const
{
    std::vector<text_box> out;
    for (xmlNode* n : select("//s:text")) {
        text_box t;
        t.text = content(n);
        t.css_class = attribute(n, "class");
        t.family = attribute(n, "data-family");
        t.value = attribute(n, "data-value");
        t.font_size = number(n, "font-size");
        const double x = number(n, "x");
        const double y = number(n, "y");
        const double width = 0.6 * t.font_size * static_cast<double>(characters(t.text));
        const std::string anchor = attribute(n, "text-anchor");
        const double left = anchor == "middle" ? x - width / 2 : anchor == "end" ? x - width : x;
        const double top = y - 0.8 * t.font_size;
        const double bottom = y + 0.2 * t.font_size;
        t.corners = {{{left, top}, {left + width, top}, {left + width, bottom}, {left, bottom}}};
        std::smatch m;
        const std::string transform = attribute(n, "transform");
        if (std::regex_match(transform, m,
                             std::regex(R"(rotate\((-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+)\))"))) {
            const double a = std::stod(m[1]) * pi / 180.0;
            const pixel c{std::stod(m[2]), std::stod(m[3])};
            for (pixel& p : t.corners) {
                const double dx = p.x - c.x;
                const double dy = p.y - c.y;
                p = {c.x + dx * std::cos(a) - dy * std::sin(a),
                     c.y + dx * std::sin(a) + dy * std::cos(a)};
            }
        } else if (!transform.empty()) {
            ADD_FAILURE() << "a transform the test does not read: " << transform;
        }
        out.push_back(t);
    }
    return out;
}

std::vector<state_mark> chart_reading::marks() const
{
    std::vector<state_mark> out;
    for (xmlNode* n : select("//s:circle[@class='point']")) {
        out.push_back({attribute(n, "data-label"), {number(n, "cx"), number(n, "cy")}});
    }
    return out;
}

std::vector<process_segment> chart_reading::process() const
{
    std::vector<process_segment> out;
    for (xmlNode* n : select("//s:line[@class='process']")) {
        out.push_back({static_cast<int>(number(n, "data-from")),
                       static_cast<int>(number(n, "data-to")),
                       {number(n, "x1"), number(n, "y1")},
                       {number(n, "x2"), number(n, "y2")},
                       !attribute(n, "marker-end").empty(), attribute(n, "data-process")});
    }
    return out;
}

std::vector<scatter_mark> chart_reading::scatter() const
{
    std::vector<scatter_mark> out;
    for (xmlNode* n : select("//s:circle[@class='scatter-point']")) {
        const std::string value = attribute(n, "data-value");
        out.push_back({{number(n, "cx"), number(n, "cy")}, number(n, "data-tdb"),
                       number(n, "data-w"), value.empty() ? NAN : std::stod(value),
                       attribute(n, "fill")});
    }
    return out;
}

std::vector<chart_zone> chart_reading::zones() const
{
    std::vector<chart_zone> out;
    for (xmlNode* n : select("//s:polygon[@class='zone']")) {
        out.push_back({attribute(n, "data-zone"), static_cast<int>(number(n, "data-inside")),
                       points_of(attribute(n, "points"))});
    }
    return out;
}

std::vector<chart_line> chart_reading::lines_in(const std::string& group_class) const
{
    std::vector<chart_line> out;
    for (xmlNode* n : select("//s:g[@class='" + group_class + "']/s:line")) {
        out.push_back({{number(n, "x1"), number(n, "y1")}, {number(n, "x2"), number(n, "y2")}});
    }
    return out;
}

std::vector<std::string> chart_reading::attributes(const std::string& xpath, const char* name) const
{
    std::vector<std::string> out;
    for (xmlNode* n : select(xpath))
        out.push_back(attribute(n, name));
    return out;
}

std::string chart_reading::first_attribute(const std::string& xpath, const char* name) const
{
    const std::vector<std::string> all = attributes(xpath, name);
    return all.empty() ? std::string() : all[0];
}

std::string chart_reading::title() const
{
    std::string out;
    for (xmlNode* n : select("/s:svg/s:title | //s:text[@class='title']"))
        out += content(n) + "\n";
    return out;
}

bool boxes_overlap(const std::array<pixel, 4>& a, const std::array<pixel, 4>& b)
{
    // Separating axes: the edge directions of both boxes.
    for (const std::array<pixel, 4>* q : {&a, &b}) {
        for (int i = 0; i < 2; ++i) {
            const pixel e{(*q)[i + 1].x - (*q)[i].x, (*q)[i + 1].y - (*q)[i].y};
            double lo1 = HUGE_VAL, hi1 = -HUGE_VAL, lo2 = HUGE_VAL, hi2 = -HUGE_VAL;
            for (const pixel& p : a) {
                lo1 = std::min(lo1, p.x * e.x + p.y * e.y);
                hi1 = std::max(hi1, p.x * e.x + p.y * e.y);
            }
            for (const pixel& p : b) {
                lo2 = std::min(lo2, p.x * e.x + p.y * e.y);
                hi2 = std::max(hi2, p.x * e.x + p.y * e.y);
            }
            if (hi1 <= lo2 || hi2 <= lo1)
                return false;
        }
    }
    return true;
}

bool curve_meets_box(const std::vector<pixel>& curve, const std::array<pixel, 4>& b)
{
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (point_in_box(curve[i], b))
            return true;
        if (i == 0)
            continue;
        for (int k = 0; k < 4; ++k) {
            if (segments_cross(curve[i - 1], curve[i], b[k], b[(k + 1) % 4]))
                return true;
        }
    }
    return false;
}

double box_distance(const std::array<pixel, 4>& a, const std::array<pixel, 4>& b)
{
    if (boxes_overlap(a, b))
        return 0.0;
    // Apart: the nearest points lie on the edges, one of them at a corner.
    double best = HUGE_VAL;
    for (const std::array<pixel, 4>* q : {&a, &b}) {
        const std::array<pixel, 4>& other = q == &a ? b : a;
        const std::vector<pixel> ring{other[0], other[1], other[2], other[3], other[0]};
        for (const pixel& p : *q)
            best = std::min(best, distance_to(ring, p));
    }
    return best;
}

double distance_to(const std::vector<pixel>& curve, pixel p)
{
    double best = HUGE_VAL;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const pixel a = curve[i];
        const pixel b = i + 1 < curve.size() ? curve[i + 1] : a;
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double len2 = dx * dx + dy * dy;
        const double t =
            len2 > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
    }
    return best;
}

std::size_t characters(const std::string& utf8)
{
    std::size_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

}  // namespace hygra::tool_test
