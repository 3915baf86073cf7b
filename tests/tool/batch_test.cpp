// hygra --batch: CSV rows in, the same rows with their properties, a note and
// an error column out. Most rows use state type 2 (TDB, W) and ask for four
// properties that are not inputs (XW, HM, RH, VM), enough to tell columns,
// units and pressures apart.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "csv_text.h"
#include "library_reference.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

const std::vector<std::string> properties{"XW", "HM", "RH", "VM"};
const int property_codes[] = {HYGRA_XW, HYGRA_HM, HYGRA_RH, HYGRA_VM};

process_result run_batch(const std::string& input, const std::vector<std::string>& args = {})
{
    std::vector<std::string> all{"--batch", "-"};
    all.insert(all.end(), args.begin(), args.end());
    all.insert(all.end(), properties.begin(), properties.end());
    return run_tool(all, input);
}

// A row of the output: the input fields, the four values, the note and the
// error. With an error the values are empty; without, the library's.
void expect_row(const std::vector<std::string>& row, std::size_t input_fields, const std::string& error,
                int type = 0, int units = 0, double first = 0, double second = 0, double pressure = 0)
{
    ASSERT_EQ(row.size(), input_fields + 6);
    for (std::size_t k = 0; k < 4; ++k) {
        if (error.empty())
            EXPECT_EQ(std::stod(row[input_fields + k]),
                      library(type, property_codes[k], units, first, second, pressure).value) << properties[k];
        else
            EXPECT_EQ(row[input_fields + k], "") << properties[k];
    }
    EXPECT_EQ(row.back(), error);
}

TEST(Batch, GoodAndBadRowsKeepTheirPlacesAndTheBatchGoesOn)
{
    const std::string input =
        "id,TDB,W,P\n"
        "a,20,0.0073,1.01325\n"
        "b,2O,0.0073,1\n"                 // malformed number
        "c,400,0.01,1\n"                  // outside the model's range
        "\"d, quoted\",25,0.01\n"         // a field short
        "e,,0.01,1\n"                     // empty value
        "f,20,0.01,60\n"                  // pressure outside the range
        "\"g \"\"x\"\"\",-10,0.001,0.9\n" // quotes inside a field
        "h,30,0.02,1,extra\n"             // a field too many
        "   \n"                           // blanks only: a row that says so
        "lonely\n"                        // one field
        "i,21,0.008,0.95";                // no final line end
    const process_result r = run_batch(input);
    EXPECT_EQ(r.status, 1);
    // Reasons that differ only in their numbers are counted together.
    EXPECT_EQ(r.err.rfind("hygra: 8 of 11 rows failed; the error column says why:\n"
                          "  2 rows: the row has 3 fields where the header has 4 (first at line 5)\n", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("  1 row: the line is blank (line 10)\n"), std::string::npos) << r.err;
    const csv_rows rows = read_csv(r.out);
    ASSERT_EQ(rows.size(), 12u) << r.out;
    EXPECT_EQ(rows[0], (std::vector<std::string>{"id", "TDB", "W", "P", "XW [-]", "HM [kJ/kg]", "RH [-]",
                                                 "VM [m3/kg]", "note", "error"}));
    // Every row begins with its own input fields, cut or padded to the header's four.
    const std::vector<std::string> ids{"a", "b", "c", "d, quoted", "e", "f", "g \"x\"", "h", "", "lonely", "i"};
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(rows[i + 1][0], ids[i]);
    EXPECT_EQ(rows[3][1], "400");
    EXPECT_EQ(rows[4][3], "");   // padded
    EXPECT_EQ(rows[8][3], "1");  // cut
    expect_row(rows[1], 4, "", HYGRA_TDRY_W, HYGRA_SI, 20.0, 0.0073, 1.01325);
    expect_row(rows[2], 4, "TDB: '2O' is not a number");
    expect_row(rows[3], 4, "TDB = 400 degC is outside the range of the formulation, -100 to 372 degC");
    expect_row(rows[4], 4, "the row has 3 fields where the header has 4");
    expect_row(rows[5], 4, "TDB is empty");
    expect_row(rows[6], 4, "P = 60 bar is outside the range of the formulation, 0 to 50 bar; 60 looks like "
                           "kPa: use --unit P=kPa");
    expect_row(rows[7], 4, "", HYGRA_TDRY_W, HYGRA_SI, -10.0, 0.001, 0.9);
    expect_row(rows[8], 4, "the row has 5 fields where the header has 4");
    expect_row(rows[9], 4, "the line is blank");
    expect_row(rows[10], 4, "the row has 1 field where the header has 4");
    expect_row(rows[11], 4, "", HYGRA_TDRY_W, HYGRA_SI, 21.0, 0.008, 0.95);
}

TEST(Batch, AFileReadsLikeStandardInputWithByteOrderMarkAndWindowsLineEnds)
{
    // The empty line between the rows is a row of its own, saying so.
    const std::string input = "\xEF\xBB\xBFW,TDB\r\n0.005,10\r\n\r\n0.01,25\r\n";
    const process_result piped = run_batch(input);
    const process_result file = run_tool({"--batch", temporary_file(input), "XW", "HM", "RH", "VM"});
    EXPECT_EQ(piped.status, 1) << piped.err;
    EXPECT_EQ(file.out, piped.out);
    const csv_rows rows = read_csv(piped.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][0], "W");
    // W first: state type 8, the inputs in the order of the header.
    const double p0 = pressure_at(HYGRA_SI, 0.0);
    expect_row(rows[1], 2, "", HYGRA_W_TDRY, HYGRA_SI, 0.005, 10.0, p0);
    expect_row(rows[2], 2, "the line is blank");
    expect_row(rows[3], 2, "", HYGRA_W_TDRY, HYGRA_SI, 0.01, 25.0, p0);
}

