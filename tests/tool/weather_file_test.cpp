// EnergyPlus weather files: a small file written here (eight header lines and
// a few hours, some with the format's marks of missing values) through
// hygra --epw and hygra --batch to the output.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "csv_text.h"
#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

// Hours of dry bulb and dew point (degC), relative humidity (%) and station
// pressure (Pa), as the file writes them.
std::string weather_file(const std::vector<std::vector<const char*>>& hours)
{
    std::string text = epw_header();
    for (std::size_t h = 0; h < hours.size(); ++h)
        text += epw_hour(7, static_cast<int>(h + 1), hours[h][0], hours[h][1], hours[h][2], hours[h][3]);
    return text;
}

const std::vector<std::vector<const char*>> hours{
    {"20.0", "10.0", "52", "83400"},   // a whole hour
    {"99.9", "10.0", "52", "83400"},   // dry bulb missing
    {"21.0", "99.9", "999", "83400"},  // dew point and relative humidity missing
    {"22.0", "12.0", "53", "999999"},  // pressure missing
    {"-5.0", "-8.0", "79", "84000"},   // below freezing
    {"25.0", "12.0", "999", "83000"},  // only the relative humidity missing: a note
};

TEST(WeatherFile, EveryHourGivesARowAndMissingValuesGiveEmptyRowsWithTheReason)
{
    const process_result r = run_tool({"--epw", temporary_file(weather_file(hours)), "W", "HM", "RH"});
    EXPECT_EQ(r.status, 1);
    const csv_rows rows = read_csv(r.out);
    ASSERT_EQ(rows.size(), 1 + hours.size()) << r.out;
    EXPECT_EQ(rows[0], (std::vector<std::string>{"year", "month", "day", "hour", "minute", "TDB [degC]", "TDEW [degC]",
                                                 "RH [%]", "P [Pa]", "W [kg/kg]", "HM [kJ/kg]", "RH [-]", "note",
                                                 "error"}));
    // Whole hours: the state from dry bulb and dew point at the station
    // pressure, the file's own RH kept beside the computed one. Missing values:
    // the column empty, no values, and the reason.
    const struct { std::size_t row; double tdb, tdew, pa; std::size_t empty_column; std::string note, error; } expected[] = {
        {1, 20.0, 10.0, 83400.0, 0, "", ""}, {2, 0, 0, 0, 5, "", "TDB is missing in the weather file (99.9)"},
        {3, 0, 0, 0, 6, "RH is missing in the weather file (999)", "TDEW is missing in the weather file (99.9)"},
        {4, 0, 0, 0, 8, "", "P is missing in the weather file (999999)"}, {5, -5.0, -8.0, 84000.0, 0, "", ""},
        {6, 25.0, 12.0, 83000.0, 7, "RH is missing in the weather file (999)", ""},  // never the mark as a number
    };
    const int codes[] = {HYGRA_W, HYGRA_HM, HYGRA_RH};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.row);
        const std::vector<std::string>& row = rows[e.row];
        ASSERT_EQ(row.size(), rows[0].size());
        EXPECT_EQ(row[3], std::to_string(e.row));
        EXPECT_EQ(row[12], e.note);
        EXPECT_EQ(row.back(), e.error);
        if (e.empty_column != 0) {
            EXPECT_EQ(row[e.empty_column], "");
        }
        for (std::size_t k = 0; k < 3; ++k) {
            const int code = codes[k];
            if (!e.error.empty())
                EXPECT_EQ(row[9 + k], "");
            else
                EXPECT_EQ(std::stod(row[9 + k]), library(HYGRA_TDRY_TDEW, code, HYGRA_SI, e.tdb, e.tdew, e.pa / 1e5).value);
        }
        if (e.error.empty() && !row[7].empty()) {
            EXPECT_NEAR(std::stod(row[11]), std::stod(row[7]) / 100.0, 0.02);  // the file's own figure, rounded
        }
    }
    EXPECT_NE(r.err.find("hygra: 3 of 6 rows failed; the error column says why:\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("1 row: TDB is missing in the weather file (99.9) (line 10)"), std::string::npos) << r.err;
}

TEST(WeatherFile, InputsChosenOnTheCommandLineJsonLinesAndFilesThatAreNoWeatherFile)
{
    // JSON lines, a row an object: the file's fields are strings as written,
    // a missing value gives null values and the reason.
    const process_result by_rh = run_tool({"--batch", "-", "--inputs", "TDB,RH", "W", "--format", "json-lines"},
                                          weather_file({hours[0], hours[1]}));
    EXPECT_EQ(by_rh.status, 1);
    std::istringstream lines(by_rh.out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);)
        objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["TDB [degC]"], "20.0");
    // 52 % at 20 degC and 834 hPa.
    EXPECT_NEAR(objects[0]["W [kg/kg]"].get<double>(),
                library(HYGRA_TDRY_RH, HYGRA_W, HYGRA_SI, 20.0, 0.52, 0.834).value, 1e-17);
    EXPECT_EQ(objects[0]["error"], "");
    EXPECT_TRUE(objects[1]["W [kg/kg]"].is_null());
    EXPECT_EQ(objects[1]["error"], "TDB is missing in the weather file (99.9)");

    // A record that ends before the station pressure.
    const std::string whole = epw_hour(7, 1, "20.0", "10.0", "52", "83400");
    const process_result cut_record =
        run_tool({"--epw", "-", "W"}, epw_header() + whole.substr(0, whole.find(",83400")) + "\n");
    EXPECT_EQ(cut_record.status, 1);
    EXPECT_EQ(read_csv(cut_record.out).at(1).back(),
              "the weather record has 9 fields; the station pressure is field 10");
    const process_result not_epw = run_tool({"--epw", "-"}, "TDB,RH\n20,0.5\n");
    EXPECT_EQ(not_epw.status, 2);
    EXPECT_EQ(not_epw.err, "hygra: the weather file is not an EnergyPlus weather file: its first "
                           "line does not begin with LOCATION\n");
    const process_result cut = run_tool({"--epw", "-"}, "LOCATION,x\nDESIGN CONDITIONS,0\n");
    EXPECT_EQ(cut.status, 2);
    EXPECT_EQ(cut.err, "hygra: the weather file ends inside the eight header lines of a weather file\n");
}

}  // namespace
}  // namespace hygra::tool_test
