// hygra chart with data on it: a scatter of states, zones and process chains,
// each read back from the SVG and held to the library, and the states inside
// a zone counted against states placed inside and outside by hand.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart_reading.h"
#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

process_result chart(std::vector<std::string> args)
{
    args.insert(args.begin(), "chart");
    return run_tool(args);
}

// A scatter file of states given by three pairs, with an hour column.
struct scatter_row {
    int hour;
    int type;
    const char* columns;  // the two columns filled
    double first, second;
};
const scatter_row scatter_rows[] = {
    {0, HYGRA_TDRY_TDEW, "TDB,TDEW", 2.5, -3.0},   {1, HYGRA_TDRY_RH, "TDB,RH", 24.0, 0.45},
    {2, HYGRA_TDRY_W, "TDB,W", 31.0, 0.0152},      {3, HYGRA_TDRY_TDEW, "TDB,TDEW", 18.0, 9.5},
    {4, HYGRA_TDRY_RH, "TDB,RH", -6.0, 0.8},       {5, HYGRA_TDRY_W, "TDB,W", 26.0, 0.0101},
    {6, HYGRA_TDRY_TDEW, "TDB,TDEW", 21.0, 12.0},  {7, HYGRA_TDRY_RH, "TDB,RH", 12.0, 0.62},
};

std::string scatter_file(bool labelled)
{
    std::ostringstream csv;
    csv.precision(17);
    csv << "hour,TDB,RH,W,TDEW" << (labelled ? ",label" : "") << "\n";
    for (const scatter_row& r : scatter_rows) {
        const std::string c = r.columns;
        csv << r.hour << ',' << r.first << ',';
        csv << (c == "TDB,RH" ? std::to_string(r.second) : "") << ',';
        if (c == "TDB,W")
            csv << r.second;
        csv << ',';
        if (c == "TDB,TDEW")
            csv << r.second;
        if (labelled)
            csv << (r.hour == 3 ? ",peak" : ",");
        csv << "\n";
    }
    return csv.str();
}

TEST(ChartData, ScatterStatesLandWhereTheLibraryPutsThemUnlabelledByDefault)
{
    for (const std::vector<std::string>& extra :
         std::vector<std::vector<std::string>>{{}, {"ALT=1500"}, {"--colour-by", "hour"}}) {
        std::vector<std::string> args{"--scatter", temporary_file(scatter_file(false))};
        args.insert(args.end(), extra.begin(), extra.end());
        const process_result r = chart(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const chart_reading svg(r.out);
        ASSERT_TRUE(svg.parsed());
        const plot_mapping m = svg.mapping();
        const std::vector<scatter_mark> marks = svg.scatter();
        ASSERT_EQ(marks.size(), std::size(scatter_rows));
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const scatter_row& row = scatter_rows[i];
            const library_answer tdb =
                library(row.type, HYGRA_TDB, units_of(m), row.first, row.second, m.pressure);
            const library_answer w =
                library(row.type, HYGRA_W, units_of(m), row.first, row.second, m.pressure);
            ASSERT_EQ(w.code, HYGRA_OK);
            const chart_state s = m.state_at(marks[i].centre);
            EXPECT_LT(t_pixels(m, s.tdb - tdb.value), 0.01) << row.hour;
            EXPECT_LT(w_pixels(m, s.w - w.value), 0.01) << row.hour;
            EXPECT_NEAR(marks[i].w, w.value, 1e-12);
        }
        for (const text_box& t : svg.texts())
            EXPECT_NE(t.css_class, "point-label") << t.text;
        if (!extra.empty() && extra[0] == "--colour-by") {
            // Coloured along the scale from the first hour to the last.
            EXPECT_EQ(marks.front().value, 0.0);
            EXPECT_EQ(marks.back().value, 7.0);
            EXPECT_NE(marks.front().fill, marks.back().fill);
            // The pieces of the colour scale's bar tile it, each reaching the next.
            const std::vector<std::string> x = svg.attributes("//s:g[@class='legend']/s:rect", "x");
            const std::vector<std::string> width = svg.attributes("//s:g[@class='legend']/s:rect", "width");
            ASSERT_GT(x.size(), 5u);
            for (std::size_t k = 1; k < x.size(); ++k) {
                const double end = std::stod(x[k - 1]) + std::stod(width[k - 1]);
                EXPECT_TRUE(end >= std::stod(x[k]) && end < std::stod(x[k]) + 1.0) << k;
            }
        }
    }

    // The marks' size and colour as asked; a colour SVG cannot draw refused.
    const process_result sized = chart({"--scatter", temporary_file(scatter_file(false)),
                                        "--marker-size", "6", "--marker-colour", "red"});
    ASSERT_EQ(sized.status, 0) << sized.err;
    const chart_reading sized_svg(sized.out);
    EXPECT_EQ(sized_svg.first_attribute("//s:circle[@class='scatter-point']", "r"), "3");
    EXPECT_EQ(sized_svg.first_attribute("//s:g[@class='scatter']", "fill"), "red");
    const process_result bad_colour = chart({"--scatter", temporary_file(scatter_file(false)),
                                             "--marker-colour", "red\" onload=\"x"});
    EXPECT_EQ(bad_colour.status, 2);
    EXPECT_NE(bad_colour.err.find("is not a colour; give #rrggbb, #rgb or a name"),
              std::string::npos);

    // A given range leaves out the states outside it, and says how many.
    const process_result narrow =
        chart({"--scatter", temporary_file(scatter_file(false)), "--tdb", "-6:30"});  // -6 on its end
    ASSERT_EQ(narrow.status, 0) << narrow.err;
    EXPECT_EQ(narrow.err, "hygra: 1 of 8 scatter states lie outside the chart and are not drawn; "
                          "widen --tdb or --w to draw them\n");
    EXPECT_EQ(chart_reading(narrow.out).scatter().size(), std::size(scatter_rows) - 1);

    // Labels only where the file has them.
    const process_result r = chart({"--scatter", temporary_file(scatter_file(true))});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    std::vector<std::string> labels;
    for (const text_box& t : svg.texts()) {
        if (t.css_class == "point-label")
            labels.push_back(t.text);
    }
    EXPECT_EQ(labels, std::vector<std::string>{"peak"});
}

