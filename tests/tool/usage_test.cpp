// --help and --version: what a user reads before anything else.
#include <string>

#include <gtest/gtest.h>

#include "tool_process.h"

namespace hygra::tool_test {
namespace {

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
