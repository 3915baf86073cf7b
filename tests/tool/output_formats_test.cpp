// One state in each output format (table, CSV, JSON) and both unit systems,
// with the pressure given as P, as ALT or not at all, and the help and version
// text. The state is 20 degC and W 0.0073 (state type 2). How a property
// without value is shown is tested with the failures in error_messages_test.cpp.
#include <charconv>
#include <cmath>
#include <regex>
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

// Six significant digits, as the table shows values.
std::string six_digits(double v)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 6);
    return std::string(buffer, r.ptr);
}

TEST(OutputFormats, TableAlignsNameMeaningValueAndUnitForEveryProperty)
{
    const process_result r = run_tool({"TDB=20", "W=0.0073"});
    std::vector<std::string> lines;
    std::istringstream text(r.out);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 1u + HYGRA_PROPERTY_COUNT) << r.out << r.err;

    // Columns are separated by at least two blanks; a meaning or a unit has single blanks.
    const std::regex row(R"(^(\S+) {2,}(\S+(?: \S+)*) {2,}(\S+)(?:  (\S+(?: \S+)*))?$)");
    std::smatch header;
    ASSERT_TRUE(std::regex_match(lines[0], header, row)) << lines[0];
    EXPECT_EQ(header.str(1) + "|" + header.str(2) + "|" + header.str(3) + "|" + header.str(4), "name|meaning|value|unit");
    const auto meaning_column = header.position(2);
    const auto value_end = header.position(3) + header.length(3);

    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        const std::string& line = lines[1 + code];
        SCOPED_TRACE(line);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, row));
        EXPECT_EQ(m[1], hygra_property_name(code));
        EXPECT_EQ(m[2], hygra_property_meaning(code));
        EXPECT_EQ(m[4], hygra_property_unit(code, HYGRA_SI));
        EXPECT_EQ(m.position(2), meaning_column);
        EXPECT_EQ(m.position(3) + m.length(3), value_end);  // values aligned on the right
        const library_answer expected = library(HYGRA_TDRY_W, code, HYGRA_SI, 20.0, 0.0073, pressure_at(HYGRA_SI, 0.0));
        ASSERT_EQ(expected.code, HYGRA_OK);
        EXPECT_EQ(m[3], six_digits(expected.value));
    }
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    // Spot checks of the inline properties, independent of the library's answers.
    EXPECT_NE(r.out.find("\nTDB "), std::string::npos);
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"(\nP +total pressure +1\.01325  bar\n)")));
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"(\nW +humidity ratio[^\n]* 0\.0073\n)")));
}

