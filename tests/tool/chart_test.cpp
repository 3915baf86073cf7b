// hygra chart: the SVG is read back and held to the library. Curves must lie
// where the library puts their states, in both unit systems and at other
// pressures; marked states where their dry bulb and humidity ratio say;
// labels apart from one another and from the curves they name; the file well
// formed for xmllint and drawn by a real renderer.
#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart_reading.h"
#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

using args_t = std::vector<std::string>;

// A chart drawn with `args` after "chart", its status checked; each chart is
// drawn once and read by every test that asks for it.
const chart_reading& drawn(const args_t& args)
{
    static std::map<args_t, std::unique_ptr<chart_reading>> charts;
    std::unique_ptr<chart_reading>& chart = charts[args];
    if (!chart) {
        const process_result r = run_chart(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        chart = std::make_unique<chart_reading>(r.out);
    }
    return *chart;
}

double saturation_w(const plot_mapping& m, double tdb)
{
    const library_answer a = library(HYGRA_TDRY_RH, HYGRA_W, units_of(m), tdb, 1.0, m.pressure);
    EXPECT_EQ(a.code, HYGRA_OK) << "no saturated state at " << tdb;
    return a.value;
}

// A number as the chart writes it for people, with a true minus sign.
double read_number(const std::string& text) { return std::stod(std::regex_replace(text, std::regex("\u2212"), "-")); }

// The charts the geometry is checked on: both unit systems, at sea level and
// at other pressures, at the default ranges and at given ones.
const std::vector<args_t> charts{
    {},
    {"--ip"},
    {"ALT=1500"},
    {"--ip", "P=12.5", "--tdb", "40:100", "--w", "20:160"},
    {"P=0.8", "--tdb", "5:35", "--w", "4:24"},
};

// Each family of straight lines and the state type of its pair with the dry
// bulb, from which its states are drawn. (Its value is not read back through
// another pair: at a wet bulb of 0 degC a bulb of water and one of ice give
// two lines, and the state of dry bulb and humidity ratio reports the ice's.)
const struct {
    std::string css_class;
    const char* value;  // the attribute that holds a line's value
    int with_dry_bulb;
} line_families[] = {{"rh", "data-rh", HYGRA_TDRY_RH},
                     {"wet-bulb", "data-twb", HYGRA_TDRY_TWET},
                     {"enthalpy", "data-hm", HYGRA_TDRY_H},
                     {"volume", "data-vm", HYGRA_TDRY_V}};

TEST(Chart, CurvesLieWhereTheLibraryPutsTheirStatesAndTheirLabelsNameThem)
{
    for (const args_t& args : charts) {
        SCOPED_TRACE(testing::PrintToString(args));
        const chart_reading& chart = drawn(args);
        const plot_mapping m = chart.mapping();
        // Pixels above the saturation curve (negative below it).
        const auto above_saturation = [&](pixel p) {
            const chart_state s = m.state_at(p);
            return (s.w - saturation_w(m, s.tdb)) * w_pixels(m, 1.0);
        };
        const auto at_edge = [](double a, double b) { return std::abs(a - b) < 0.01; };
        // The saturation curve runs across the plot: in from the left edge or
        // the bottom, out through the top or the right edge.
        const std::vector<element> saturation = chart.select("//s:polyline[@class='saturation']");
        ASSERT_EQ(saturation.size(), 1u);
        EXPECT_EQ(saturation[0].number("data-rh"), 1.0);
        const std::vector<pixel> sat = saturation[0].points();
        ASSERT_GT(sat.size(), 50u);
        for (const pixel& p : sat)
            EXPECT_LT(std::abs(above_saturation(p)), 0.1) << "at x " << p.x;
        EXPECT_TRUE(at_edge(sat.front().x, m.x_left) || at_edge(sat.front().y, m.y_bottom));
        EXPECT_TRUE(at_edge(sat.back().y, m.y_top) || at_edge(sat.back().x, m.x_right));
        const std::vector<text_box> texts = chart.texts();
        for (const auto& f : line_families) {
            SCOPED_TRACE(f.css_class);
            const bool rh = f.css_class == "rh";
            const std::vector<element> lines = chart.select("//s:polyline[@class='" + f.css_class + "']");
            ASSERT_GE(lines.size(), rh ? 9u : 4u);
            std::size_t from_saturation = 0;
            std::size_t labelled = 0;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const chart_curve line{lines[i].number(f.value), lines[i].points()};
                ASSERT_GE(line.points.size(), 2u);
                EXPECT_TRUE(!rh || std::abs(line.value - 0.1 * static_cast<double>(i + 1)) < 1e-12)
                    << "every ten per cent, in order: " << line.value;
                for (std::size_t k = 0; k < line.points.size(); ++k) {
                    const pixel p = line.points[k];
                    EXPECT_TRUE(k == 0 || p.x > line.points[k - 1].x) << "left to right, no point twice";
                    const chart_state s = m.state_at(p);
                    const library_answer w = library(f.with_dry_bulb, HYGRA_W, units_of(m), s.tdb, line.value, m.pressure);
                    EXPECT_LT(above_saturation(p), 0.1) << "never past the saturation curve";
                    if (w.code != HYGRA_OK && !rh) {
                        // Only at the ends, on the saturation curve or at W = 0,
                        // which the rounding of the dry bulb can take a hair past.
                        EXPECT_TRUE(at_edge(p.y, m.y_bottom) || std::abs(above_saturation(p)) < 0.1)
                            << line.value << " at TDB " << s.tdb;
                        continue;
                    }
                    ASSERT_EQ(w.code, HYGRA_OK);
                    EXPECT_LT(w_pixels(m, s.w - w.value), 0.1) << line.value << " at TDB " << s.tdb;
                }
                if (!rh) {
                    // From the saturation curve, or where the line enters the
                    // plot through its top or left edge, to its bottom or right edge.
                    const pixel first = line.points.front();
                    const pixel last = line.points.back();
                    const bool saturated = std::abs(above_saturation(first)) < 0.1;
                    from_saturation += saturated;
                    EXPECT_TRUE(saturated || at_edge(first.y, m.y_top) || at_edge(first.x, m.x_left))
                        << line.value << " starts at " << first.x << "," << first.y;
                    EXPECT_TRUE(at_edge(last.y, m.y_bottom) || at_edge(last.x, m.x_right))
                        << line.value << " ends at " << last.x << "," << last.y;
                }
                // Its label says the value, as a per cent for relative humidity,
                // inside the plot and clear of the curves of its family and of
                // the saturation curve, beside its curve or on the curve's
                // extension past its saturated end.
                const text_box* label = nullptr;
                for (const text_box& t : texts) {
                    if (t.family == f.css_class && std::stod(t.value) == line.value)
                        label = &t;
                }
                if (label == nullptr)
                    continue;
                ++labelled;
                SCOPED_TRACE(label->text);
                EXPECT_TRUE(rh ? label->text == std::to_string(std::lround(line.value * 100)) + "%"
                               : std::abs(read_number(label->text) - line.value) < 1e-9);
                for (const pixel& c : label->corners)
                    EXPECT_TRUE(c.x >= m.x_left && c.x <= m.x_right && c.y >= m.y_top && c.y <= m.y_bottom);
                for (const element& other : lines)
                    EXPECT_FALSE(curve_meets_box(other.points(), label->corners)) << other.number(f.value);
                EXPECT_FALSE(curve_meets_box(sat, label->corners));
                const pixel a = line.points[0], b = line.points[1];
                const double d = std::hypot(b.x - a.x, b.y - a.y) / 60.0;
                std::vector<pixel> reach{{a.x - (b.x - a.x) / d, a.y - (b.y - a.y) / d}};
                reach.insert(reach.end(), line.points.begin(), line.points.end());
                EXPECT_LT(distance_to(rh ? line.points : reach, label->centre()), 0.6 * label->font_size + 5.0);
            }
            // Every relative humidity labelled, three in four of the others.
            EXPECT_TRUE(rh ? labelled == lines.size()
                           : from_saturation * 2 >= lines.size() && labelled * 4 >= lines.size() * 3)
                << from_saturation << " from saturation, " << labelled << " labelled of " << lines.size();
        }
    }
}