TEST(ChartData, DensityCellsHoldEveryStateOnce)
{
    const process_result r =
        chart({"--scatter", temporary_file(scatter_file(false)), "--density"});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    int total = 0;
    for (const std::string& n : svg.attributes("//s:rect[@class='cell']", "data-count"))
        total += std::stoi(n);
    EXPECT_EQ(total, static_cast<int>(std::size(scatter_rows)));
    EXPECT_TRUE(svg.scatter().empty());
}

TEST(ChartData, ComfortZonesHaveTheirCornersAndCountTheStatesInside)
{
    // Summer (0.5 clo): 23.6 and 26.8 degC at W = 0.012, 28.3 and 25.1 at 0;
    // winter (1.0 clo): 19.6 and 23.9 at 0.012, 26.3 and 21.7 at 0.
    const std::vector<chart_state> summer{{23.6, 0.012}, {26.8, 0.012}, {28.3, 0.0}, {25.1, 0.0}};
    const std::vector<chart_state> winter{{19.6, 0.012}, {23.9, 0.012}, {26.3, 0.0}, {21.7, 0.0}};
    // States in the summer zone only, the winter zone only, both (where they
    // overlap) and neither, by dry bulb and humidity ratio.
    const std::vector<chart_state> states{
        {26.0, 0.008}, {27.0, 0.004}, {25.5, 0.0105},  // summer
        {21.0, 0.009}, {22.5, 0.003},                   // winter
        {24.5, 0.006},                                  // both
        {30.0, 0.010}, {18.0, 0.006}, {25.0, 0.0135}, {28.0, 0.0110},  // neither
    };
    std::ostringstream csv;
    csv.precision(17);
    csv << "TDB,W\n";
    for (const chart_state& s : states)
        csv << s.tdb << ',' << s.w << '\n';
    const int summer_count = 4;  // three in summer only and the one in both
    const int winter_count = 3;

    const process_result r = chart({"--scatter", temporary_file(csv.str()), "--zone", "summer",
                                    "--zone", "winter"});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    ASSERT_TRUE(svg.parsed());
    const plot_mapping m = svg.mapping();
    const std::vector<chart_zone> zones = svg.zones();
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].name, "summer comfort, 0.5 clo");
    EXPECT_EQ(zones[1].name, "winter comfort, 1.0 clo");
    EXPECT_EQ(zones[0].inside, summer_count);
    EXPECT_EQ(zones[1].inside, winter_count);
    // Every corner is on the outline.
    for (std::size_t k = 0; k < 2; ++k) {
        for (const chart_state& corner : k == 0 ? summer : winter) {
            const pixel p = m.pixel_of(corner);
            EXPECT_LT(distance_to(zones[k].outline, p), 0.02) << corner.tdb << "," << corner.w;
        }
    }
    // The counts on standard error and in the legend.
    EXPECT_NE(r.err.find("summer comfort, 0.5 clo              4   40.0 %"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("winter comfort, 1.0 clo              3   30.0 %"), std::string::npos)
        << r.err;
    std::string legend;
    for (const text_box& t : svg.texts())
        legend += t.text + "\n";
    EXPECT_NE(legend.find("summer comfort, 0.5 clo: 4 of 10 states (40 %)"), std::string::npos)
        << legend;

    // One zone a --zone: a pressure after it is still the pressure.
    const process_result words = chart({"--zone", "summer", "P=0.9", "--zone", "winter"});
    ASSERT_EQ(words.status, 0) << words.err;
    const chart_reading words_svg(words.out);
    EXPECT_EQ(words_svg.zones().size(), 2u);
    EXPECT_EQ(words_svg.mapping().pressure, 0.9);

    // In inch-pound units the same corners, in degF.
    const process_result ip = chart({"--ip", "--zone", "winter"});
    ASSERT_EQ(ip.status, 0) << ip.err;
    const chart_reading ip_svg(ip.out);
    const plot_mapping ip_m = ip_svg.mapping();
    for (const chart_state& corner : winter) {
        const pixel p = ip_m.pixel_of({corner.tdb * 1.8 + 32.0, corner.w});
        EXPECT_LT(distance_to(ip_svg.zones().at(0).outline, p), 0.02) << corner.tdb;
    }
}

