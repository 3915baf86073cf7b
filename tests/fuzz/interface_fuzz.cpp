// Fuzzing the C interface: arbitrary bytes become calls of every exported
// function, with state types, codes and selectors in and out of range and any
// doubles (NaN, infinities, subnormals, huge values, the model's limits). Each
// call must keep the interface's promises, not merely survive:
//   - the result code is one of the five;
//   - nothing is written through the result pointer on a non-zero code;
//   - a success for finite inputs inside the published ranges gives a finite value;
//   - the message of hygra_last_error() is empty exactly after a success;
//   - every call does bounded work;
//   - a state built from a pair of the dew point, wet bulb, enthalpy, entropy
//     or volume reproduces that pair.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "ashrae97/evaluation_count.h"
#include "hygra.h"

namespace {

using hygra::ashrae97::evaluation_count;

// Bound on the evaluations of the real-gas formulation (virial constructions)
// of one call, from the searches' limits. The costliest call builds a state from
// relative humidity and wet bulb: its walk and root search evaluate their
// objective at most about 150 times (ten doublings of the step, thirty halvings,
// Brent's 101), and each of those runs a wet-bulb search: a dew-point
// minimisation (100 evaluations), a wet-bulb minimisation (100, two virials
// each) and possibly a root search (101, two each), about 510 virials; 150 x 512
// is about 77,000. A search from the humidity ratio restarts at most 100 times
// with 100 evaluations each, 10,000. A search along a line of states (wet bulb,
// enthalpy or volume) makes at most 101 steps along it, or 122 in the search
// for an extreme, each with a search of at most 101 evaluations across it:
// about 12,500. Reading a wet bulb afterwards adds 510.
constexpr unsigned long max_evaluations = 100000;
// What a result holds before each call: a call that fails must leave it so.
constexpr double untouched = -4242.0;

struct reader {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t byte() { return size == 0 ? 0 : (--size, *data++); }
    template <class T> T raw()  // the next sizeof(T) bytes, zeros past the end
    {
        T v{};
        for (std::size_t i = 0; i < sizeof v; ++i)
            reinterpret_cast<unsigned char*>(&v)[i] = byte();
        return v;
    }
    // Mostly meaningful numbers, sometimes any bit pattern.
    double number()
    {
        static const double special[] = {0.0, -0.0, 1.0, -1.0, 0.5, 1e-300, 5e-324, 1e308, -1e308,
                                         INFINITY, -INFINITY, NAN, -100.0, 372.0, -148.0, 701.6,
                                         50.0, 725.19, 1.01325, 14.696, 20.0, 68.0, 0.0073, 45.0};
        const std::uint8_t how = byte();
        if (how < 128)
            return how < 64 ? special[how % std::size(special)] : raw<double>();
        // A value on a scale of a few hundred, with fine detail.
        return (raw<std::int16_t>() / 64.0) + raw<std::uint16_t>() / 65536.0;
    }
    int selector(int lo, int hi)  // mostly lo..hi, sometimes any int
    {
        const std::uint8_t how = byte();
        return how < 16 ? raw<std::int32_t>() : lo + how % (hi - lo + 1);
    }
};

// The call being checked, for the report of a broken invariant.
char current_call[256] = "";

void require(bool holds, const char* invariant, int rc)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n  call: %s\n  result code %d, message \"%s\"\n",
                 invariant, current_call, rc, hygra_last_error());
    std::abort();
}

// The promises common to every call returning a code and a value (read after the call).
void check(int rc, const double& value, bool expect_finite)
{
    require(rc >= HYGRA_OK && rc <= HYGRA_OUT_OF_RANGE, "result code outside 0..4", rc);
    require(rc == HYGRA_OK || std::memcmp(&untouched, &value, sizeof value) == 0, "value written on failure", rc);
    require(rc != HYGRA_OK || !expect_finite || std::isfinite(value), "non-finite success for finite inputs", rc);
    require((rc == HYGRA_OK) == (hygra_last_error()[0] == '\0'), "message present exactly when the call failed", rc);
    require(evaluation_count <= max_evaluations, "unbounded work in one call", rc);
}

