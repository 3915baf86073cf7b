// Every class of error, as the user sees it: one sentence on standard error,
// nothing on standard output, and the exit status (2 for what the user asked
// wrongly, 1 for a state the library cannot give).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tool_process.h"

namespace hygra::tool_test {
namespace {

// The message is the whole first line of standard error, after "hygra: ".
struct error_case { std::vector<std::string> args; int status; std::string message; };

process_result expect_error(const error_case& t, const std::string& fail = "")
{
    std::string shown = fail;
    for (const std::string& a : t.args)
        shown += " " + a;
    SCOPED_TRACE(shown);
    const process_result r = run_tool(t.args, "", failing(fail));
    EXPECT_EQ(r.status, t.status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "hygra: " + t.message);
    return r;
}

const std::string inputs = "TDB, TWB, TDEW, RH, W, HM, SM and VM";

TEST(ErrorMessages, WhatTheUserAskedWronglyAndValuesOutsideTheRange)
{
    const error_case table[] = {
        // Names that name nothing.
        {{"TDB=20", "XYZ=3"}, 2,
         "unknown input 'XYZ' in 'XYZ=3'; the inputs are " + inputs + ", and P or ALT for the pressure"},
        {{"TDB=20", "W=0.01", "FOO"}, 2, "unknown property 'FOO'; the properties are listed by hygra --help"},
        {{"TDB=20", "W=0.01", "ALT"}, 2, "unknown property 'ALT'; the properties are listed by hygra --help"},
        {{"HA=20", "TDB=20"}, 2, "HA cannot fix a state; the inputs are " + inputs + ", and P or ALT for the pressure"},
        {{"--bogus", "TDB=20", "W=0.01"}, 2, "The following argument was not expected: --bogus"},
        // The humidity ratio gives the dew point: the one pair of inputs that
        // fixes nothing (the other order is in the batch's header test).
        {{"TDEW=10", "W=0.008"}, 2,
         "TDEW and W do not fix a state; the pairs that do are TDB with TWB, RH, W, HM, SM, VM or TDEW; "
         "W with TWB, TDB, RH, HM, SM or VM; RH with TWB, TDB, W, HM, SM or VM; "
         "TDEW with TWB, RH, HM, SM or VM; TWB with HM, SM or VM; HM with SM or VM; SM with VM"},
        {{}, 2, "no state given; name two inputs, for example hygra TDB=20 RH=0.5 (hygra --help lists them)"},
        {{"TDB=20", "TDB"}, 2, "only one input given (TDB); a state needs two"},
        {{"TDB=20", "W=0.01", "RH=0.5"}, 2, "3 inputs given (TDB, W, RH); a state takes two"},
        {{"TDB=20", "tdb=21"}, 2, "TDB is given twice"},
        {{"TDB=20", "W=0.01", "P=1", "ALT=0"}, 2, "the pressure is given twice; give one P= or one ALT="},
        {{"--csv", "--json", "TDB=20", "W=0.01"}, 2, "--csv excludes --json"},
        {{"--ip-datum=0F", "TDB=20", "W=0.01"}, 2, "--ip-datum=0F is for inch-pound values; add --ip"},
        // Malformed numbers.
        {{"TDB=2O", "W=0.01"}, 2, "TDB: '2O' is not a number"},
        {{"TDB=20", "W=0,01"}, 2, "W: '0,01' is not a number"},  // a decimal comma
        {{"TDB=20", "W="}, 2, "W has no value"}, {{"TDB=20", "W=0.01", "P=1bar"}, 2, "P: '1bar' is not a number"},
        {{"TDB=20", "W=0.01", "ALT=high"}, 2, "ALT: 'high' is not a number"},
        {{"TDB=nan", "W=0.01"}, 2, "TDB: 'nan' is not a finite number"},
        {{"TDB=1e999", "W=0.01"}, 2, "TDB: '1e999' is not a finite number"},
        {{"TDB=++1", "W=0.01"}, 2, "TDB: '++1' is not a number"},
        // Values outside the range name the input and the range: state type
        // 2 is built, so these are the library's own range errors.
        {{"TDB=400", "W=0.01"}, 1, "TDB = 400 degC is outside the range of the formulation, -100 to 372 degC"},
        {{"W=0.01", "TDB=-150"}, 1, "TDB = -150 degC is outside the range of the formulation, -100 to 372 degC"},
        {{"--ip", "TDB=800", "W=0.01"}, 1,
         "TDB = 800 degF is outside the range of the formulation, -148 to 701.6 degF"},
        {{"TDB=20", "W=0.01", "P=60"}, 1, "P = 60 bar is outside the range of the formulation, 0 to 50 bar"},
        {{"--ip", "TDB=68", "W=0.01", "P=800"}, 1,
         "P = 800 psi is outside the range of the formulation, 0 to 725.19 psi"},
        {{"TDB=20", "W=0.01", "P=-1"}, 1, "P = -1 bar is outside the range of the formulation, 0 to 50 bar"},
        {{"TDB=20", "W=-0.01"}, 1, "W = -0.01 is negative"},
        {{"TDB=20", "W=0.01", "ALT=20000"}, 1,
         "ALT = 20000 m is outside the range of the standard atmosphere, -500 to 10000 m"},
        {{"--ip", "TDB=68", "W=0.01", "ALT=-2000"}, 1,
         "ALT = -2000 ft is outside the range of the standard atmosphere, -1640.42 to 32808.4 ft"},
        // States that the searches refuse: the tool names the input when the
        // inputs show which one, and gives the library's own words otherwise.
        {{"TDB=20", "RH=1.5"}, 1, "RH = 1.5 is outside 0 to 1 (relative humidity is a fraction, not per cent)"},
        {{"RH=50", "TDB=20"}, 1, "RH = 50 is outside 0 to 1 (relative humidity is a fraction, not per cent)"},
        {{"TDB=400", "TWB=15"}, 1, "TDB = 400 degC is outside the range of the formulation, -100 to 372 degC"},
        {{"TDB=20", "TWB=-120"}, 1, "TWB = -120 degC is outside the range of the formulation, -100 to 372 degC"},
        {{"TDB=20", "TWB=25"}, 1, "wet-bulb temperature 25 degC is above the dry-bulb temperature 20 degC"},
        {{"W=0.01", "HM=-500"}, 1,
         "no state of moist air with humidity ratio 0.01 kg/kg and enthalpy -500 kJ/kg at 1.01325 "
         "bar lies within the model's range (-100 degC to 372 degC)"},
        {{"TDB=20", "VM=0.1"}, 1,
         "no state of moist air with dry-bulb temperature 20 degC and specific volume 0.1 m3/kg at "
         "1.01325 bar lies within the model's range (-100 degC to 372 degC)"},
        {{"W=0", "HM=40"}, 1, "a humidity ratio of 0 is dry air, which enthalpy does not fix: give dry air by its "
         "dry-bulb temperature and W = 0"},
    };
    for (const error_case& t : table)
        expect_error(t);
    // Forms that are numbers.
    for (const char* text : {"+20", "20.", "2e1", " 20", "20.0000"}) {
        const process_result r = run_tool({std::string("TDB=") + text, "W=0.01", "TDB", "--csv"});
        EXPECT_EQ(r.status, 0) << text << ": " << r.err;
    }
}

TEST(ErrorMessages, EveryResultCodeForAStateHasItsSentenceInEveryFormat)
{
    // No input of today's library makes a search fail, so a stand-in in front of
    // the library answers each code; inputs inside the range leave code 4
    // without an input to blame.
    const struct { const char* code; const char* format; std::string message; } table[] = {
        {"1", "--csv", "the library refused the inputs as an invalid argument"},
        {"2", "--json", "no state was found for these inputs (the search did not converge)"},
        {"3", "--csv", "the inputs do not apply to a state of moist air"},
        {"4", "--json", "the state is outside the range of the formulation (dry-bulb temperature -100 to 372 degC, "
         "pressure 0 to 50 bar)"},
        {"4", "--ip", "the state is outside the range of the formulation (dry-bulb temperature -148 to 701.6 degF, "
         "pressure 0 to 725.19 psi)"},
        {"7", "--csv", "the library failed with result code 7"},
    };
    for (const auto& t : table) {
        const process_result r = expect_error({{t.format, "TDB=20", "RH=0.5"}, 1, t.message}, t.code);
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);  // and nothing more
    }
    // In a batch the sentence fills the error column of every row.
    const process_result batch = run_tool({"--batch", "-", "TDB"}, "TDB,RH\n20,0.5\n25,0.5\n", failing("2"));
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.out, "TDB,RH,note,error\n"
              "20,0.5,,no state was found for these inputs (the search did not converge)\n"
              "25,0.5,,no state was found for these inputs (the search did not converge)\n");
}

