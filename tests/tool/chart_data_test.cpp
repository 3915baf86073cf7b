// hygra chart with data on it: a scatter of states from a CSV file or a
// weather file, and zones with the states inside them counted, each read back
// from the SVG and held to the library at the chart's pressure.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart_reading.h"
#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

// A scatter file of states given by three pairs, with an hour column, and its states.
const given scatter_rows[] = {
    {HYGRA_TDRY_TDEW, 2.5, -3.0, 0}, {HYGRA_TDRY_RH, 24.0, 0.45, 1}, {HYGRA_TDRY_W, 31.0, 0.0152, 2},
    {HYGRA_TDRY_TDEW, 18.0, 9.5, 3}, {HYGRA_TDRY_RH, -6.0, 0.8, 4},  {HYGRA_TDRY_W, 26.0, 0.0101, 5},
    {HYGRA_TDRY_TDEW, 21.0, 12.0, 6}, {HYGRA_TDRY_RH, 12.0, 0.62, 7},
};

const char* const scatter_csv = "hour,TDB,RH,W,TDEW\n0,2.5,,,-3\n1,24,0.45,,\n2,31,,0.0152,\n3,18,,,9.5\n"
                                "4,-6,0.8,,\n5,26,,0.0101,\n6,21,,,12\n7,12,0.62,,\n";