// States given by five different pairs, with the state types that take them,
// and their rows of a points file with the columns label,process,TDB,TWB,W,RH,HM,TDEW.
struct given_state {
    const char* label;
    int type;
    double si[2], ip[2];
    const char* row;  // with %s for the first and the second value
};
const given_state given_states[] = {
    {"Outdoor", HYGRA_TDRY_TWET, {32.0, 24.0}, {90.0, 75.0}, "Outdoor,cooling,%s,%s,,,,"},
    {"Mixed", HYGRA_TDRY_W, {26.5, 0.0118}, {80.0, 0.0118}, "Mixed,cooling,%s,,%s,,,"},
    {"Off coil", HYGRA_RH_H, {0.95, 35.0}, {0.95, 15.0}, "Off coil,cooling,,,,%s,%s,"},
    {"Supply", HYGRA_TDRY_TDEW, {16.0, 11.5}, {60.0, 52.0}, "Supply,room,%s,,,,,%s"},
    {"Room", HYGRA_TDRY_RH, {24.0, 0.5}, {75.0, 0.5}, "Room,room,%s,,,%s,,"},
};

// The points file; without `chains`, its process column is left out.
std::string points_file(int units, bool chains = false)
{
    std::string csv = chains ? "label,process,TDB,TWB,W,RH,HM,TDEW\n" : "label,TDB,TWB,W,RH,HM,TDEW\n";
    for (const given_state& g : given_states) {
        const double* v = units == HYGRA_SI ? g.si : g.ip;
        char row[120];
        std::snprintf(row, sizeof row, g.row, std::to_string(v[0]).c_str(), std::to_string(v[1]).c_str());
        std::string text = row;
        if (!chains)
            text.erase(text.find(','), text.find(',', text.find(',') + 1) - text.find(','));
        csv += text + "\n";
    }
    return csv;
}

