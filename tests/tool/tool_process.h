// Runs the built hygra tool as a separate process: arguments and standard input
// in, standard output, standard error and exit status out.
#ifndef HYGRA_TESTS_TOOL_PROCESS_H
#define HYGRA_TESTS_TOOL_PROCESS_H

#include <string>
#include <vector>

namespace hygra::tool_test {

struct process_result {
    int status = -1;  // the exit status; -1 when the process did not exit normally
    int signal = 0;   // the signal that ended it, if one did
    std::string out;
    std::string err;
};

// Runs the tool with `args` (without the program name), `input` on its standard
// input, and waits for it.
process_result run_tool(const std::vector<std::string>& args, const std::string& input = "");

// Runs the tool as run_tool does, with a stand-in preloaded in front of the
// library that makes moistair_eval return a chosen result code: `fail` is
// "CODE" for every call, or "PROPERTY:CODE" for the calls of one property code.
process_result run_tool_failing(const std::string& fail, const std::vector<std::string>& args,
                                const std::string& input = "");

// Runs the tool as run_tool does with its standard output opened on `path`
// (such as /dev/full); `out` of the result stays empty.
process_result run_tool_writing_to(const std::string& path, const std::vector<std::string>& args,
                                   const std::string& input = "");

// Runs the tool as run_tool does with its standard input a pipe that stays
// open: once the tool has taken all of `input` (and, with `wait_for_output`,
// written something) it is sent `signal_number`.
process_result run_tool_stopped(int signal_number, bool wait_for_output,
                                const std::vector<std::string>& args, const std::string& input);

// A file in the test's temporary directory holding `text`; its path. And the
// text of a file.
std::string temporary_file(const std::string& text);
std::string file_text(const std::string& path);

// An EnergyPlus weather file: its eight header lines, and the record of one
// hour with its dry bulb and dew point (degC), relative humidity (%) and
// station pressure (Pa) as the file writes them.
std::string epw_header();
std::string epw_hour(int month, int hour, const std::string& tdb, const std::string& tdew,
                     const std::string& rh, const std::string& p);

}  // namespace hygra::tool_test

#endif
