// What the tool writes can be trusted: a failed write is never success, a run
// stopped by SIGTERM or SIGINT ends on a whole row, and a batch's output reads
// back as a batch (CSV) or as JSON, one object a line.
#include <signal.h>

#include <cmath>
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

TEST(OutputSafety, AFailedWriteIsExitTwoWithTheSystemsReason)
{
    const std::vector<std::vector<std::string>> commands{{"--json", "TDB=20", "RH=0.5"}, {"TDB=20", "RH=0.5"}, {"--help"},
        {"--version"}, {"--batch", "-", "W"}, {"--batch", "-", "--format", "json-lines"}};
    for (const std::vector<std::string>& args : commands) {
        SCOPED_TRACE(args[0]);
        const process_result r = run_tool(args, "TDB,RH\n20,0.5\n", writing_to("/dev/full"));
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("hygra: the output could not be written: No space left on device\n"), std::string::npos)
            << r.err;
    }
}

TEST(OutputSafety, SigtermOrSigintEndsAfterAWholeRowWithTheSignalsStatus)
{
    std::string input = "id,TDB,RH\n";
    for (int i = 0; i < 3000; ++i)
        input += std::to_string(i) + "," + std::to_string(i % 40) + ",0.5\n";
    // A run killed outright has written whole rows too: a long batch from a
    // pipe is written as it goes, not held until the input ends.
    for (int signal_number : {SIGTERM, SIGINT, SIGKILL}) {
        SCOPED_TRACE(signal_number);
        const process_result r =
            run_tool({"--batch", "-", "W", "HM"}, input, stopped(signal_number, signal_number == SIGKILL));
        EXPECT_EQ(r.signal, signal_number);
        // Whole rows, in order, each computed: the rows read before the signal.
        ASSERT_FALSE(r.out.empty());
        EXPECT_EQ(r.out.back(), '\n');
        const csv_rows rows = read_csv(r.out);
        ASSERT_GE(rows.size(), 2u);
        EXPECT_LE(rows.size(), 3001u);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size(), rows[0].size());
            EXPECT_EQ(rows[i][0], std::to_string(i - 1));
            EXPECT_EQ(rows[i].back(), "");
        }
    }
}

TEST(OutputSafety, ABatchsOutputIsABatchsInput)
{
    // First from TDB and RH; then the output again, from TDB and the W just
    // computed: the same states, so the same wet bulb.
    const process_result first = run_tool({"--batch", "-", "W", "TWB"}, "room,TDB,RH\na,20,0.5\nb,30,0.3\n");
    ASSERT_EQ(first.status, 0) << first.err;
    const process_result second = run_tool({"--batch", "-", "--inputs", "TDB,W", "TWB", "RH"}, first.out);
    ASSERT_EQ(second.status, 0) << second.err;
    const csv_rows rows = read_csv(second.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"room", "TDB", "RH", "W [kg/kg]", "TWB [degC]",
                                                 "note", "error", "TWB [degC] 2", "RH [-]", "note 2", "error 2"}));
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_NEAR(std::stod(rows[i][7]), std::stod(rows[i][4]), 1e-9);
        EXPECT_NEAR(std::stod(rows[i][8]), std::stod(rows[i][2]), 1e-9);
    }
}

TEST(OutputSafety, InchPoundEnthalpyOnTheZeroFahrenheitDatum)
{
    // By hand, on the 0 degF datum of dry air: h = 0.240 t + W (1061 + 0.444 t)
    // Btu/lb, t in degF; dry air's cp 0.240 Btu/(lb degF) from 0 to 32 degF
    // puts the two datums 7.68 Btu/lb apart.
    const double t = 68.0, w = 0.0073;
    const double by_hand = 0.240 * t + w * (1061.0 + 0.444 * t);
    const process_result r = run_tool({"--ip", "--ip-datum=0F", "--csv", "TDB=68", "W=0.0073", "HM", "HA", "SM", "SA"});
    // The library's own datum, spelt in lower case.
    const process_result library_datum =
        run_tool({"--ip", "--ip-datum=0c", "--csv", "TDB=68", "W=0.0073", "HM", "HA", "SM", "SA"});
    ASSERT_EQ(r.status, 0) << r.err;
    const csv_rows rows = read_csv(r.out);
    const csv_rows base = read_csv(library_datum.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1][3], "Btu/lb");  // --ip labels the CSV rows too
    EXPECT_EQ(rows[3][3], "Btu/(lb degF)");
    EXPECT_NEAR(std::stod(rows[1][2]), by_hand, 0.03);
    EXPECT_NEAR(std::stod(rows[1][2]) - std::stod(base[1][2]), 0.240 * 32.0, 0.02);
    EXPECT_NEAR(std::stod(rows[2][2]), 0.240 * t, 0.03);  // HA
    // Entropy of dry air from 0 degF: cp ln(T / T0), T0 = 459.67 degR.
    EXPECT_NEAR(std::stod(rows[4][2]), 0.240 * std::log((t + 459.67) / 459.67), 0.0005);  // SA
    EXPECT_NEAR(std::stod(rows[3][2]) - std::stod(base[3][2]),
                std::stod(rows[4][2]) - std::stod(base[4][2]), 1e-12);  // SM shifts as SA

    // An enthalpy given on that datum fixes the same state.
    const process_result back = run_tool({"--ip", "--ip-datum=0F", "--csv", "TDB=68", "HM=" + rows[1][2], "W"});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_NEAR(std::stod(read_csv(back.out)[1][2]), w, 1e-12);

    // The JSON output says which datum its values are on (the SI one in the JSON test).
    const process_result json = run_tool({"--ip", "--ip-datum=0F", "--json", "TDB=68", "W=0.0073", "HM"});
    EXPECT_EQ(nlohmann::json::parse(json.out)["enthalpy_datum"],
              "dry air zero at 0 degF and 1 atm; water zero as liquid at 32.018 degF");
    // In a batch too.
    const process_result batch = run_tool({"--ip", "--ip-datum=0F", "--batch", "-", "HM"}, "TDB,W\n68,0.0073\n");
    EXPECT_EQ(read_csv(batch.out)[1][2], rows[1][2]);
}

}  // namespace
}  // namespace hygra::tool_test