TEST(Chart, MarkedStatesLandWhereTheirPairsSayJoinedChainByChain)
{
    // At 1500 m the states are taken at the chart's pressure.
    for (const auto& [base, chains] : std::vector<std::pair<args_t, bool>>{{{}, false}, {{"ALT=1500"}, true}, {{"--ip"}, true}}) {
        const int units = base == args_t{"--ip"} ? HYGRA_IP : HYGRA_SI;
        args_t args = base;
        args.insert(args.end(), {"--points", temporary_file(points_file(units, chains)), "--process"});
        SCOPED_TRACE(testing::PrintToString(args));
        const chart_reading& chart = drawn(args);
        std::vector<given> states;
        std::vector<std::string> labels;
        for (const given_state& g : given_states) {
            const double* v = units == HYGRA_SI ? g.si : g.ip;
            states.push_back({g.type, v[0], v[1], NAN});
            labels.push_back(g.label);
        }
        expect_marks(chart, "point", states);
        EXPECT_EQ(chart.attributes("//s:circle[@class='point']", "data-label"), labels);
        const std::vector<element> marks = chart.select("//s:circle[@class='point']");
        ASSERT_EQ(marks.size(), states.size());
        // Without a process column one chain in the file's order; with one,
        // each chain in its own, from mark to mark with an arrow, and named
        // in the legend.
        using pairs = std::vector<std::array<int, 2>>;
        const pairs joined = chains ? pairs{{1, 2}, {2, 3}, {4, 5}} : pairs{{1, 2}, {2, 3}, {3, 4}, {4, 5}};
        const std::vector<element> segments = chart.select("//s:line[@class='process']");
        ASSERT_EQ(segments.size(), joined.size());
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const element& s = segments[i];
            EXPECT_TRUE(s.number("data-from") == joined[i][0] && s.number("data-to") == joined[i][1]) << i;
            EXPECT_EQ(s.text("data-process"), !chains ? "" : i < 2 ? "cooling" : "room");
            EXPECT_NE(s.text("marker-end"), "");
            const pixel a = marks[joined[i][0] - 1].at("cx", "cy");
            const pixel b = marks[joined[i][1] - 1].at("cx", "cy");
            EXPECT_LT(std::hypot(s.number("x1") - a.x, s.number("y1") - a.y), 6.0);
            EXPECT_LT(std::hypot(s.number("x2") - b.x, s.number("y2") - b.y), 6.0);
        }
        EXPECT_EQ(chart.select("//s:text[@class='point-label']").size(), marks.size());
        EXPECT_EQ(chart.select("//s:text[contains(., 'process: room')]").size(), chains ? 1u : 0u);
    }
    // Default ranges widen to hold the points; states on the ends of a given
    // range are on the chart.
    const std::string hot = temporary_file("label,TDB,W\nkiln,62,0.041\ncold,-18,0.0005\n");
    const plot_mapping m = drawn({"--points", hot}).mapping();
    EXPECT_TRUE(m.tdb_min <= -18.0 && m.tdb_max >= 62.0 && m.w_max >= 41.0);
    EXPECT_EQ(drawn({"--tdb", "-18:62", "--points", hot}).select("//s:circle[@class='point']").size(), 2u);
}

