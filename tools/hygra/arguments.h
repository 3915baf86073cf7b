// The command line: CLI11 reads the options; the words that remain are the
// inputs (NAME=VALUE), the pressure (P= or ALT=) and the properties to show.
#ifndef HYGRA_TOOL_ARGUMENTS_H
#define HYGRA_TOOL_ARGUMENTS_H

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "chart/options.h"
#include "evaluation.h"
#include "ip_datum.h"

namespace hygra::tool {

// Exit statuses of the tool.
enum exit_status {
    exit_ok = 0,      // everything asked for was computed
    exit_failed = 1,  // a state, a property or a batch row failed
    exit_usage = 2    // the command line, the batch header or a file is wrong
};

// A mistake in what the user asked for; its text is a sentence for the user.
class usage_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class output_format { table, csv, json };

// What a batch writes: CSV, or one JSON object per row.
enum class batch_output { csv, json_lines };

struct options {
    int units = 0;  // HYGRA_SI, or HYGRA_IP with --ip
    output_format format = output_format::table;
    std::optional<std::string> batch;  // a file name, or "-" for standard input
    std::vector<given_input> inputs;   // NAME=VALUE inputs in the order given
    pressure_input pressure;           // P= or ALT=, else sea level
    std::vector<int> properties;       // codes to show, in order; all 46 by default
    std::optional<chart_options> chart;  // set by the chart subcommand

    // The batch and weather files.
    bool epw = false;                       // --epw: `batch` is an EnergyPlus weather file
    batch_output batch_format = batch_output::csv;  // --format csv or json-lines
    std::vector<std::string> batch_inputs;  // --inputs NAME,NAME
    std::vector<std::pair<std::string, std::string>> unit_overrides;  // --unit NAME=UNIT
    char delimiter = 0;                     // --delimiter; 0 to take it from the header
    bool keep_going = false;                // --keep-going: no early stop
    bool progress = false;                  // --progress: also when stderr is no terminal
    enthalpy_datum datum = enthalpy_datum::zero_c;  // --ip-datum
};

// Reads the command line into `out`. Returns an exit status when the program
// has nothing more to do (after --help or --version, or a command line that
// CLI11 refused, with its message already printed); throws usage_error for
// words that name nothing or numbers that are not numbers.
std::optional<int> parse_arguments(int argc, char** argv, options& out);

// The state type of two inputs, or a usage_error saying which pairs exist.
state_choice require_pair(int first_given, int second_given);

// A value given for the named input or pressure, read as a number, or a
// usage_error naming the input and the text ("TDB: '2O' is not a number").
double require_number(const std::string& name, const std::string& text);

}  // namespace hygra::tool

#endif
