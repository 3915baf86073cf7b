#include "api/failure_messages.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "api/last_error.h"
#include "api/state_inputs.h"
#include "api/units.h"
#include "ashrae97/constants.h"
#include "ashrae97/line_pairs.h"
#include "hygra.h"

namespace hygra {

namespace {

// A value with its unit in the caller's system, e.g. "-120 degC".
struct formatted {
    char text[64];
};

formatted with_unit(double v, quantity q, int u)
{
    const bool si = u == 1;
    const char* unit = "";
    switch (q) {
    case quantity::temperature: unit = si ? " degC" : " degF"; break;
    case quantity::humidity_ratio: unit = si ? " kg/kg" : " lb/lb"; break;
    case quantity::relative_humidity: unit = ""; break;
    case quantity::enthalpy: unit = si ? " kJ/kg" : " Btu/lb"; break;
    case quantity::entropy: unit = si ? " kJ/(kg K)" : " Btu/(lb degF)"; break;
    case quantity::volume: unit = si ? " m3/kg" : " ft3/lb"; break;
    }
    formatted f;
    std::snprintf(f.text, sizeof f.text, "%.6g%s", v, unit);
    return f;
}

formatted temperature(double kelvin, int u) { return with_unit(temperature_out(kelvin, u), quantity::temperature, u); }

formatted pressure(double pa, int u)
{
    formatted f;
    std::snprintf(f.text, sizeof f.text, "%.6g %s", pa * u_Fp[u], u == 1 ? "bar" : "psi");
    return f;
}

bool is(const char* what, const char* reason) { return what != nullptr && std::strcmp(what, reason) == 0; }

// The given input of the named kind, if the state type has one.
const input* find_input(const evaluation& e, const char* name, double& value)
{
    const state_inputs& in = inputs_of(e.state_type);
    if (std::strcmp(in.first.name, name) == 0) {
        value = e.first;
        return &in.first;
    }
    if (std::strcmp(in.second.name, name) == 0) {
        value = e.second;
        return &in.second;
    }
    return nullptr;
}

// "<name> <value> is below/above ..." for a temperature input outside [lo, hi] K.
bool temperature_outside(const evaluation& e, const char* name, double lo, double hi,
                         const char* hi_phrase)
{
    double v = 0.0;
    const input* in = find_input(e, name, v);
    if (in == nullptr)
        return false;
    const double k = temperature_in(v, e.u);
    if (k < lo) {
        set_last_error("%s %s is below the lowest temperature of the model, %s", name,
                       with_unit(v, in->kind, e.u).text, temperature(lo, e.u).text);
        return true;
    }
    if (k > hi) {
        set_last_error("%s %s is above %s, %s", name, with_unit(v, in->kind, e.u).text, hi_phrase,
                       temperature(hi, e.u).text);
        return true;
    }
    return false;
}

bool any_temperature_outside(const evaluation& e, double hi, const char* hi_phrase)
{
    using ashrae97::t_min;
    return temperature_outside(e, "dry-bulb temperature", t_min, hi, hi_phrase) ||
           temperature_outside(e, "wet-bulb temperature", t_min, hi, hi_phrase) ||
           temperature_outside(e, "dew-point temperature", t_min, hi, hi_phrase);
}

// A value of an input from internal units to the caller's.
double value_out(double v, quantity q, int u)
{
    switch (q) {
    case quantity::temperature: return temperature_out(v, u);
    case quantity::enthalpy: return v * u_Fh[u];
    case quantity::entropy: return entropy_out(v, u);
    case quantity::volume: return v * u_Fv[u];
    case quantity::humidity_ratio:
    case quantity::relative_humidity: break;
    }
    return v;
}

// A pair searched along the line of one input, whose other input that line
// does not reach, reaches twice or cannot tell apart: says how the other input
// runs along the line. False when the line cannot be described.
bool describe_line_pair(const char* what, const evaluation& e)
{
    using namespace ashrae97;
    const auto type = static_cast<moist_air::state_type>(e.state_type);
    const line_pair* pair = line_pair_of(type);
    if (pair == nullptr)
        return false;
    const state_inputs& in = inputs_of(e.state_type);
    const input& line_input = pair->line_is_first ? in.first : in.second;
    const input& other = pair->line_is_first ? in.second : in.first;
    const double line_value = pair->line_is_first ? e.first : e.second;
    const double other_value = pair->line_is_first ? e.second : e.first;
    const double p = e.pressure / u_Fp[e.u];
    line_reach r{};
    if (!reach_of_line_pair(type, input_in(in.first.kind, e.first, e.u),
                            input_in(in.second.kind, e.second, e.u), p, r))
        return false;
    const formatted given_line = with_unit(line_value, line_input.kind, e.u);
    const formatted given_other = with_unit(other_value, other.kind, e.u);
    const formatted at_low = with_unit(value_out(r.at_low, other.kind, e.u), other.kind, e.u);
    const formatted at_high = with_unit(value_out(r.at_high, other.kind, e.u), other.kind, e.u);
    const formatted t_low = temperature(r.low.t, e.u), t_high = temperature(r.high.t, e.u);
    const char* low_end = r.low_saturated ? "saturated air at" : "the lowest temperature of the model,";
    const char* high_end = r.high_dry ? "dry air at" : "the highest temperature of the model,";
    char between[96] = "";
    if (!std::isnan(r.extreme))
        std::snprintf(between, sizeof between, " by way of %s",
                      with_unit(value_out(r.extreme, other.kind, e.u), other.kind, e.u).text);
    if (is(what, line_indistinct)) {
        // A difference of the other input: a factor, without the offset of a temperature.
        const double span = std::fabs(value_out(r.at_high, other.kind, e.u) - value_out(r.at_low, other.kind, e.u));
        set_last_error("%s %s and %s %s do not fix a state at %s: at that %s the %s changes by only "
                       "%s from saturated to dry air, too little to tell the states apart within the "
                       "precision of the formulation; give another pair",
                       line_input.name, given_line.text, other.name, given_other.text,
                       pressure(p, e.u).text, line_input.name, other.name,
                       with_unit(span, other.kind, e.u).text);
    } else if (is(what, line_two_states)) {
        set_last_error("%s %s and %s %s fit two states of moist air at %s: at that %s the %s runs "
                       "from %s (%s %s)%s to %s (%s %s), meeting %s twice; give another pair",
                       line_input.name, given_line.text, other.name, given_other.text,
                       pressure(p, e.u).text, line_input.name, other.name, at_low.text, low_end,
                       t_low.text, between, at_high.text, high_end, t_high.text, given_other.text);
    } else {
        set_last_error("no state of moist air at or below saturation has %s %s and %s %s at %s: at "
                       "that %s the %s runs from %s (%s %s)%s to %s (%s %s)",
                       line_input.name, given_line.text, other.name, given_other.text,
                       pressure(p, e.u).text, line_input.name, other.name, at_low.text, low_end,
                       t_low.text, between, at_high.text, high_end, t_high.text);
    }
    return true;
}

void describe_construction(int code, const char* what, const evaluation& e)
{
    using namespace ashrae97;
    const state_inputs& in = inputs_of(e.state_type);
    const formatted a = with_unit(e.first, in.first.kind, e.u);
    const formatted b = with_unit(e.second, in.second.kind, e.u);
    const double p = e.pressure / u_Fp[e.u];
    double v = 0.0;

    if (is(what, "moist_air::t_range")) {
        if (!any_temperature_outside(e, t_max, "the highest temperature of the model"))
            set_last_error("the dry-bulb temperature of the state with %s %s and %s %s lies outside "
                           "the model's range, %s to %s",
                           in.first.name, a.text, in.second.name, b.text, temperature(t_min, e.u).text,
                           temperature(t_max, e.u).text);
    } else if (is(what, "moist_air::p_range") || is(what, "virial::p")) {
        if (p < p_min)
            set_last_error("pressure %s is negative", pressure(p, e.u).text);
        else
            set_last_error("pressure %s is above the highest pressure of the model, %s",
                           pressure(p, e.u).text, pressure(p_max, e.u).text);
    } else if (is(what, "moist_air::rh_range")) {
        find_input(e, "relative humidity", v);
        set_last_error("relative humidity %.6g is outside 0 to 1 (a fraction, not per cent)", v);
    } else if (is(what, "moist_air::x_range")) {
        if (find_input(e, "humidity ratio", v) && v < 0.0)
            set_last_error("humidity ratio %s is negative", with_unit(v, quantity::humidity_ratio, e.u).text);
        else if (find_input(e, "relative humidity", v) && v < 0.0)
            set_last_error("relative humidity %.6g is negative", v);
        else
            set_last_error("%s %s and %s %s at %s need more water vapour than pure vapour: the state "
                           "lies above the boiling point at this pressure",
                           in.first.name, a.text, in.second.name, b.text, pressure(p, e.u).text);
    } else if (is(what, "moist_air::w_range")) {
        find_input(e, "humidity ratio", v);
        set_last_error("humidity ratio %s is above the largest the model holds, %s (nearly pure "
                       "vapour)",
                       with_unit(v, quantity::humidity_ratio, e.u).text,
                       with_unit(w_max, quantity::humidity_ratio, e.u).text);
    } else if (is(what, "moist_air::not_finite")) {
        const bool first_infinite = std::isinf(e.first);
        const input& bad = first_infinite ? in.first : in.second;
        if (!any_temperature_outside(e, t_max, "the highest temperature of the model"))
            set_last_error("%s %s is not a finite number", bad.name,
                           first_infinite ? a.text : b.text);
    } else if (is(what, "moist_air::at_tdry_twet")) {
        set_last_error("wet-bulb temperature %s is above the dry-bulb temperature %s", b.text, a.text);
    } else if (is(what, "moist_air::twet_range")) {
        find_input(e, "wet-bulb temperature", v);
        set_last_error("wet-bulb temperature %s lies above the boiling point of water at %s: no air "
                       "is saturated there",
                       with_unit(v, quantity::temperature, e.u).text, pressure(p, e.u).text);
    } else if (is(what, "water") || is(what, "virial::t")) {
        if (!any_temperature_outside(e, is(what, "water") ? t_water_max : t_max,
                                     is(what, "water") ? "the critical temperature of water"
                                                       : "the highest temperature of the model"))
            set_last_error("the search for the state with %s %s and %s %s reached a temperature "
                           "outside the model's range",
                           in.first.name, a.text, in.second.name, b.text);
    } else if (code == HYGRA_OUT_OF_RANGE &&
               (is(what, "moistair::at_w_rh") || is(what, "moistair::at_w_h") ||
                is(what, "moistair::at_w_s") || is(what, "moistair::at_w_v")) &&
               find_input(e, "humidity ratio", v) && v == 0.0) {
        set_last_error("a humidity ratio of 0 is dry air, which %s does not fix: give dry air by its "
                       "dry-bulb temperature and W = 0",
                       e.state_type == HYGRA_RH_W ? "relative humidity" : in.second.name);
    } else if ((is(what, ashrae97::line_unreachable) || is(what, ashrae97::line_two_states) ||
                is(what, ashrae97::line_indistinct)) &&
               describe_line_pair(what, e)) {
        // Said by describe_line_pair.
    } else if (code == HYGRA_OUT_OF_RANGE) {
        // The search ran out of the model's range, or the property value lies
        // beyond what moist air of the other input reaches.
        set_last_error("no state of moist air with %s %s and %s %s at %s lies within the model's "
                       "range (%s to %s)",
                       in.first.name, a.text, in.second.name, b.text, pressure(p, e.u).text,
                       temperature(t_min, e.u).text, temperature(t_max, e.u).text);
    } else {
        set_last_error("the search for the state with %s %s and %s %s at %s did not converge",
                       in.first.name, a.text, in.second.name, b.text, pressure(p, e.u).text);
    }
}

void describe_property(int code, const char* what, const evaluation& e)
{
    const char* name = hygra_property_name(e.code);
    if (is(what, "moist_air::tdew") && code == HYGRA_OUT_OF_RANGE)
        set_last_error("%s: the dew point of this state lies below the lowest temperature of the "
                       "model, %s",
                       name, temperature(ashrae97::t_min, e.u).text);
    else if (is(what, "water"))
        set_last_error("%s: the water properties it needs lie outside the range of the model at this "
                       "state",
                       name);
    else if (code == HYGRA_OUT_OF_RANGE)
        set_last_error("%s of this state lies outside the range of the model", name);
    else
        set_last_error("%s: the search for it did not converge at this state", name);
}

}  // namespace

void describe_evaluation_failure(int code, const char* what, const evaluation& e) noexcept
{
    if (e.constructed)
        describe_property(code, what, e);
    else
        describe_construction(code, what, e);
}

}  // namespace hygra
