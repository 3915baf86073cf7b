// Failures of the library as sentences for people: the one place where a result
// code becomes words.
#ifndef HYGRA_TOOL_MESSAGES_H
#define HYGRA_TOOL_MESSAGES_H

#include <string>
#include <vector>

namespace hygra::tool {

struct state_request;

// What failed, with what the tool knows about it.
struct failure_context {
    enum subject_type {
        altitude,   // the standard atmosphere at request->pressure.value
        state,      // the state of request, at the given pressure
        property  // the named properties of a state that was constructed
    } subject = state;
    const state_request* request = nullptr;  // for altitude and state
    double pressure = 0.0;                   // bar or psi, for state
    std::string names;                       // "HM" or "PWS, TWB", for property
    // What hygra_last_error() said right after the failing call: it names the
    // input and the limit, or the search, where the tool can only guess.
    std::string library_message;
};

// The sentence for a result code other than HYGRA_OK, without a final full stop.
// For an input outside the model's range it names the input and the range
// where the inputs show which one it is.
std::string describe_failure(int result_code, const failure_context& context);

// An input, or the pressure (HYGRA_P), outside the model's range, as a sentence
// ("TDB = 400 degC is outside the range of the formulation, -100 to 372 degC").
struct input_fault {
    int code;
    std::string text;
};

// Every input of a state, and its pressure (bar or psi), that the inputs show
// to lie outside the model's range, in the order dry-bulb and other
// temperatures, pressure, relative humidity and humidity ratio.
std::vector<input_fault> inputs_out_of_range(const state_request& request, double pressure);

}  // namespace hygra::tool

#endif