TEST(Batch, PairsInEitherOrderAndPressureFromAColumnTheCommandLineOrSeaLevelInEitherUnitSystem)
{
    const double p0 = pressure_at(HYGRA_SI, 0.0);
    const struct { std::vector<std::string> args; std::string input; int type, units; double first, second, pressure; }
        table[] = {
        // The header's order need not be the state type's: RH before TDEW is
        // TDEW_RH, VM before HM is H_V.
        {{}, "RH,TDEW\n0.5,10\n", HYGRA_TDEW_RH, HYGRA_SI, 10.0, 0.5, p0},
        {{}, "VM,HM\n0.845,40\n", HYGRA_H_V, HYGRA_SI, 40.0, 0.845, p0},
        {{"P=0.85"}, "TDB,W\n20,0.0073\n", HYGRA_TDRY_W, HYGRA_SI, 20.0, 0.0073, 0.85},
        {{"ALT=2000"}, "TDB,W\n20,0.0073\n", HYGRA_TDRY_W, HYGRA_SI, 20.0, 0.0073, pressure_at(HYGRA_SI, 2000.0)},
        {{}, "TDB,W,ALT\n20,0.0073,750\n", HYGRA_TDRY_W, HYGRA_SI, 20.0, 0.0073, pressure_at(HYGRA_SI, 750.0)},
        {{"--ip"}, "TDB,W\n68,0.0073\n", HYGRA_TDRY_W, HYGRA_IP, 68.0, 0.0073, pressure_at(HYGRA_IP, 0.0)},
        {{"--ip"}, "tdb,w,p\n68,0.0073,12.5\n", HYGRA_TDRY_W, HYGRA_IP, 68.0, 0.0073, 12.5},
        {{"--ip"}, "TDB,W,Alt\n68,0.0073,5280\n", HYGRA_TDRY_W, HYGRA_IP, 68.0, 0.0073, pressure_at(HYGRA_IP, 5280.0)},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.input);
        const process_result r = run_batch(t.input, t.args);
        ASSERT_EQ(r.status, 0) << r.err;
        const csv_rows rows = read_csv(r.out);
        ASSERT_EQ(rows.size(), 2u);
        ASSERT_EQ(rows[0].size(), rows[1].size());
        EXPECT_EQ(rows[1].back(), "");
        // An input asked for as a property is echoed once, as given: find each
        // property's column by its name, with or without a unit. A computed
        // column is the library's value to the last digit; an echoed input is
        // the value given, which the state reproduces to its search's tolerance.
        for (std::size_t k = 0; k < properties.size(); ++k) {
            const auto column = std::find_if(rows[0].begin(), rows[0].end(), [&](const std::string& h) {
                return h == properties[k] || h.rfind(properties[k] + " [", 0) == 0;
            });
            ASSERT_NE(column, rows[0].end()) << properties[k];
            const double cell = std::stod(rows[1][column - rows[0].begin()]);
            const double tolerance = *column == properties[k] ? 1e-8 : 0.0;
            EXPECT_NEAR(cell, library(t.type, property_codes[k], t.units, t.first, t.second, t.pressure).value,
                        tolerance * std::abs(cell)) << properties[k];
        }
    }
}