TEST(Chart, RangesTitleAndUnitsFollowTheUnitSystemAndThePressure)
{
    const struct {
        args_t args;
        const char* units;
        double pressure;
        double tdb_min, tdb_max, w_min, w_max, w_scale;
        double minor[2];                 // the minor grid's steps of dry bulb and humidity ratio
        std::vector<std::string> words;  // in the title, axis titles and legend
    } cases[] = {
        {{}, "SI", pressure_at(HYGRA_SI, 0.0), -10, 50, 0, 30, 1000, {1, 0.5},
         {"1.01325 bar, sea level", "Dry-bulb temperature, \u00B0C", "Humidity ratio, g/kg",
          "enthalpy, kJ/kg", "specific volume, m\u00B3/kg", "wet-bulb temperature, \u00B0C"}},
        {{"--ip"}, "IP", pressure_at(HYGRA_IP, 0.0), 10, 120, 0, 200, 7000, {1, 5},
         {"14.696 psi, sea level", "Dry-bulb temperature, \u00B0F", "Humidity ratio, grains/lb",
          "enthalpy, Btu/lb dry air (dry air at 32 \u00B0F = 0)", "specific volume, ft\u00B3/lb", "wet-bulb temperature, \u00B0F"}},
        // Air holds more water where the pressure is lower: 30 g/kg scaled by
        // 1.01325 / 0.8456 and rounded up to the grid.
        {{"ALT=1500"}, "SI", pressure_at(HYGRA_SI, 1500.0), -10, 50, 0, 36, 1000, {1, 0.5},
         {"bar, standard atmosphere at 1500 m"}},
        {{"--ip", "ALT=5280", "--tdb", "30:100", "--w", "10:150"}, "IP",
         pressure_at(HYGRA_IP, 5280.0), 30, 100, 10, 150, 7000, {1, 5}, {"at 5280 ft"}},
        {{"P=0.9", "--tdb", "-5.5:41"}, "SI", 0.9, -5.5, 41, 0, 34, 1000, {0.5, 0.5}, {"at 0.9 bar"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const chart_reading& chart = drawn(c.args);
        const plot_mapping m = chart.mapping();
        EXPECT_EQ(m.units, c.units);
        EXPECT_EQ(std::vector<double>({m.pressure, m.tdb_min, m.tdb_max, m.w_min, m.w_max, m.w_scale}),
                  std::vector<double>({c.pressure, c.tdb_min, c.tdb_max, c.w_min, c.w_max, c.w_scale}));
        std::string words;
        for (const element& e : chart.select("/s:svg/s:title | //s:text"))
            words += e.content() + "\n";
        for (const std::string& w : c.words)
            expect_has(words, w);
        // The tick labels say the value at their place: dry bulb along the
        // bottom, humidity ratio up the right side.
        int ticks[2] = {0, 0};  // along the bottom, up the right side
        for (const text_box& t : chart.texts()) {
            const bool right = t.centre().x > m.x_right;
            const double v = t.css_class == "tick-label" ? read_number(t.text) : NAN;
            if (std::isnan(v))
                continue;
            ++ticks[right];
            EXPECT_TRUE(right || t.centre().y > m.y_bottom) << t.text;
            if (right)
                EXPECT_NEAR(t.centre().y, m.pixel_of({m.tdb_min, v / m.w_scale}).y, 2.0) << t.text;
            else
                EXPECT_NEAR(t.centre().x, m.pixel_of({v, 0.0}).x, 0.01) << t.text;
        }
        EXPECT_GE(std::min(ticks[0], ticks[1]), 5);
        // The minor grid evenly at its steps between the major lines.
        std::vector<double> minor[2];  // the dry bulbs of its upright lines, the humidity ratios of the others
        for (const element& l : chart.select("//s:g[@class='minor-grid']/s:line")) {
            const chart_state s = m.state_at(l.at("x1", "y1"));
            l.number("x1") == l.number("x2") ? minor[0].push_back(s.tdb) : minor[1].push_back(s.w * m.w_scale);
        }
        for (int k = 0; k < 2; ++k) {
            ASSERT_GT(minor[k].size(), 5u);
            for (std::size_t i = 1; i < minor[k].size(); ++i)
                EXPECT_NEAR(minor[k][i] - minor[k][i - 1], c.minor[k], 0.01 * c.minor[k]) << k;
        }
    }
}

// Runs a program of the system with its arguments, each quoted for the shell.
int run_program(const char* program, const args_t& args)
{
    std::string command = std::string("'") + program + "'";
    for (const std::string& a : args)
        command += " '" + a + "'";
    return std::system(command.c_str());
}

struct image {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> rgb;  // three bytes a pixel, rows from the top

    const unsigned char* at(unsigned x, unsigned y) const { return &rgb[(y * width + x) * 3]; }
};

// A PNG file decoded with libpng, flattened onto white, and held to be more
// than a blank page of its size: a fair share drawn, in colour.
image read_png(const std::string& path, unsigned width, unsigned height, std::size_t bluish_least)
{
    image out;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str())) {
        png.format = PNG_FORMAT_RGB;
        out.rgb.resize(PNG_IMAGE_SIZE(png));
        const png_color white{255, 255, 255};
        if (png_image_finish_read(&png, &white, out.rgb.data(), 0, nullptr))
            out = {png.width, png.height, out.rgb};
    }
    EXPECT_EQ(out.width, width) << "not a PNG of its size: " << path << ": " << png.message;
    EXPECT_EQ(out.height, height);
    std::size_t drawn = 0;
    std::size_t bluish = 0;
    for (std::size_t i = 0; i < out.rgb.size(); i += 3) {
        const unsigned char* p = &out.rgb[i];
        drawn += p[0] < 200 || p[1] < 200 || p[2] < 200;
        bluish += p[2] > p[0] + 40;
    }
    EXPECT_GT(drawn, width * height * 3 / 100);
    EXPECT_LT(drawn, width * height * 6 / 10);
    EXPECT_GT(bluish, bluish_least);
    return out;
}