TEST(ChartData, ScatterStatesLandWhereTheLibraryPutsThemUnlabelledByDefault)
{
    const std::string file = temporary_file(scatter_csv);
    for (const std::vector<std::string>& extra :
         std::vector<std::vector<std::string>>{{}, {"ALT=1500"}, {"--colour-by", "hour"}}) {
        std::vector<std::string> args{"--scatter", file};
        args.insert(args.end(), extra.begin(), extra.end());
        const bool coloured = extra.size() == 2;
        const process_result r = run_chart(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const chart_reading svg(r.out);
        std::vector<given> states(std::begin(scatter_rows), std::end(scatter_rows));
        for (given& g : states)
            g.value = coloured ? g.value : NAN;
        expect_marks(svg, "scatter-point", states);
        EXPECT_EQ(svg.select("//s:text[@class='point-label']").size(), 0u);
        if (!coloured)
            continue;
        // Coloured along the scale from the first hour to the last, whose
        // bar's pieces tile it, each reaching the next.
        const std::vector<std::string> fill = svg.attributes("//s:circle[@class='scatter-point']", "fill");
        EXPECT_NE(fill.front(), fill.back());
        const std::vector<std::string> x = svg.attributes("//s:g[@class='legend']/s:rect", "x");
        const std::vector<std::string> width = svg.attributes("//s:g[@class='legend']/s:rect", "width");
        ASSERT_GT(x.size(), 5u);
        for (std::size_t k = 1; k < x.size(); ++k) {
            const double end = std::stod(x[k - 1]) + std::stod(width[k - 1]);
            EXPECT_TRUE(end >= std::stod(x[k]) && end < std::stod(x[k]) + 1.0) << k;
        }
    }
    // The marks' size and colour as asked.
    const chart_reading sized(run_chart({"--scatter", file, "--marker-size", "6", "--marker-colour", "red"}).out);
    EXPECT_EQ(sized.attributes("//s:circle[@class='scatter-point']", "r").at(0), "3");
    EXPECT_EQ(sized.attributes("//s:g[@class='scatter']", "fill").at(0), "red");
    // A given range leaves out the states outside it, and says how many.
    const process_result narrow = run_chart({"--scatter", file, "--tdb", "-6:30"});  // -6 on its end
    ASSERT_EQ(narrow.status, 0) << narrow.err;
    EXPECT_EQ(narrow.err, "hygra: 1 of 8 scatter states lie outside the chart and are not drawn; "
                          "widen --tdb or --w to draw them\n");
    EXPECT_EQ(chart_reading(narrow.out).select("//s:circle[@class='scatter-point']").size(), 7u);
    // Labels only where the file has them.
    const chart_reading labelled(run_chart({"--scatter", temporary_file("hour,TDB,RH,label\n0,20,0.5,\n1,22,0.4,peak\n")}).out);
    EXPECT_EQ(labelled.select("//s:text[@class='point-label']").size(), 1u);
    EXPECT_EQ(labelled.select("//s:text[@class='point-label']").at(0).content(), "peak");
    // The density cells hold every state once, with no marks.
    const chart_reading density(run_chart({"--scatter", file, "--density"}).out);
    int total = 0;
    for (const std::string& n : density.attributes("//s:rect[@class='cell']", "data-count"))
        total += std::stoi(n);
    EXPECT_EQ(total, 8);
    EXPECT_TRUE(density.select("//s:circle[@class='scatter-point']").empty());
}

TEST(ChartData, ZonesHaveTheirCornersAndEdgesFollowTheirInputPair)
{
    // Summer (0.5 clo): 23.6 and 26.8 degC at W = 0.012, 28.3 and 25.1 at 0;
    // winter (1.0 clo): 19.6 and 23.9 at 0.012, 26.3 and 21.7 at 0.
    const std::vector<chart_state> corners[] = {{{23.6, 0.012}, {26.8, 0.012}, {28.3, 0.0}, {25.1, 0.0}},
                                                {{19.6, 0.012}, {23.9, 0.012}, {26.3, 0.0}, {21.7, 0.0}}};
    // A zone between 20 and 26 degC from 30 % to 60 %, whose upper and lower
    // edges are curves of constant relative humidity, and one above a dew
    // point of 5 degC, named after its file.
    const std::string office = temporary_file("zone,TDB,RH\noffice,20,0.3\noffice,26,0.3\noffice,26,0.6\noffice,20,0.6\n");
    const std::string dew = temporary_file("TDB,TDEW\n10,5\n30,5\n30,15\n10,8\n");
    // One zone a --zone: a pressure after it is still the pressure.
    const process_result r = run_chart({"--zone", "summer", "P=0.9", "--zone", "winter", "--zone", office, "--zone", dew});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    const plot_mapping m = svg.mapping();
    EXPECT_EQ(m.pressure, 0.9);
    const std::vector<element> zones = svg.select("//s:polygon[@class='zone']");
    ASSERT_EQ(zones.size(), 4u);
    const std::string base = dew.substr(dew.find_last_of('/') + 1);
    EXPECT_EQ(svg.attributes("//s:polygon[@class='zone']", "data-zone"),
              (std::vector<std::string>{"summer comfort, 0.5 clo", "winter comfort, 1.0 clo", "office",
                                        base.substr(0, base.find_last_of('.'))}));
    // A corner is one of the outline's points, not only on it: a corner moved
    // along an edge would still lie on the outline.
    const auto is_point_of = [](const std::vector<pixel>& outline, pixel p) {
        return std::any_of(outline.begin(), outline.end(),
                           [&](const pixel& q) { return std::hypot(q.x - p.x, q.y - p.y) < 0.02; });
    };
    for (std::size_t k = 0; k < 2; ++k) {
        for (const chart_state& corner : corners[k])
            EXPECT_TRUE(is_point_of(zones[k].points(), m.pixel_of(corner))) << corner.tdb << "," << corner.w;
    }
    int on_rh = 0;
    for (const pixel& p : zones[2].points()) {
        const chart_state s = m.state_at(p);
        for (double rh : {0.3, 0.6}) {
            const library_answer w = library(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, s.tdb, rh, m.pressure);
            on_rh += w.code == HYGRA_OK && w_pixels(m, s.w - w.value) < 0.02;
        }
    }
    EXPECT_GE(on_rh, 40);  // both long edges, traced along the curve
    const library_answer w5 = library(HYGRA_TDRY_TDEW, HYGRA_W, HYGRA_SI, 20.0, 5.0, m.pressure);
    int on_dew = 0;
    for (const pixel& p : zones[3].points())
        on_dew += w_pixels(m, m.state_at(p).w - w5.value) < 0.02;
    EXPECT_GE(on_dew, 20);
    // In inch-pound units the same corners, in degF.
    const chart_reading ip(run_chart({"--ip", "--zone", "winter"}).out);
    for (const chart_state& corner : corners[1])
        EXPECT_TRUE(is_point_of(ip.select("//s:polygon[@class='zone']").at(0).points(),
                                ip.mapping().pixel_of({corner.tdb * 1.8 + 32.0, corner.w}))) << corner.tdb;
}

// Hours of a weather file in and out of the summer comfort zone, and two the
// format marks missing: month, hour, dry bulb, dew point (degC), RH (%).
struct weather_hour { int month, hour; const char *tdb, *tdew, *rh; };
const std::vector<weather_hour> hours{
    {1, 3, "-5.0", "-9.0", "70"},    // cold, outside
    {4, 14, "26.0", "10.0", "36"},   // inside
    {7, 15, "99.9", "12.0", "40"},   // dry bulb missing: left out
    {7, 16, "27.0", "5.0", "999"},   // inside; only its RH missing, which is not used
    {8, 12, "30.0", "99.9", "999"},  // dew point missing: left out
    {10, 9, "18.0", "8.0", "52"},    // outside
    {12, 23, "25.5", "18.0", "65"},  // above W = 0.012 at sea level: outside
};

std::string weather_file(const std::vector<weather_hour>& file_hours, const char* pressure = "83400")
{
    std::string text = epw_header();
    for (const weather_hour& h : file_hours)
        text += epw_hour(h.month, h.hour, h.tdb, h.tdew, h.rh, pressure);
    return text;
}

// The drawn hours (all but the third and fifth) in degC or degF, coloured by
// month or hour.
std::vector<given> drawn_hours(bool ip, bool by_month)
{
    std::vector<given> out;
    for (const weather_hour& h : hours) {
        const double tdb = std::stod(h.tdb);
        const double tdew = std::stod(h.tdew);
        if (tdb != 99.9 && tdew != 99.9)
            out.push_back({HYGRA_TDRY_TDEW, ip ? tdb * 1.8 + 32.0 : tdb, ip ? tdew * 1.8 + 32.0 : tdew,
                           static_cast<double>(by_month ? h.month : h.hour)});
    }
    return out;
}

TEST(ChartData, HoursOfAWeatherFileAreDrawnAtTheChartsPressureAndMissingOnesCounted)
{
    const std::string path = temporary_file(weather_file(hours));
    // At sea level: the station pressure is not used, and standard error
    // says so, with the hours left out.
    const process_result r = run_chart({"--scatter", path, "--colour-by", "month", "--zone", "summer"});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    EXPECT_EQ(svg.mapping().pressure, 1.01325);
    expect_marks(svg, "scatter-point", drawn_hours(false, true));
    expect_has(r.err, "'" + path + "': 2 of 7 hours lack a dry bulb, dew point or month and are not drawn; the first, "
                      "line 11: TDB is missing in the weather file (99.9)\n");
    expect_has(r.err, "the station pressure averages 0.834 bar; the states are taken at the chart's 1.01325 bar");
    // Two hours inside the summer comfort zone (23.6 and 26.8 degC at
    // W = 0.012, 28.3 and 25.1 at 0), as a count by hand finds: on standard
    // error, on the zone and in the legend.
    EXPECT_EQ(svg.attributes("//s:polygon[@class='zone']", "data-inside"), std::vector<std::string>{"2"});
    expect_has(r.err, "states inside  share of 5\nsummer comfort, 0.5 clo              2   40.0 %\n");
    EXPECT_EQ(svg.select("//s:text[contains(., 'summer comfort, 0.5 clo: 2 of 5 states (40 %)')]").size(), 1u);

    // At the station's pressure the note is gone; from a pipe, coloured by
    // hour, the same hours are drawn.
    const process_result piped = run_chart({"P=0.834", "--scatter", "-", "--colour-by", "hour"}, weather_file(hours));
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.err.find("station pressure"), std::string::npos) << piped.err;
    expect_has(piped.err, "the scatter input: 2 of 7 hours lack");
    const chart_reading piped_svg(piped.out);
    EXPECT_EQ(piped_svg.mapping().pressure, 0.834);
    expect_marks(piped_svg, "scatter-point", drawn_hours(false, false));
    // Inch-pound: the file's degC become degF.
    expect_marks(chart_reading(run_chart({"--ip", "--scatter", path, "--colour-by", "month"}).out), "scatter-point",
                 drawn_hours(true, true));

    // An empty dew point is not a fault of the file: the hour is left out.
    std::vector<weather_hour> empty = hours;
    empty[0].tdew = "";
    const process_result gap = run_chart({"--scatter", temporary_file(weather_file(empty))});
    EXPECT_EQ(gap.status, 0) << gap.err;
    expect_has(gap.err, ": 3 of 7 hours lack a dry bulb or dew point and are not drawn; the first, line 9: "
                        "a value it needs is empty\n");
    EXPECT_EQ(chart_reading(gap.out).select("//s:circle[@class='scatter-point']").size(), 4u);
}

}  // namespace
}  // namespace hygra::tool_test