TEST(OutputFormats, CsvHasOneRowPerPropertyWithExactValuesAndQuotedMeanings)
{
    // Properties in the order asked for, each once, names in any case; options
    // may follow the inputs.
    const process_result r = run_tool({"tdb=20", "w=0.0073", "w", "TDB", "P", "W", "xw", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const csv_rows rows = read_csv(r.out);
    ASSERT_EQ(rows.size(), 5u) << r.out;
    EXPECT_EQ(rows[0], (std::vector<std::string>{"name", "meaning", "value", "unit"}));
    const double p0 = pressure_at(HYGRA_SI, 0.0);
    const struct { int code; const char* unit; } expected[] = {
        {HYGRA_W, ""}, {HYGRA_TDB, "degC"}, {HYGRA_P, "bar"}, {HYGRA_XW, ""}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const std::vector<std::string>& row = rows[i + 1];
        ASSERT_EQ(row.size(), 4u);
        EXPECT_EQ(row[0], hygra_property_name(expected[i].code));
        EXPECT_EQ(row[1], hygra_property_meaning(expected[i].code));  // "humidity ratio, mass ..." has a comma
        EXPECT_EQ(std::stod(row[2]), library(HYGRA_TDRY_W, expected[i].code, HYGRA_SI, 20.0, 0.0073, p0).value);
        EXPECT_EQ(row[3], expected[i].unit);
    }
}

TEST(OutputFormats, JsonNamesUnitsInputsAndPropertiesAndThePressureFromPOrAltitude)
{
    const process_result r = run_tool({"--json", "W=0.0073", "TDB=20", "p=0.9", "TDB", "P", "XA"});
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(r.out);
    // Inputs in the order given, properties in the order asked for.
    EXPECT_EQ(json.at("inputs").dump(), R"({"W":0.0073,"TDB":20.0,"P":0.9})");
    EXPECT_EQ(json.at("enthalpy_datum"), "dry air zero at 0 degC and 1 atm; water zero as liquid at 0.01 degC");
    const nlohmann::ordered_json& props = json.at("properties");
    ASSERT_EQ(props.size(), 3u);
    EXPECT_EQ(props.begin().key(), "TDB");
    EXPECT_EQ((++props.begin()).key(), "P");
    EXPECT_EQ(props.at("P").dump(), R"({"value":0.9,"unit":"bar","meaning":"total pressure"})");
    EXPECT_EQ(props.at("TDB").at("unit"), "degC");
    EXPECT_NEAR(props.at("TDB").at("value").get<double>(), 20.0, 1e-12);
    EXPECT_EQ(props.at("XA").at("value").get<double>(),
              library(HYGRA_W_TDRY, HYGRA_XA, HYGRA_SI, 0.0073, 20.0, 0.9).value);
    EXPECT_EQ(props.at("XA").at("unit"), "");

    // Sea level in both unit systems is in every case of pair_test.cpp.
    // The altitude is the ALT that the JSON inputs repeat, or 0 where there is none.
    const struct { std::vector<std::string> args; double pressure, altitude; } table[] = {
        {{"TDB=20", "W=0.0073", "ALT=1500"}, pressure_at(HYGRA_SI, 1500.0), 1500.0},
        {{"--ip", "TDB=68", "W=0.0073", "P=10"}, 10.0, 0.0},
        {{"--ip", "TDB=68", "W=0.0073", "alt=5280"}, pressure_at(HYGRA_IP, 5280.0), 5280.0},
    };
    for (const auto& t : table) {
        std::vector<std::string> args = t.args;
        args.insert(args.end(), {"--json", "P"});
        const process_result p = run_tool(args);
        SCOPED_TRACE(p.out + p.err);
        ASSERT_EQ(p.status, 0);
        const nlohmann::ordered_json doc = nlohmann::ordered_json::parse(p.out);
        EXPECT_EQ(doc.at("properties").at("P").at("value").get<double>(), t.pressure);
        EXPECT_EQ(doc.at("inputs").at("P").get<double>(), t.pressure);
        EXPECT_EQ(doc.at("inputs").value("ALT", 0.0), t.altitude);
    }
}

// --help and --version: what a user reads before anything else.
TEST(Usage, HelpGivesUsageInputsPairsLimitsAndExamplesAndVersionTheProjectVersion)
{
    const process_result r = run_tool({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* text : {
             "Usage: hygra [OPTIONS] NAME=VALUE NAME=VALUE [P=VALUE | ALT=VALUE] [PROPERTY...]",
             "hygra [OPTIONS] --batch FILE", "--ip", "--csv", "--json", "--version",
             "TDB with TWB, RH, W, HM, SM, VM or TDEW;", "RH relative humidity (a fraction 0..1, not per cent)",
             // The limits of moistair_const, in both unit systems.
             "dry-bulb temperature -100 to 372 degC (-148 to 701.6 degF)",
             "total pressure 0 to 50 bar (0 to 725.19 psi)", "1.01325 bar\n(14.696 psi)", "TDB TWB TDEW P PWS",
             "Examples:", "hygra TDB=20 RH=0.5", "hygra --batch rooms.csv", "| hygra --batch - W HM",
             // Batches of real data: columns, units, weather files, the datum.
             "hygra [OPTIONS] --epw FILE", "--inputs", "--unit", "--format", "--keep-going", "--progress",
             "--delimiter", "RH [%]", "P bar, Pa, hPa (mbar), kPa, psi, inHg, mmHg",
             "--ip-datum=0F puts dry air's zero at 0 degF", "or the output cannot be written",
         }) {
        EXPECT_NE(r.out.find(text), std::string::npos) << "missing: " << text;
    }
    const process_result version = run_tool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("hygra ") + HYGRA_TOOL_VERSION + "\n");
}

}  // namespace
}  // namespace hygra::tool_test