// Whether a pixel within one of `at` has the colour `is`.
template <class Test>
bool colour_near(const image& img, pixel at, Test is)
{
    for (int d = 0; d < 9; ++d) {
        const long x = std::lround(at.x) + d % 3 - 1;
        const long y = std::lround(at.y) + d / 3 - 1;
        if (x >= 0 && y >= 0 && x < static_cast<long>(img.width) && y < static_cast<long>(img.height) &&
            is(img.at(static_cast<unsigned>(x), static_cast<unsigned>(y))))
            return true;
    }
    return false;
}

TEST(Chart, IsWellFormedWhateverItsLabelsHoldAndARealRendererDrawsItsCurvesAndMarks)
{
    // Control characters and invalid UTF-8 in labels and title become valid text.
    const std::string odd_rows = "A\001B,20,,,0.5,,\n\"x\xff\xfey\",24,,,0.4,,\n\"caf\xc3\xa9 \xe2\x82\xac\",26,,,0.3,,\n"
                                 "\"over\xc0\xaflong\",22,,,0.6,,\n";
    const std::string bad = "\uFFFD";
    std::vector<std::string> labels;
    for (const given_state& g : given_states)
        labels.push_back(g.label);
    labels.insert(labels.end(), {"A" + bad + "B", "x" + bad + bad + "y", "caf\u00E9 \u20AC", "over" + bad + bad + "long"});
    ASSERT_NE(std::string(HYGRA_XMLLINT), "") << "xmllint not found (tools/bootstrap.sh installs libxml2-utils)";
    ASSERT_NE(std::string(HYGRA_RSVG_CONVERT), "")
        << "rsvg-convert not found (tools/bootstrap.sh installs librsvg2-bin)";
    for (int units : {HYGRA_SI, HYGRA_IP}) {
        SCOPED_TRACE(units == HYGRA_SI ? "SI" : "IP");
        const std::string svg_path = temporary_file(""), png_path = temporary_file("");
        args_t args{"--points", temporary_file(points_file(units) + odd_rows), "--process", "--output", svg_path,
                    "--title", "T\x1b[31mitle"};
        if (units == HYGRA_IP)
            args.push_back("--ip");
        const process_result r = run_chart(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");  // written to the file instead
        EXPECT_EQ(run_program(HYGRA_XMLLINT, {"--noout", svg_path}), 0);
        ASSERT_EQ(run_program(HYGRA_RSVG_CONVERT, {"--format=png", "-o", png_path, svg_path}), 0);
        const image img = read_png(png_path, 1000, 720, 2000);
        // The curve is drawn where its coordinates say: dark blue along the
        // saturation curve, black at the marks.
        const chart_reading chart(file_text(svg_path));
        EXPECT_EQ(chart.attributes("//s:circle[@class='point']", "data-label"), labels);
        expect_has(chart.select("/s:svg/s:title").at(0).content(), "T" + bad + "[31mitle");
        const std::vector<pixel> saturation = chart.select("//s:polyline[@class='saturation']").at(0).points();
        for (std::size_t i = 5; i < saturation.size(); i += saturation.size() / 8) {
            EXPECT_TRUE(colour_near(img, saturation[i], [](const unsigned char* p) {
                return p[2] > p[0] + 40 && p[0] < 120;
            })) << "no saturation curve at " << saturation[i].x << "," << saturation[i].y;
        }
        for (const element& mark : chart.select("//s:circle[@class='point']")) {
            EXPECT_TRUE(colour_near(img, mark.at("cx", "cy"), [](const unsigned char* p) {
                return p[0] < 60 && p[1] < 60 && p[2] < 60;
            })) << mark.text("data-label");
        }
        std::remove(svg_path.c_str());
        std::remove(png_path.c_str());
    }
}

TEST(Chart, PngAndPdfAreRenderedAtTheSizeAskedAndAreNotBlank)
{
    ASSERT_NE(std::string(HYGRA_PDFTOPPM), "") << "pdftoppm not found (tools/bootstrap.sh installs poppler-utils)";
    // PNG: by --format to standard output, and by the output file's ending.
    const process_result png = run_chart({"--format", "png", "--width", "800", "--height", "600",
                                         "--points", temporary_file(points_file(HYGRA_SI)), "--title", "AHU"});
    ASSERT_EQ(png.status, 0) << png.err;
    read_png(temporary_file(png.out), 800, 600, 1000);
    const std::string named = temporary_file("") + ".png";
    ASSERT_EQ(run_chart({"--ip", "-o", named}).status, 0);
    read_png(named, 1000, 720, 1000);
    std::remove(named.c_str());

    // PDF: a page of 1200 x 900 pixels is 900 x 675 points, which poppler draws
    // at 72 pixels to the inch.
    const std::string pdf_path = temporary_file("");
    const process_result pdf = run_chart({"--format", "pdf", "--width", "1200", "--height", "900", "-o", pdf_path});
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    const std::string page_prefix = temporary_file("");
    ASSERT_EQ(run_program(HYGRA_PDFTOPPM, {"-png", "-r", "72", "-singlefile", pdf_path, page_prefix}), 0);
    read_png(page_prefix + ".png", 900, 675, 1000);
    std::remove((page_prefix + ".png").c_str());
}

TEST(Chart, RefusesWhatItCannotDrawAndWritesNothing)
{
    const std::string scatter = temporary_file("TDB,RH\n20,0.5\n");
    const std::string hour = epw_hour(1, 3, "-5.0", "-9.0", "70", "101325");
    const struct {
        args_t args;
        int status;
        std::vector<std::string> messages;
    } cases[] = {
        // The pressure and the range, in the tool's sentences for any state.
        {{"P=60"}, 1, {"hygra: P = 60 bar is outside the range of the formulation, 0 to 50 bar\n"}},
        {{"ALT=20000"}, 1, {"ALT = 20000 m is outside the range of the standard atmosphere"}},
        {{"P=0"}, 1, {"P = 0 bar: a chart needs a pressure above 0"}},
        {{"--ip", "--tdb", "-300:100"}, 1, {"TDB = -300 degF is outside the range of the formulation, -148 to 701.6 degF"}},
        {{"--tdb", "30:10"}, 2, {"--tdb: the low end of '30:10' is not below the high end"}},
        {{"--w", "5"}, 2, {"--w: '5' is not a range LOW:HIGH"}},
        {{"--w", "-2:10"}, 2, {"--w: a humidity ratio cannot be negative"}},
        {{"TDB=20", "RH=0.5"}, 2, {"hygra chart takes P= or ALT= and options, not 'TDB=20'"}},
        {{"--csv"}, 2, {"hygra chart takes --ip, P= or ALT=, and its own options"}},
        {{"--process"}, 2, {"--process requires --points"}},
        {{"--format", "gif"}, 2, {"--format: 'gif' is not svg, png or pdf"}},
        {{"--width", "50"}, 2, {"--width: 50 pixels is not a page size hygra draws"}},
        // Ranges too narrow or too wide are refused, not looped on.
        {{"--w", "0:5e-324"}, 1, {"hygra: --w 0:4.94066e-324 is too narrow to draw; give a range of at least 0.01 g/kg\n"}},
        {{"--tdb", "0:5e-324"}, 1, {"--tdb 0:4.94066e-324 is too narrow to draw"}},
        {{"--w", "0:1e300"}, 1, {"--w 0:1e+300 g/kg is too wide to draw; give a range up to 100000"}},
        {{"P=1e-308"}, 1, {"the humidity-ratio axis would run to"}},
        {{"--ip", "--tdb", "50:50.001"}, 1, {"--tdb 50:50.001 is too narrow to draw"}},
        // The points file: every row that gives no state, then nothing drawn.
        {{"--points", temporary_file("TDB,RH,TWB\n20,0.5,\n400,0.2,\n25,,\n22,0.4,15\n21,0.3x,\n")}, 1,
         {"row 2: TDB = 400 degC is outside the range of the formulation, -100 to 372 degC\n",
          "row 3: it gives 1 input (TDB); a state takes two, the others left empty\n",
          "row 4: it gives 3 inputs (TDB, RH, TWB); a state takes two",
          "row 5: RH: '0.3x' is not a number\n"}},
        {{"--points", temporary_file("W,TDEW\n0.008,10\n")}, 1, {"row 1: W and TDEW do not fix a state"}},
        {{"--points", temporary_file("label,P,TDB,RH\na,1,20,0.5\n")}, 2,
         {"names the pressure (P); its states are taken at the chart's pressure"}},
        {{"--points", temporary_file("label,TDB\na,20\n")}, 2, {"must have a header naming two or more inputs"}},
        {{"--points", scatter, "--process"}, 2, {"--process needs two or more points to join"}},
        {{"--points", temporary_file("process,TDB,RH\na,20,0.5\na,22,0.5\nb,25,0.4\n"), "--process"}, 2,
         {"the process 'b' has one point"}},
        {{"--points", "/nonexistent/points.csv"}, 2, {"cannot open '/nonexistent/points.csv' for reading"}},
        {{"--tdb", "0:50", "--points", temporary_file("label,TDB,W\nkiln,62,0.041\n")}, 1,
         {"hygra: the state 'kiln' (TDB = 62 degC, W = 41 g/kg) lies outside the chart; widen --tdb or --w"}},
        // The scatter's marks, a weather file's columns and records, and zones.
        {{"--scatter", scatter, "--marker-colour", "red\" onload=\"x"}, 2, {"is not a colour; give #rrggbb, #rgb or a name"}},
        {{"--scatter", temporary_file(epw_header() + hour), "--colour-by", "label"}, 2,
         {"is a weather file, which has no column 'label' to colour by; give month, hour, day, TDB, TDEW, RH or P"}},
        {{"--scatter", temporary_file(epw_header() + hour + epw_hour(4, 14, "26.0", "ten", "36", "101325"))}, 1,
         {", line 10: TDEW [degC]: 'ten' is not a number\n"}},
        {{"--zone", temporary_file("TDB,RH\n20,0.3\n26,1.4\n22,0.5\n")}, 1, {"corner 1 or the edge after it gives no state"}},
        {{"--zone", temporary_file("TDB,HM\n20,30\n")}, 2, {"must have a header naming TDB and one of RH, W or TDEW"}},
        {{"--zone", "autumn"}, 2, {"--zone: 'autumn' is neither summer, winter nor a file"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const process_result r = run_chart(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, "");
        for (const std::string& m : c.messages)
            expect_has(r.err, m);
    }
}

TEST(Chart, NoTwoTextsAreCloserThanFivePixels)
{
    // Every chart of the geometry, the default charts at 1500 m (4921 ft),
    // and the README's examples.
    const std::string year = std::string(HYGRA_SOURCE_DIR) + "/docs/year-hourly.csv";
    std::vector<args_t> documented = charts;
    documented.insert(documented.end(), {{"--ip", "ALT=4921"}, {"--tdb", "-40:10"}, {"--ip", "ALT=4921", "--tdb", "-40:50"},
                                         {"--tdb", "0:40", "--w", "0:20", "--points",
                                          std::string(HYGRA_SOURCE_DIR) + "/docs/ahu-summer.csv", "--process"},
                                         {"--scatter", year, "--colour-by", "month", "--zone", "summer", "--zone", "winter"},
                                         {"--ip", "--scatter", year, "--density", "--zone", "summer"}});
    // Marked states where the plain chart puts its relative-humidity labels:
    // the labels move off them.
    std::string states = "label,TDB,W\n";
    for (const text_box& t : drawn({}).texts()) {
        const chart_state s = drawn({}).mapping().state_at(t.centre());
        if (t.family == "rh")
            states += "s," + std::to_string(s.tdb) + "," + std::to_string(s.w) + "\n";
    }
    documented.push_back({"--points", temporary_file(states)});
    for (const args_t& args : documented) {
        SCOPED_TRACE(testing::PrintToString(args));
        const process_result r = run_chart(args);  // zones count on standard error
        ASSERT_EQ(r.status, 0) << r.err;
        const chart_reading chart(r.out);
        const std::vector<text_box> texts = chart.texts();
        // The curves' labels keep off the marked states too.
        const std::vector<element> marks = chart.select("//s:circle[@class='point']");
        EXPECT_GT(chart.select("//s:text[@class='label']").size(), 30u);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            for (const element& mark : marks) {
                EXPECT_FALSE(texts[i].css_class == "label" && curve_meets_box({mark.at("cx", "cy")}, texts[i].corners))
                    << "'" << texts[i].text << "' covers a mark";
            }
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                EXPECT_GE(box_distance(texts[i].corners, texts[j].corners), 5.0)
                    << "'" << texts[i].text << "' and '" << texts[j].text << "'";
            }
        }
    }
}

TEST(Chart, TheHumidityRatioAxisFitsTheDryBulbRangeAndTheLinesAreToldApart)
{
    // Saturation at the top, with room above it (at -40 to 10 degC, not the
    // 0 to 30 g/kg of warmer charts, three quarters empty).
    for (const args_t& args : {args_t{"--tdb", "-40:10"}, args_t{"--ip", "--tdb", "-20:40"},
                               args_t{"ALT=1500", "--tdb", "-30:15"}}) {
        SCOPED_TRACE(testing::PrintToString(args));
        const plot_mapping m = drawn(args).mapping();
        const double ws = saturation_w(m, m.tdb_max) * m.w_scale;
        EXPECT_TRUE(m.w_max > ws * 1.05 && m.w_max < ws * 1.35) << m.w_max << " above " << ws;
    }
    // Wet-bulb, enthalpy and volume lines told apart by their dashes too, so
    // that a black-and-white print keeps them apart.
    std::set<std::string> dashes;
    for (const std::string family : {"wet-bulb", "enthalpy", "volume"})
        dashes.insert(drawn({}).attributes("//s:polyline[@class='" + family + "']", "stroke-dasharray").at(0));
    EXPECT_EQ(dashes.size(), 3u);
    // The enthalpy values on their scale beyond the saturation curve, as on a
    // printed chart; the wet-bulb values between the two.
    const plot_mapping m = drawn({}).mapping();
    std::size_t enthalpy_outside = 0;
    for (const text_box& t : drawn({}).texts()) {
        const chart_state s = m.state_at(t.centre());
        enthalpy_outside += t.family == "enthalpy" && s.w > saturation_w(m, s.tdb) && s.tdb > m.tdb_min;
    }
    EXPECT_GE(enthalpy_outside, 8u);
}

}  // namespace
}  // namespace hygra::tool_test
