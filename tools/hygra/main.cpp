// hygra: the properties of moist air from the command line, one state or a
// CSV batch of them, through the library's public C interface.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

#include "arguments.h"
#include "batch/batch.h"
#include "chart/chart.h"
#include "checked_output.h"
#include "fit_range_note.h"
#include "formatting.h"
#include "hygra.h"
#include "ip_datum.h"
#include "supersaturation.h"

namespace hygra::tool {
namespace {

int run_single(const options& opts)
{
    if (opts.inputs.size() != 2) {
        std::string names;
        for (const given_input& in : opts.inputs)
            names += (names.empty() ? "" : ", ") + std::string(hygra_property_name(in.code));
        if (opts.inputs.empty()) {
            throw usage_error(
                "no state given; name two inputs, for example hygra TDB=20 RH=0.5 "
                "(hygra --help lists them)");
        }
        throw usage_error(opts.inputs.size() == 1
                              ? "only one input given (" + names + "); a state needs two"
                              : std::to_string(opts.inputs.size()) + " inputs given (" + names +
                                    "); a state takes two");
    }
    const state_request given{opts.inputs[0], opts.inputs[1],
                              require_pair(opts.inputs[0].code, opts.inputs[1].code),
                              opts.pressure, opts.units};
    // HM or SM given on the 0 degF datum are moved to the library's.
    state_request request = given;
    request.a.value = to_library_datum(opts.datum, request.a.code, request.a.value, opts.units);
    request.b.value = to_library_datum(opts.datum, request.b.code, request.b.value, opts.units);
    evaluation e = evaluate(request, opts.properties);
    if (!e.state_ok) {
        std::cerr << "hygra: " << e.state_error << "\n";
        return exit_failed;
    }
    for (property_value& v : e.values) {
        if (v.result == HYGRA_OK)
            v.value = from_library_datum(opts.datum, v.code, v.value, opts.units);
    }
    std::string text;
    switch (opts.format) {
    case output_format::table: text = format_table(e, opts.units); break;
    case output_format::csv: text = format_csv(e, opts.units); break;
    case output_format::json:
        text = format_json(e, given, datum_text(opts.datum, opts.units));
        break;
    }
    write_checked(stdout, text);
    flush_checked(stdout);
    if (const std::string note = supersaturation_note(request, e.pressure); !note.empty())
        std::cerr << "hygra: note: the state is " << note << "\n";
    if (const std::string note = fit_range_note(request, e); !note.empty())
        std::cerr << "hygra: " << note << "\n";
    if (!e.complete()) {
        std::cerr << "hygra: " << e.property_errors() << "\n";
        return exit_failed;
    }
    return exit_ok;
}

int run(int argc, char** argv)
{
    options opts;
    if (const std::optional<int> status = parse_arguments(argc, argv, opts))
        return *status;
    if (opts.chart)
        return run_chart(opts);
    if (!opts.batch)
        return run_single(opts);
    if (!opts.inputs.empty()) {
        throw usage_error("with --batch the inputs come from the header of the file, not from "
                          "the command line");
    }
    const char* what = opts.epw ? "the weather file" : "the batch input";
    if (*opts.batch == "-")
        return run_batch(opts, stdin, what, stdout);
    std::FILE* in = std::fopen(opts.batch->c_str(), "rb");
    if (in == nullptr) {
        throw usage_error("cannot open '" + *opts.batch + "' for reading: " +
                          std::strerror(errno));
    }
    struct closer {
        std::FILE* f;
        ~closer() { std::fclose(f); }
    } close_in{in};
    return run_batch(opts, in, "'" + *opts.batch + "'", stdout);
}

}  // namespace
}  // namespace hygra::tool

int main(int argc, char** argv)
{
    try {
        const int status = hygra::tool::run(argc, argv);
        hygra::tool::close_standard_output();
        return status;
    } catch (const hygra::tool::output_error& e) {
        std::cerr << "hygra: " << e.what() << "\n";
        return hygra::tool::exit_usage;
    } catch (const hygra::tool::usage_error& e) {
        std::cerr << "hygra: " << e.what() << "\n";
        return hygra::tool::exit_usage;
    } catch (const std::exception& e) {
        std::cerr << "hygra: " << e.what() << "\n";
        return hygra::tool::exit_usage;
    }
}