// The property code of each input of the state types from the dew point on
// (19 to 29, in their order), whose searches are checked against their inputs
// here; -1 for a wet bulb, which is not read back (near 0 degC a state may
// balance two wet bulbs, and the getter reports the first it meets).
constexpr int pair_inputs[][2] = {
    {HYGRA_TDEW, -1}, {HYGRA_TDEW, HYGRA_RH}, {HYGRA_TDEW, HYGRA_HM}, {HYGRA_TDEW, HYGRA_SM}, {HYGRA_TDEW, HYGRA_VM},
    {-1, HYGRA_HM}, {-1, HYGRA_SM}, {-1, HYGRA_VM}, {HYGRA_HM, HYGRA_SM}, {HYGRA_HM, HYGRA_VM}, {HYGRA_SM, HYGRA_VM}};
static_assert(std::size(pair_inputs) == HYGRA_S_V - HYGRA_TDEW_TWET + 1, "one row per state type");

// A property's name, or up to seven arbitrary bytes, or a null pointer.
const char* name_for(reader& in, int code)
{
    static char name[8];
    const char* known = hygra_property_name(code);
    if (known != nullptr && in.byte() % 2)
        std::snprintf(name, sizeof name, "%s", known);
    else
        for (char& c : name)
            c = static_cast<char>(in.byte() % 2 ? in.byte() : 0);
    name[sizeof name - 1] = '\0';
    return in.byte() == 0 ? nullptr : name;
}

template <bool by_name> void fuzz_eval(reader& in)
{
    const int type = in.selector(0, HYGRA_STATE_TYPE_COUNT), code = in.selector(0, HYGRA_PROPERTY_COUNT);
    const int units = in.byte() % 3 == 0 ? HYGRA_IP : HYGRA_SI;
    const double a = in.number(), b = in.number(), p = in.number();
    std::snprintf(current_call, sizeof current_call, "%s(%d, %d, %d, %.17g, %.17g, %.17g)",
                  by_name ? "moistair_eval_str" : "moistair_eval", type, code, units, a, b, p);
    double value = untouched;
    const int rc = by_name ? moistair_eval_str(type, name_for(in, code), units, &value, a, b, p)
                           : moistair_eval(type, code, units, in.byte() == 0 ? nullptr : &value, a, b, p);
    // Inside the published ranges: temperatures of the model where the dry bulb
    // comes first, 0 < p <= 50 bar (at zero pressure the diffusion coefficient
    // and volumes are infinite).
    const bool si = units == HYGRA_SI;
    const bool in_range = std::isfinite(a) && std::isfinite(b) && p > 0.0 && p <= (si ? 50.0 : 725.19) &&
                          (type > HYGRA_TDRY_TDEW || (si ? a > -100.0 && a <= 372.0 : a > -148.0 && a <= 701.6));
    check(rc, value, in_range);
    // A state built from a pair reproduces the pair: read both inputs back. A dew
    // point is compared where the getter can give one, except near the triple
    // point: saturation jumps there, and at high pressure air saturates over ice
    // just below 0.01 degC and over liquid water a few hundredths of a kelvin
    // above it with the same water.
    if (rc != HYGRA_OK || by_name || !in_range || type < HYGRA_TDEW_TWET || type > HYGRA_S_V)
        return;
    const double given[] = {a, b};
    for (int i = 0; i < 2; ++i) {
        const int code = pair_inputs[type - HYGRA_TDEW_TWET][i];
        const double kelvin = si ? given[i] + 273.15 : (given[i] - 32.0) / 1.8 + 273.15;
        double back = NAN;
        if (code < 0 || (code == HYGRA_TDEW && std::fabs(kelvin - 273.16) < 0.1) ||
            moistair_eval(type, code, units, &back, a, b, p) != HYGRA_OK)
            continue;
        const double tolerance = code == HYGRA_TDEW ? 1e-5 : 1e-6 * std::fabs(given[i]) + 1e-9;
        require(std::fabs(back - given[i]) <= tolerance, "a state does not reproduce its inputs", HYGRA_OK);
    }
}