TEST(ErrorMessages, APropertyWithoutValueIsNamedAndTheOthersAreShown)
{
    // HM (code 19) fails; TDB and W are computed. Each code's sentence in a
    // batch, where TDB is an input and is echoed once, in its own column.
    const struct { const char* fail; std::string message; } table[] = {
        {"19:2", "HM: could not be computed (the computation did not converge)"},
        {"19:3", "HM: does not apply to this state"},
        {"19:4", "HM: outside the range of the formulation for this state"},
        {"19:1", "HM: the library refused the request as an invalid argument"},
    };
    for (const auto& t : table) {
        const process_result batch = run_tool({"--batch", "-", "HM", "TDB"}, "TDB,W\n20,0.0073\n", failing(t.fail));
        EXPECT_EQ(batch.status, 1);
        EXPECT_EQ(batch.out, "TDB,W,HM [kJ/kg],note,error\n20,0.0073,,," + t.message + "\n");
    }
    // Each format shows the value missing, each with another code; HM asked
    // twice is named once.
    const process_result text = run_tool({"TDB=20", "W=0.0073", "TDB", "HM", "W", "HM"}, "", failing(table[0].fail));
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err, "hygra: " + table[0].message + "\n");
    EXPECT_NE(text.out.find("TDB "), std::string::npos);
    EXPECT_NE(text.out.find(" n/a  kJ/kg\n"), std::string::npos) << text.out;
    const process_result csv = run_tool({"--csv", "TDB=20", "W=0.0073", "HM"}, "", failing(table[1].fail));
    EXPECT_EQ(csv.status, 1);
    EXPECT_EQ(csv.err, "hygra: " + table[1].message + "\n");
    EXPECT_EQ(csv.out, "name,meaning,value,unit\nHM,\"specific enthalpy of moist air, per mass of dry air\",,kJ/kg\n");
    const process_result json = run_tool({"--json", "TDB=20", "W=0.0073", "HM", "TDB"}, "", failing(table[2].fail));
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("\"HM\": {\n      \"value\": null,\n      \"error\": \"" + table[2].message + "\""),
              std::string::npos) << json.out;
}

TEST(ErrorMessages, PropertiesTheLibraryCannotGiveSayWhyInItsWords)
{
    // Half saturated at -99 degC and 0.01 bar: the dew point lies below the
    // model's range, while the wet bulb is found.
    const process_result r = run_tool({"TDB=-99", "RH=0.5", "P=0.01", "TDEW", "TWB"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("TWB"), std::string::npos);
    EXPECT_EQ(r.err, "hygra: TDEW: the dew point of this state lies below the lowest temperature of the "
              "model, -100 degC\n");
}

}  // namespace
}  // namespace hygra::tool_test