TEST(ChartData, ZoneFileEdgesFollowTheirInputPair)
{
    // A zone between 20 and 26 degC from 30 % to 60 %: its upper and lower
    // edges are curves of constant relative humidity.
    const std::string zone_file =
        temporary_file("zone,TDB,RH\noffice,20,0.3\noffice,26,0.3\noffice,26,0.6\noffice,20,0.6\n");
    const std::string dew_file = temporary_file("TDB,TDEW\n10,5\n30,5\n30,15\n10,8\n");
    const process_result r = chart({"--zone", zone_file, "--zone", dew_file});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    const plot_mapping m = svg.mapping();
    const std::vector<chart_zone> zones = svg.zones();
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].name, "office");
    int on_rh = 0;
    for (const pixel& p : zones[0].outline) {
        const chart_state s = m.state_at(p);
        for (double rh : {0.3, 0.6}) {
            const library_answer w = library(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, s.tdb, rh, m.pressure);
            on_rh += w.code == HYGRA_OK && w_pixels(m, s.w - w.value) < 0.02;
        }
    }
    EXPECT_GE(on_rh, 40);  // both long edges, traced along the curve
    // The dew-point zone: its lower edge at the humidity ratio of a 5 degC dew point.
    const library_answer w5 = library(HYGRA_TDRY_TDEW, HYGRA_W, HYGRA_SI, 20.0, 5.0, m.pressure);
    int on_dew = 0;
    for (const pixel& p : zones[1].outline)
        on_dew += w_pixels(m, m.state_at(p).w - w5.value) < 0.02;
    EXPECT_GE(on_dew, 20);
    // Named after its file, without the file's ending.
    const std::string base = dew_file.substr(dew_file.find_last_of('/') + 1);
    EXPECT_EQ(zones[1].name, base.substr(0, base.find_last_of('.')));

    // A corner the library gives no state for, and a header without a pair.
    const process_result bad = chart({"--zone", temporary_file("TDB,RH\n20,0.3\n26,1.4\n22,0.5\n")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("corner 1 or the edge after it gives no state"), std::string::npos)
        << bad.err;
    const process_result header = chart({"--zone", temporary_file("TDB,HM\n20,30\n")});
    EXPECT_EQ(header.status, 2);
    EXPECT_NE(header.err.find("must have a header naming TDB and one of RH, W or TDEW"),
              std::string::npos);
    const process_result missing = chart({"--zone", "autumn"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("--zone: 'autumn' is neither summer, winter nor a file"),
              std::string::npos);
}

TEST(ChartData, ProcessChainsAreJoinedEachInItsOwnOrder)
{
    // An air-handling unit: outdoor and room air mixed, cooled, supplied, and
    // the room's air returned to the mixing box.
    const std::string file = temporary_file(
        "label,process,TDB,RH,W\n"
        "Outdoor,supply,33,,0.0150\nMixed,supply,26.7,,0.0111\nOff coil,supply,12.5,0.95,\n"
        "Supply,supply,16,,0.0086\nRoom,supply,24,0.5,\nRoom,return,24,0.5,\n"
        "Mixed,return,26.7,,0.0111\n");
    const process_result r = chart({"--points", file, "--process"});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    const std::vector<state_mark> marks = svg.marks();
    ASSERT_EQ(marks.size(), 7u);
    const std::vector<process_segment> segments = svg.process();
    ASSERT_EQ(segments.size(), 5u);
    const int expected[][2] = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {6, 7}};
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const process_segment& s = segments[i];
        EXPECT_EQ(s.process, i < 4 ? "supply" : "return");
        EXPECT_EQ(s.from, expected[i][0]);
        EXPECT_EQ(s.to, expected[i][1]);
        EXPECT_TRUE(s.arrow);
        const pixel a = marks[s.from - 1].centre;
        const pixel b = marks[s.to - 1].centre;
        EXPECT_LT(std::hypot(s.start.x - a.x, s.start.y - a.y), 6.0);
        EXPECT_LT(std::hypot(s.end.x - b.x, s.end.y - b.y), 6.0);
    }
    std::string legend;
    for (const text_box& t : svg.texts())
        legend += t.text + "\n";
    EXPECT_NE(legend.find("process: supply"), std::string::npos);
    EXPECT_NE(legend.find("process: return"), std::string::npos);

    const process_result lone = chart(
        {"--points", temporary_file("process,TDB,RH\na,20,0.5\na,22,0.5\nb,25,0.4\n"), "--process"});
    EXPECT_EQ(lone.status, 2);
    EXPECT_NE(lone.err.find("the process 'b' has one point"), std::string::npos) << lone.err;
}

}  // namespace
}  // namespace hygra::tool_test
