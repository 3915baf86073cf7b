// hygra chart --scatter of a weather file written here: each hour's state
// read back from the SVG against the library at the chart's pressure, the
// hours with a missing dry bulb or dew point left out and counted, the
// colouring by month and hour, and the hours inside a comfort zone counted
// against a count by hand.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart_reading.h"
#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

// One hour of the file: month, hour, dry bulb and dew point (degC) as written.
struct weather_hour {
    int month;
    int hour;
    const char* tdb;
    const char* tdew;
    const char* rh;
};

std::string weather_file(const std::vector<weather_hour>& hours, const char* pressure)
{
    std::string text = epw_header();
    for (const weather_hour& h : hours)
        text += epw_hour(h.month, h.hour, h.tdb, h.tdew, h.rh, pressure);
    return text;
}

// Hours in and out of the summer comfort zone, and two the format marks missing.
const std::vector<weather_hour> hours{
    {1, 3, "-5.0", "-9.0", "70"},    // cold, outside
    {4, 14, "26.0", "10.0", "36"},   // inside
    {7, 15, "99.9", "12.0", "40"},   // dry bulb missing: left out
    {7, 16, "27.0", "5.0", "999"},   // inside; only its RH missing, which is not used
    {8, 12, "30.0", "99.9", "999"},  // dew point missing: left out
    {10, 9, "18.0", "8.0", "52"},    // outside
    {12, 23, "25.5", "18.0", "65"},  // above W = 0.012 at sea level: outside
};

process_result chart(std::vector<std::string> args, const std::string& input = "")
{
    args.insert(args.begin(), "chart");
    return run_tool(args, input);
}

// The marks of the scatter hold the drawn hours' states at the chart's
// pressure and unit system, coloured by `column` (month or hour).
void expect_hours_drawn(const chart_reading& svg, const std::string& column)
{
    const plot_mapping m = svg.mapping();
    const int units = m.units == "SI" ? HYGRA_SI : HYGRA_IP;
    const std::vector<scatter_mark> marks = svg.scatter();
    std::vector<weather_hour> drawn = hours;  // all but the third and fifth
    drawn.erase(drawn.begin() + 4);
    drawn.erase(drawn.begin() + 2);
    ASSERT_EQ(marks.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(drawn[i].tdb);
        double tdb = std::stod(drawn[i].tdb);
        double tdew = std::stod(drawn[i].tdew);
        if (units == HYGRA_IP) {
            tdb = tdb * 1.8 + 32.0;
            tdew = tdew * 1.8 + 32.0;
        }
        const library_answer w = library(HYGRA_TDRY_TDEW, HYGRA_W, units, tdb, tdew, m.pressure);
        ASSERT_EQ(w.code, HYGRA_OK);
        EXPECT_NEAR(marks[i].tdb, tdb, 1e-9);
        EXPECT_NEAR(marks[i].w, w.value, 1e-12);
        const chart_state s = m.state_at(marks[i].centre);
        EXPECT_LT(t_pixels(m, s.tdb - tdb), 0.01);
        EXPECT_LT(w_pixels(m, s.w - w.value), 0.01);
        EXPECT_EQ(marks[i].value, column == "month" ? drawn[i].month : drawn[i].hour);
    }
}

TEST(ChartWeather, HoursOfAWeatherFileAreDrawnAtTheChartsPressureAndMissingOnesCounted)
{
    const std::string path = temporary_file(weather_file(hours, "83400"));

    // At sea level: the station pressure is not used, and standard error
    // says so, with the hours left out.
    const process_result r = chart({"--scatter", path, "--colour-by", "month", "--zone", "summer"});
    ASSERT_EQ(r.status, 0) << r.err;
    const chart_reading svg(r.out);
    ASSERT_TRUE(svg.parsed());
    EXPECT_EQ(svg.mapping().pressure, 1.01325);
    expect_hours_drawn(svg, "month");
    EXPECT_NE(r.err.find("'" + path + "': 2 of 7 hours lack a dry bulb, dew point or month and "
                         "are not drawn; the first, line 11: TDB is missing in the weather "
                         "file (99.9)\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("the station pressure averages 0.834 bar; the states are taken at the "
                         "chart's 1.01325 bar"),
              std::string::npos)
        << r.err;

    // Two hours inside the summer comfort zone (23.6 and 26.8 degC at
    // W = 0.012, 28.3 and 25.1 at 0), as a count by hand finds.
    ASSERT_EQ(svg.zones().size(), 1u);
    EXPECT_EQ(svg.zones()[0].inside, 2);
    EXPECT_NE(r.err.find("states inside  share of 5\nsummer comfort, 0.5 clo              2   40.0 %\n"),
              std::string::npos)
        << r.err;

    // At the station's pressure the note is gone; from a pipe, coloured by
    // hour, the same hours are drawn.
    const process_result piped =
        chart({"P=0.834", "--scatter", "-", "--colour-by", "hour"}, weather_file(hours, "83400"));
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.err.find("station pressure"), std::string::npos) << piped.err;
    EXPECT_NE(piped.err.find("the scatter input: 2 of 7 hours lack"), std::string::npos)
        << piped.err;
    const chart_reading piped_svg(piped.out);
    EXPECT_EQ(piped_svg.mapping().pressure, 0.834);
    expect_hours_drawn(piped_svg, "hour");

    // Inch-pound: the file's degC become degF.
    const process_result ip = chart({"--ip", "--scatter", path, "--colour-by", "month"});
    ASSERT_EQ(ip.status, 0) << ip.err;
    expect_hours_drawn(chart_reading(ip.out), "month");
}

TEST(ChartWeather, AColumnTheFileLacksOrARecordThatCannotBeReadIsRefused)
{
    const process_result no_column =
        chart({"--scatter", temporary_file(weather_file(hours, "101325")), "--colour-by", "label"});
    EXPECT_EQ(no_column.status, 2);
    EXPECT_NE(no_column.err.find("is a weather file, which has no column 'label' to colour by; "
                                 "give month, hour, day, TDB, TDEW, RH or P"),
              std::string::npos)
        << no_column.err;

    std::vector<weather_hour> faulty = hours;
    faulty[1].tdew = "ten";
    const process_result bad = chart({"--scatter", temporary_file(weather_file(faulty, "101325"))});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find(", line 10: TDEW [degC]: 'ten' is not a number\n"), std::string::npos)
        << bad.err;
    EXPECT_EQ(bad.out, "");

    // An empty dew point is not a fault of the file: the hour is left out.
    std::vector<weather_hour> empty = hours;
    empty[0].tdew = "";
    const process_result gap = chart({"--scatter", temporary_file(weather_file(empty, "101325"))});
    EXPECT_EQ(gap.status, 0) << gap.err;
    EXPECT_NE(gap.err.find(": 3 of 7 hours lack a dry bulb or dew point and are not drawn; the "
                           "first, line 9: a value it needs is empty\n"),
              std::string::npos)
        << gap.err;
    EXPECT_EQ(chart_reading(gap.out).scatter().size(), 4u);
}

}  // namespace
}  // namespace hygra::tool_test