void fuzz_altitude(reader& in)
{
    const int units = in.byte() % 2 ? HYGRA_IP : HYGRA_SI;
    const double z = in.number();
    std::snprintf(current_call, sizeof current_call, "altitude(%d, %.17g)", units, z);
    double value = untouched;
    const int rc = (in.byte() % 2 ? moistair_pz : moistair_tz)(units, in.byte() == 0 ? nullptr : &value, z);
    check(rc, value, std::isfinite(z));
}

void fuzz_const(reader& in)
{
    const int selector = in.selector(0, HYGRA_CONST_COUNT), units = in.raw<std::int32_t>();
    std::snprintf(current_call, sizeof current_call, "moistair_const(%d, %d)", selector, units);
    double value = untouched;
    check(moistair_const(selector, units, in.byte() == 0 ? nullptr : &value), value, true);
}

void fuzz_batch(reader& in)
{
    const int type = in.selector(0, HYGRA_STATE_TYPE_COUNT);
    const int units = in.byte() % 3 == 0 ? HYGRA_IP : HYGRA_SI;
    const std::size_t n = in.byte() % 4, n_codes = in.byte() % 4;
    double first[3], second[3], pressure[3], results[9];
    int codes[3], status[9];
    for (std::size_t i = 0; i < n; ++i)
        first[i] = in.number(), second[i] = in.number(), pressure[i] = in.number();
    for (std::size_t j = 0; j < n_codes; ++j)
        codes[j] = in.selector(0, HYGRA_PROPERTY_COUNT);
    std::fill(std::begin(results), std::end(results), untouched);
    std::snprintf(current_call, sizeof current_call, "hygra_eval_batch(%d, %d, %zu states, %zu codes)",
                  type, units, n, n_codes);
    const int rc = hygra_eval_batch(type, units, n, first, second, pressure, codes, n_codes, results, status);
    int first_failure = HYGRA_OK;
    for (std::size_t k = 0; k < n * n_codes; ++k) {
        require(status[k] >= HYGRA_OK && status[k] <= HYGRA_OUT_OF_RANGE, "element status outside 0..4", status[k]);
        require(status[k] == HYGRA_OK || results[k] == untouched, "element written on failure", status[k]);
        first_failure = first_failure == HYGRA_OK ? status[k] : first_failure;
    }
    require(rc == first_failure, "batch result is not the first element's failure", rc);
    // Work is bounded per value, not per batch.
    require(evaluation_count <= max_evaluations * (n * n_codes + 1), "unbounded work in one batch", rc);
}

void fuzz_texts(reader& in)
{
    const int code = in.raw<std::int32_t>(), units = in.raw<std::int32_t>();
    for (const char* text : {hygra_property_name(code), hygra_property_meaning(code), hygra_property_unit(code, units)})
        require((text != nullptr) == (code >= 0 && code < HYGRA_PROPERTY_COUNT), "property metadata for a code", code);
    require(hygra_strerror(code) && hygra_version() && hygra_last_error(), "a text function returned NULL", code);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One byte picks each call: by code, by name, altitude, constant, batch, texts.
    static void (*const calls[])(reader&) = {fuzz_eval<false>, fuzz_eval<true>, fuzz_altitude,
                                             fuzz_const,       fuzz_batch,      fuzz_texts};
    for (reader in{data, size}; in.size > 0;) {
        evaluation_count = 0;
        calls[in.byte() % 6](in);
    }
    return 0;
}
