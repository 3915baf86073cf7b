// The tool at the edges of the model: the published limits are accepted as
// typed, and a property of water printed for a dry bulb above 200 degC comes
// with a note on standard error that its fit is extrapolated there.
#include <string>

#include <gtest/gtest.h>

#include "tool_process.h"

namespace hygra::tool_test {
namespace {

TEST(FitRangeNote, WaterPropertiesAbove200DegreesCarryANote)
{
    const process_result hot = run_tool({"TDB=300", "RH=0.01", "VG", "HW", "HM"});
    EXPECT_EQ(hot.status, 0);
    EXPECT_EQ(hot.err,
              "hygra: note: VG, HW at a dry bulb above 200 degC extrapolate the saturated-water "
              "fits, made up to that temperature (at 350 degC VW is some 6 % and VG 37 % off the "
              "steam tables)\n");
    // In inch-pound units the limit is 392 degF, just above it.
    EXPECT_NE(run_tool({"--ip", "TDB=392.05", "RH=0.01", "CPW"}).err.find("note: CPW at a dry bulb above 392 degF"),
              std::string::npos);
    // No note at 200 degC itself, none for the properties of moist air.
    EXPECT_EQ(run_tool({"TDB=200", "RH=0.01", "VG"}).err, "");
    EXPECT_EQ(run_tool({"TDB=300", "RH=0.01", "HM", "TWB"}).err, "");
}

TEST(FitRangeNote, PublishedLimitsAreAcceptedAsTyped)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"TDB=-100", "W=0.001", "TDB"}, {"TDB=372", "RH=0.001", "TDB"},
             {"--ip", "TDB=-148", "W=0.001", "TDB"}, {"--ip", "TDB=701.6", "RH=0.001", "TDB"}})
        EXPECT_EQ(run_tool(args).status, 0) << args[args.size() - 2];
}

}  // namespace
}  // namespace hygra::tool_test
