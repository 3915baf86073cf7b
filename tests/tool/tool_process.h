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

// How a run differs from the plain one; all empty is the plain run.
struct run_options {
    // A stand-in preloaded in front of the library makes moistair_eval return a
    // chosen result code: "CODE" for every call, "PROPERTY:CODE" for the calls
    // of one property code.
    std::string fail;
    // Standard output opened on this path (such as /dev/full); `out` stays empty.
    std::string stdout_path;
    // Standard input a pipe that stays open: once the tool has taken all of the
    // input (and, with `wait_for_output`, written something) it is sent this signal.
    int stop_signal = 0;
    bool wait_for_output = false;
};
inline run_options failing(const std::string& fail) { return {fail, "", 0, false}; }
inline run_options writing_to(const std::string& path) { return {"", path, 0, false}; }
inline run_options stopped(int signal, bool wait_for_output) { return {"", "", signal, wait_for_output}; }

// Runs the tool with `args` (without the program name), `input` on its standard
// input, and waits for it.
process_result run_tool(const std::vector<std::string>& args, const std::string& input = "",
                        const run_options& how = {});

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