TEST(Batch, ManyRowsComeOutInTheirOrderWithFailuresInPlace)
{
    // Every third row is out of range; the cache of the library is emptied many
    // times over.
    std::string input = "n,TDB,W\n";
    for (int i = 0; i < 3000; ++i)
        input += std::to_string(i) + "," + (i % 3 == 2 ? "500" : std::to_string(i % 50)) + ",0.001\n";
    const process_result r = run_batch(input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "hygra: 1000 of 3000 rows failed; the error column says why:\n"
                     "  1000 rows: TDB = 500 degC is outside the range of the formulation, -100 to "
                     "372 degC (first at line 4)\n");
    const csv_rows rows = read_csv(r.out);
    ASSERT_EQ(rows.size(), 3001u);
    const double p0 = pressure_at(HYGRA_SI, 0.0);
    for (int i = 0; i < 3000; ++i) {
        const std::vector<std::string>& row = rows[i + 1];
        ASSERT_EQ(row[0], std::to_string(i));
        ASSERT_EQ(row.back() == "", i % 3 != 2);
        ASSERT_EQ(row[3] == "" ? -1.0 : std::stod(row[3]),
                  i % 3 == 2 ? -1.0 : library(HYGRA_TDRY_W, HYGRA_XW, HYGRA_SI, i % 50, 0.001, p0).value);
    }
}

TEST(Batch, EveryPropertyOfAStateFoundByASearch)
{
    // RH with TDB is found by a search; all forty-six properties by default,
    // the two inputs echoed once in their own columns, the others named with
    // their units.
    const process_result r = run_tool({"--batch", "-"}, "RH,TDB\n0.4,30\n");
    EXPECT_EQ(r.status, 0) << r.err;
    const csv_rows rows = read_csv(r.out);
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[0].size(), 2u + HYGRA_PROPERTY_COUNT - 2 + 2);
    ASSERT_EQ(rows[1].size(), rows[0].size());
    const double p0 = pressure_at(HYGRA_SI, 0.0);
    std::size_t column = 2;
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        if (code == HYGRA_TDB || code == HYGRA_RH)
            continue;
        EXPECT_EQ(rows[0][column].rfind(std::string(hygra_property_name(code)) + " [", 0), 0u) << rows[0][column];
        const library_answer expected = library(HYGRA_RH_TDRY, code, HYGRA_SI, 0.4, 30.0, p0);
        ASSERT_EQ(expected.code, HYGRA_OK);
        EXPECT_EQ(std::stod(rows[1][column]), expected.value) << rows[0][column];
        ++column;
    }
    EXPECT_EQ(rows[1][column], "");  // no note
    EXPECT_EQ(rows[1].back(), "");
    for (const char* name : {"W [kg/kg]", "HM [kJ/kg]", "TWB [degC]", "P [bar]", "RHO [kg/m3]", "XW [-]", "SM [kJ/(kg K)]"})
        EXPECT_NE(std::find(rows[0].begin(), rows[0].end(), name), rows[0].end()) << name;
}

}  // namespace
}  // namespace hygra::tool_test
