// Result codes to sentences: the tool says which input lies outside the limits
// that moistair_const publishes where the inputs show it, and otherwise gives
// the library's own message (hygra_last_error), or a sentence for the code.
#include "messages.h"

#include "evaluation.h"
#include "hygra.h"
#include "numbers.h"

namespace hygra::tool {

namespace {

double model_constant(int selector, int units)
{
    double value = 0.0;
    moistair_const(selector, units, &value);  // cannot fail for a valid selector
    return value;
}

std::string unit_suffix(int code, int units)
{
    const std::string unit = hygra_property_unit(code, units);
    return unit.empty() ? unit : " " + unit;
}

// "TDB = 400 degC"
std::string named_value(int code, double value, int units)
{
    return std::string(hygra_property_name(code)) + " = " + format_exact(value) +
           unit_suffix(code, units);
}

// "-100 to 372 degC"
std::string range_text(double low, double high, int code, int units)
{
    // Six digits: the limits in kelvin converted to degC read -99.99999999999997.
    return format_short(low) + " to " + format_short(high) + unit_suffix(code, units);
}

bool is_temperature(int code)
{
    return code == HYGRA_TDB || code == HYGRA_TWB || code == HYGRA_TDEW;
}

// "TDB = 400 degC is outside the range of the formulation, -100 to 372 degC",
// or an empty string when the value lies inside [low, high].
std::string outside(int code, double value, double low, double high, int units)
{
    if (!(value < low || value > high))
        return {};
    const std::string range = range_text(low, high, code, units);
    // A limit converted from kelvin can fall a hair inside the value that
    // prints as the limit: -100 degC is 173.14999999999998 K, just below the
    // lowest 173.15 K, and is refused.
    if (format_short(value) == format_short(value < low ? low : high)) {
        return named_value(code, value, units) +
               " lies on the limit of the range of the formulation, " + range +
               ", and is refused there";
    }
    return named_value(code, value, units) + " is outside the range of the formulation, " + range;
}

}  // namespace

std::vector<input_fault> inputs_out_of_range(const state_request& r, double pressure)
{
    std::vector<input_fault> faults;
    const int units = r.units;
    const double tmin = model_constant(HYGRA_CONST_TMIN, units);
    const double tmax = model_constant(HYGRA_CONST_TMAX, units);
    for (const given_input& in : {r.a, r.b}) {
        if (is_temperature(in.code)) {
            if (std::string s = outside(in.code, in.value, tmin, tmax, units); !s.empty())
                faults.push_back({in.code, s});
        }
    }
    const double pmin = model_constant(HYGRA_CONST_PMIN, units);
    const double pmax = model_constant(HYGRA_CONST_PMAX, units);
    if (std::string s = outside(HYGRA_P, pressure, pmin, pmax, units); !s.empty())
        faults.push_back({HYGRA_P, s});
    for (const given_input& in : {r.a, r.b}) {
        if (in.code == HYGRA_RH && (in.value < 0.0 || in.value > 1.0)) {
            faults.push_back({in.code, named_value(in.code, in.value, units) +
                                           " is outside 0 to 1 (relative humidity is a "
                                           "fraction, not per cent)"});
        }
        if (in.code == HYGRA_W && in.value < 0.0)
            faults.push_back({in.code, named_value(in.code, in.value, units) + " is negative"});
    }
    return faults;
}

namespace {

// The input or the pressure that lies outside the model's range, as a
// sentence, or an empty string when the inputs do not show which one it is.
std::string input_out_of_range(const state_request& r, double pressure)
{
    const std::vector<input_fault> faults = inputs_out_of_range(r, pressure);
    return faults.empty() ? std::string() : faults.front().text;
}

std::string model_range(int units)
{
    return "dry-bulb temperature " +
           range_text(model_constant(HYGRA_CONST_TMIN, units),
                      model_constant(HYGRA_CONST_TMAX, units), HYGRA_TDB, units) +
           ", pressure " +
           range_text(model_constant(HYGRA_CONST_PMIN, units),
                      model_constant(HYGRA_CONST_PMAX, units), HYGRA_P, units);
}

}  // namespace

std::string describe_failure(int result_code, const failure_context& context)
{
    const state_request* r = context.request;
    // The tool's own sentence when it can see from the inputs which one lies
    // outside the model's range; otherwise the library's words.
    if (!context.library_message.empty()) {
        if (context.subject == failure_context::state && result_code == HYGRA_OUT_OF_RANGE) {
            if (std::string which = input_out_of_range(*r, context.pressure); !which.empty())
                return which;
        }
        if (context.subject == failure_context::property &&
            context.library_message.compare(0, context.names.size() + 1, context.names + ":") != 0)
            return context.names + ": " + context.library_message;
        if (context.subject != failure_context::altitude)
            return context.library_message;
    }
    switch (context.subject) {
    case failure_context::altitude:
        if (result_code == HYGRA_OUT_OF_RANGE) {
            // The limits of moistair_pz, as its documentation gives them.
            const bool si = r->units == HYGRA_SI;
            return "ALT = " + format_exact(r->pressure.value) + (si ? " m" : " ft") +
                   " is outside the range of the standard atmosphere, " +
                   (si ? "-500 to 10000 m" : "-1640.42 to 32808.4 ft");
        }
        return "the pressure at ALT = " + format_exact(r->pressure.value) +
               " could not be computed (result code " + std::to_string(result_code) + ")";

    case failure_context::state:
        switch (result_code) {
        case HYGRA_INVALID_ARGUMENT:
            return "the library refused the inputs as an invalid argument";
        case HYGRA_NO_CONVERGENCE:
            return "no state was found for these inputs (the search did not converge)";
        case HYGRA_NOT_APPLICABLE:
            return "the inputs do not apply to a state of moist air";
        case HYGRA_OUT_OF_RANGE: {
            std::string which = input_out_of_range(*r, context.pressure);
            if (!which.empty())
                return which;
            return "the state is outside the range of the formulation (" + model_range(r->units) +
                   ")";
        }
        }
        break;

    case failure_context::property:
        switch (result_code) {
        case HYGRA_INVALID_ARGUMENT:
            return context.names + ": the library refused the request as an invalid argument";
        case HYGRA_NO_CONVERGENCE:
            return context.names + ": could not be computed (the computation did not converge)";
        case HYGRA_NOT_APPLICABLE:
            return context.names + ": does not apply to this state";
        case HYGRA_OUT_OF_RANGE:
            return context.names + ": outside the range of the formulation for this state";
        }
        break;
    }
    return "the library failed with result code " + std::to_string(result_code);
}

}  // namespace hygra::tool
