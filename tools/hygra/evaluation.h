// One state through the C interface: the pressure from P, ALT or the standard
// atmosphere at sea level, the state itself, then each requested property.
#ifndef HYGRA_TOOL_EVALUATION_H
#define HYGRA_TOOL_EVALUATION_H

#include <string>
#include <vector>

#include "state_selection.h"

namespace hygra::tool {

// An input named by its property code (HYGRA_TDB ...), in the user's units.
struct given_input {
    int code;
    double value;
};

// Where the total pressure comes from.
struct pressure_input {
    enum kind_type { sea_level, pressure, altitude } kind = sea_level;
    double value = 0.0;  // bar or psi for pressure, m or ft for altitude
};

// A state as the user described it.
struct state_request {
    given_input a;  // the inputs in the order the user gave them
    given_input b;
    state_choice choice;
    pressure_input pressure;
    int units;  // HYGRA_SI or HYGRA_IP
};

struct property_value {
    int code;
    int result;    // the library's result code
    double value;  // meaningful when result is HYGRA_OK
    std::string message;  // the library's own words for a failure, if it gave any
};

struct evaluation {
    double pressure = 0.0;  // bar or psi, once known
    bool state_ok = false;
    std::string state_error;  // why there is no state, when state_ok is false
    std::vector<property_value> values;

    // Whether the state and every property were computed.
    bool complete() const;
    // The failures of single properties, one sentence per kind of failure
    // ("PWS, TWB: ..."), joined by "; "; empty when there are none.
    std::string property_errors() const;
};

// The total pressure that `pressure` stands for, bar or psi: P as given, ALT
// through the standard atmosphere, else sea level. Returns false with the
// sentence in `error` when the altitude lies outside the standard atmosphere.
bool total_pressure(const pressure_input& pressure, int units, double& result,
                    std::string& error);

// Evaluates `properties` (property codes) of the requested state. The state is
// checked first by reading its pressure, so that a state that cannot be
// constructed is reported once rather than once per property.
evaluation evaluate(const state_request& request, const std::vector<int>& properties);

}  // namespace hygra::tool

#endif
