// Hostile and careless input to a batch: every line of the input gives one
// row of the output (rows in = rows out), every fault of a row is reported,
// the reasons are counted with a hint at the unit, and a run whose first rows
// all fail alike stops early.
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "csv_text.h"
#include "tool_process.h"

namespace hygra::tool_test {
namespace {

// Lines, the last one counted whether or not a line end closes it.
std::size_t lines_in(const std::string& s) { return std::count(s.begin(), s.end(), '\n') + (!s.empty() && s.back() != '\n'); }

TEST(BatchInputFaults, EveryLineOfAMalformedFileGivesOneRowNamingItsFault)
{
    const std::string big(1000000, 'x');
    // bad_row: the output row (from 1) whose error is checked, or 0.
    const struct { const char* what; std::string input; std::size_t bad_row; std::string error; } table[] = {
        {"a stray quote", "id,TDB,RH,note\n1,20,0.5,\"oops\n2,21,0.5,x\n3,22,0.5,y\n", 1,
         "a quote opened in column 4 is not closed by the end of the line"},
        {"a quote inside a field", "id,TDB,RH\n1,20,0.5\nab\"c,21,0.5\n", 0, ""},
        {"NUL bytes", std::string("TDB,RH\n20,0.5\n2\0" "1,0.5\n22,0.5\n", 26), 2, "TDB: '2\\x001' is not a number"},
        {"a 1 MB field", "TDB,RH,note\n20,0.5,a\n21,0.5," + big + "\n22,0.5,b\n", 2,
         "column 3 holds a field of 1000000 bytes, over the limit of 65536"},
        {"a line over 1 MiB", "TDB,RH\n20,0.5\n" + big + big + "\n22,0.5\n", 2,
         "the line is longer than 1048576 bytes; it is not read"},
        {"non-numeric cells and blanks", "TDB,RH\n20,0.5\nwarm,humid\n \t \n22,0.5\n", 2,
         "TDB: 'warm' is not a number; RH: 'humid' is not a number"},
        {"decimal commas", "TDB;RH\n20,5;0,5\n21;0.5\n", 1,
         "TDB: '20,5' is not a number; is ',' a decimal comma? write 20.5; "
         "RH: '0,5' is not a number; is ',' a decimal comma? write 0.5"},
        {"every fault of a row", "TDB,RH,P\n400,57,101325\n20,0.5,1\n", 1,
         "TDB = 400 degC is outside the range of the formulation, -100 to 372 degC; P = 101325 bar is outside "
         "the range of the formulation, 0 to 50 bar; 101325 looks like Pa: use --unit P=Pa; "
         "RH = 57 is outside 0 to 1; is RH in per cent? use --unit RH=%"},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.what);
        const process_result r = run_tool({"--batch", "-", "W"}, t.input);
        EXPECT_EQ(lines_in(r.out), lines_in(t.input)) << r.out.substr(0, 400);
        const csv_rows rows = read_csv(r.out);
        ASSERT_EQ(rows.size(), lines_in(t.input));
        for (const std::vector<std::string>& out_row : rows)
            EXPECT_EQ(out_row.size(), rows[0].size());
        EXPECT_EQ(r.status, t.bad_row == 0 ? 0 : 1) << r.err;
        if (t.bad_row == 0)
            continue;
        EXPECT_EQ(rows[t.bad_row].back(), t.error);
        // The rows after the bad one are read as rows and computed.
        EXPECT_EQ(rows.back().back(), "");
        EXPECT_NE(rows.back()[rows[0].size() - 3], "");
    }
}

TEST(BatchInputFaults, FilesAndHeadersThatAreNoBatchSayWhyAndWriteNothing)
{
    const std::string dir = testing::TempDir();
    const std::string inputs = "hygra: the batch header must name two inputs of TDB, TWB, TDEW, RH, W, HM, SM and VM; ";
    const struct {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string err;  // the whole of standard error, or its beginning where it has no line end
    } table[] = {
        {{}, "", 2, "hygra: the batch input is empty; it needs a header line naming two inputs\n"},
        {{}, "id,TDB,RH,id\n1,20,0.5,2\n", 2,
         "hygra: the batch header names 'id' twice (columns 1 and 4); the names of columns must differ\n"},
        {{"--delimiter", ";"}, "a;TDB;RH\nx,y;20;0.5\n", 0, ""}, {{"--delimiter", "tab"}, "TDB\tRH\n20\t0.5\n", 0, ""},
        {{"--delimiter", ","}, "TDB;RH\n20;0.5\n", 2,
         inputs + "it names none; if the columns are separated by ';' or tabs, say so with --delimiter\n"},
        {{"--batch", dir}, "", 2, "hygra: '" + dir + "' could not be read: Is a directory\n"},
        {{"--batch", dir + "/none.csv"}, "", 2,
         "hygra: cannot open '" + dir + "/none.csv' for reading: No such file or directory\n"},
        {{}, "\"TDB,RH\n20,0.5\n", 2,
         "hygra: the batch input: the header, line 1: a quote opened in column 1 is not closed by the end of the line\n"},
        {{}, "id,TDB\n1,20\n", 2, inputs + "it names TDB"}, {{}, "id,name\n1,x\n", 2, inputs + "it names none"},
        {{}, "TDB,RH,W\n20,0.5,0.01\n", 2, inputs + "it names TDB, RH, W; choose two with --inputs, as in --inputs TDB,RH"},
        {{}, "TDB,tdb\n20,20\n", 2, "hygra: the batch header names TDB twice"},
        {{}, "W,TDEW\n0.008,10\n", 2, "hygra: W and TDEW do not fix a state"},
        {{}, "TDB,W,P,ALT\n20,0.01,1,0\n", 2, "hygra: the batch header names the pressure twice (P or ALT)"},
        {{"P=1"}, "TDB,W,P\n20,0.01,1\n", 2,
         "hygra: the pressure is given both by a column of the batch header and on the command line"},
        {{"TDB=20"}, "TDB,W\n20,0.01\n", 2,
         "hygra: with --batch the inputs come from the header of the file, not from the command line"},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(t.input);
        std::vector<std::string> args{"W"};
        if (t.args.empty() || t.args[0] != "--batch")
            args.insert(args.end(), {"--batch", "-"});
        args.insert(args.end(), t.args.begin(), t.args.end());
        const process_result r = run_tool(args, t.input);
        EXPECT_EQ(r.status, t.status);
        if (t.err.empty() || t.err.back() == '\n')
            EXPECT_EQ(r.err, t.err);
        else
            EXPECT_EQ(r.err.rfind(t.err, 0), 0u) << r.err;
        EXPECT_TRUE(t.status != 2 || r.out.empty()) << r.out;  // nothing written when the batch stops
    }
    // A header and no rows: the header is written, and standard error says so.
    const process_result header_only = run_tool({"--batch", "-", "W"}, "TDB,RH\n");
    EXPECT_EQ(header_only.status, 0);
    EXPECT_EQ(header_only.out, "TDB,RH,W [kg/kg],note,error\n");
    EXPECT_EQ(header_only.err, "hygra: the batch input has a header and no rows\n");
}

TEST(BatchInputFaults, ReasonsAreCountedWithAHintAndTheFirstHundredAlikeStopTheRun)
{
    // A year of hours with RH in per cent and P in Pa, as a station exports it.
    std::string input = "TDB,RH,P\n";
    for (int i = 0; i < 150; ++i)
        input += std::to_string(i % 30) + "," + std::to_string(40 + i % 50) + ",101325\n";
    const process_result stopped = run_tool({"--batch", "-", "W"}, input);
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(lines_in(stopped.out), 101u);
    EXPECT_EQ(stopped.err, "hygra: stopped after the first 100 rows, which all failed alike: P = 101325 bar is "
              "outside the range of the formulation, 0 to 50 bar; 101325 looks like Pa: use --unit "
              "P=Pa\nhygra: correct the input, or give --keep-going to compute every row\n");

    const process_result all = run_tool({"--batch", "-", "W", "--keep-going"}, input);
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(lines_in(all.out), 151u);
    EXPECT_EQ(all.err, "hygra: 150 of 150 rows failed; the error column says why:\n"
              "  150 rows: P = 101325 bar is outside the range of the formulation, 0 to 50 bar; "
              "101325 looks like Pa: use --unit P=Pa (first at line 2)\n"
              "  150 rows: RH = 40 is outside 0 to 1; is RH in per cent? use --unit RH=% (first at line 2)\n");

    // With the units said, every row is computed.
    const process_result fixed = run_tool({"--batch", "-", "--unit", "RH=%", "W", "--unit", "P=Pa"}, input);
    EXPECT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_EQ(lines_in(fixed.out), 151u);

    // Rows that fail for different reasons do not stop the run; reasons that
    // differ only in their numbers or quoted text are counted together, and
    // more kinds than the summary lists are counted on one line.
    std::string mixed = "TDB,W\n";
    for (int i = 0; i < 120; ++i)
        mixed += std::string(i % 2 == 0 ? (i % 4 == 0 ? "500" : "600.5") : (i % 4 == 1 ? "abc" : "x")) + ",0.01\n";
    const process_result goes_on = run_tool({"--batch", "-", "W"}, mixed);
    EXPECT_EQ(lines_in(goes_on.out), 121u);
    EXPECT_EQ(goes_on.err, "hygra: 120 of 120 rows failed; the error column says why:\n"
                           "  60 rows: TDB = 500 degC is outside the range of the formulation, -100 to "
                           "372 degC (first at line 2)\n  60 rows: TDB: 'abc' is not a number (first at line 3)\n");
    std::string kinds = "TDB,W,P\n";
    for (const char* row : {"x,0.01,1", "\"2,5\",0.01,1", ",0.01,1", "nan,0.01,1", "400,0.01,1", "-150,0.01,1", "20,y,1",
                            "20,\"0,5\",1", "20,,1", "20,-0.01,1", "20,7.3,1", "20,0.01,z", "20,0.01,\"0,9\"", "20,0.01,",
                            "20,0.01,60", "20,0.01,101325", "20,0.01,-1", "20,0.01,nan", "20", "20,0.01,1,1", "", "\"20,0.01,1"})
        kinds += std::string(row) + "\n";
    const process_result many = run_tool({"--batch", "-", "W"}, kinds);
    EXPECT_NE(many.err.find(" more faults of other kinds\n"), std::string::npos) << many.err;

    // A humidity ratio in g/kg.
    const process_result grams = run_tool({"--batch", "-", "HM"}, "TDB,W\n20,7.3\n");
    EXPECT_EQ(read_csv(grams.out)[1].back(),
              "W = 7.3 is more than ten times the saturation humidity ratio at 20 degC (0.0147571); "
              "it looks like g/kg: use --unit W=g/kg");
}

TEST(BatchInputFaults, ProgressCountsRowsAndFailuresAndSupersaturatedStatesGetANote)
{
    // Every tenth row fails; the second is supersaturated, the third is not.
    std::string input = "TDB,W\n";
    for (int i = 0; i < 300; ++i)
        input += std::string(i % 10 == 0 ? "500,0.01" : i == 1 ? "20,0.016" : "20,0.007") + "\n";
    const process_result r = run_tool({"--batch", "-", "RH", "--progress"}, input);
    const std::regex line(R"(hygra: (\d+) rows, (\d+) rows/s, (\d+) failed\n)");
    std::vector<std::string> seen;
    for (auto it = std::sregex_iterator(r.err.begin(), r.err.end(), line); it != std::sregex_iterator(); ++it) {
        seen.push_back((*it)[1].str() + " " + (*it)[3].str());
        EXPECT_GT(std::stod((*it)[2]), 0.0) << "the rate";
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"256 26", "300 30"})) << r.err;
    EXPECT_NE(r.err.find("hygra: 1 of 300 rows are supersaturated; the note column says which\n"), std::string::npos)
        << r.err;
    const csv_rows rows = read_csv(r.out);
    ASSERT_EQ(rows.size(), 301u);
    EXPECT_GT(std::stod(rows[2][2]), 1.0);
    EXPECT_EQ(rows[2][3].rfind("supersaturated: RH = 1.0", 0), 0u) << rows[2][3];
    EXPECT_EQ(rows[3][3], "");

    const process_result single = run_tool({"TDB=20", "TDEW=22", "W"});
    EXPECT_EQ(single.status, 0);
    EXPECT_EQ(single.err.rfind("hygra: note: the state is supersaturated: RH = 1.1", 0), 0u) << single.err;
    // Saturated air whose RH reads back a rounding above 1 is not supersaturated.
    EXPECT_EQ(run_tool({"TDB=20", "TDEW=20", "W"}).err, "");
}

}  // namespace
}  // namespace hygra::tool_test
