// Fuzzing the C interface: arbitrary bytes become calls of every exported
// function, with state types, codes and selectors in and out of range and any
// doubles (NaN, infinities, subnormals, huge values, the model's limits). Each
// call must keep the interface's promises, not merely survive:
//   - the result code is one of the five;
//   - nothing is written through the result pointer on a non-zero code;
//   - a success for finite inputs inside the published ranges gives a finite value;
//   - the message of hygra_last_error() is empty exactly after a success;
//   - every call does bounded work.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ashrae97/evaluation_count.h"
#include "hygra.h"

namespace {

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

struct reader {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    template <class T>
    T raw()
    {
        T v{};
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes)
            b = byte();
        std::memcpy(&v, bytes, sizeof v);
        return v;
    }
    // Mostly meaningful numbers, sometimes any bit pattern.
    double number()
    {
        static const double special[] = {0.0, -0.0, 1.0, -1.0, 0.5, 1e-300, 5e-324, 1e308, -1e308,
                                         INFINITY, -INFINITY, NAN, -100.0, 372.0, -148.0, 701.6,
                                         50.0, 725.19, 1.01325, 14.696, 20.0, 68.0, 0.0073, 45.0};
        const std::uint8_t how = byte();
        if (how < 64)
            return special[how % (sizeof special / sizeof special[0])];
        if (how < 128)
            return raw<double>();
        // A value on a scale of a few hundred, with fine detail.
        return (raw<std::int16_t>() / 64.0) + raw<std::uint16_t>() / 65536.0;
    }
    int selector(int lo, int hi)
    {
        const std::uint8_t how = byte();
        if (how < 16)
            return raw<std::int32_t>();
        return lo + how % (hi - lo + 1);
    }
};

// The call being checked, for the report of a broken invariant.
char current_call[256] = "";

[[noreturn]] void broken(const char* what, int rc)
{
    std::fprintf(stderr, "invariant broken: %s\n  call: %s\n  result code %d, message \"%s\"\n",
                 what, current_call, rc, hygra_last_error());
    std::abort();
}

bool finite(double x) { return std::isfinite(x); }

// Whether an input of a state type lies in the published range (SI or IP).
bool temperature_in_range(double t, int units)
{
    return units == HYGRA_SI ? (t > -100.0 && t <= 372.0) : (t > -148.0 && t <= 701.6);
}

// Checks the promises common to every call returning a code and a value.
void check(int rc, double before, double after, bool expect_finite)
{
    if (rc < HYGRA_OK || rc > HYGRA_OUT_OF_RANGE)
        broken("result code outside 0..4", rc);
    if (rc != HYGRA_OK && std::memcmp(&before, &after, sizeof before) != 0)
        broken("value written on failure", rc);
    if (rc == HYGRA_OK && expect_finite && !finite(after))
        broken("non-finite value with success for finite inputs in range", rc);
    if ((rc == HYGRA_OK) != (hygra_last_error()[0] == '\0'))
        broken("message present exactly when the call failed", rc);
    if (hygra::ashrae97::evaluation_count > max_evaluations)
        broken("unbounded work in one call", rc);
}

// The property code of each input of the pairs from the dew point on (state
// types 19 to 29), whose searches are checked against their inputs here.
struct pair_codes {
    int type, first, second;
};
constexpr pair_codes checked_pairs[] = {
    {HYGRA_TDEW_TWET, HYGRA_TDEW, -1},      {HYGRA_TDEW_RH, HYGRA_TDEW, HYGRA_RH},
    {HYGRA_TDEW_H, HYGRA_TDEW, HYGRA_HM},   {HYGRA_TDEW_S, HYGRA_TDEW, HYGRA_SM},
    {HYGRA_TDEW_V, HYGRA_TDEW, HYGRA_VM},   {HYGRA_TWET_H, -1, HYGRA_HM},
    {HYGRA_TWET_S, -1, HYGRA_SM},           {HYGRA_TWET_V, -1, HYGRA_VM},
    {HYGRA_H_S, HYGRA_HM, HYGRA_SM},        {HYGRA_H_V, HYGRA_HM, HYGRA_VM},
    {HYGRA_S_V, HYGRA_SM, HYGRA_VM},
};

// Reads an input of a constructed state back and compares it with what it was
// built from. A wet bulb is not read back (near 0 degC a state may balance two
// wet bulbs, and the getter reports the first it meets); a dew point is, where
// the getter can give one, except near the triple point: saturation jumps
// there, and at high pressure air saturates over ice just below 0.01 degC and
// over liquid water a few hundredths of a kelvin above it with the same water.
void check_input(int type, int code, int units, double given, double a, double b, double p)
{
    if (code < 0)
        return;
    const double kelvin = units == HYGRA_SI ? given + 273.15 : (given - 32.0) / 1.8 + 273.15;
    if (code == HYGRA_TDEW && std::fabs(kelvin - 273.16) < 0.1)
        return;
    double back = NAN;
    if (moistair_eval(type, code, units, &back, a, b, p) != HYGRA_OK)
        return;
    const double tolerance = code == HYGRA_TDEW ? 1e-5 : 1e-6 * std::fabs(given) + 1e-9;
    if (!(std::fabs(back - given) <= tolerance))
        broken("a state does not reproduce an input it was built from", HYGRA_OK);
}

void check_reproduces(int type, int units, double a, double b, double p)
{
    for (const pair_codes& pair : checked_pairs)
        if (pair.type == type) {
            check_input(type, pair.first, units, a, a, b, p);
            check_input(type, pair.second, units, b, a, b, p);
        }
}

void fuzz_eval(reader& in, bool by_name)
{
    const int type = in.selector(0, HYGRA_STATE_TYPE_COUNT);
    const int code = in.selector(0, HYGRA_PROPERTY_COUNT);
    const int units = in.byte() % 3 == 0 ? HYGRA_IP : HYGRA_SI;
    const double a = in.number(), b = in.number(), p = in.number();
    const double before = -4242.0;
    double value = before;
    std::snprintf(current_call, sizeof current_call, "%s(%d, %d, %d, %.17g, %.17g, %.17g)",
                  by_name ? "moistair_eval_str" : "moistair_eval", type, code, units, a, b, p);
    hygra::ashrae97::evaluation_count = 0;
    int rc;
    if (by_name) {
        char name[8];
        const char* known = hygra_property_name(code);
        if (known != nullptr && in.byte() % 2)
            std::snprintf(name, sizeof name, "%s", known);
        else
            for (char& c : name)
                c = static_cast<char>(in.byte() % 2 ? in.byte() : 0);
        name[sizeof name - 1] = '\0';
        rc = moistair_eval_str(type, in.byte() == 0 ? nullptr : name, units, &value, a, b, p);
    } else {
        rc = moistair_eval(type, code, units, in.byte() == 0 ? nullptr : &value, a, b, p);
    }
    // Inside the published ranges: temperatures of the model, 0 < p <= 50 bar
    // (at zero pressure the diffusion coefficient and volumes are infinite).
    const double pmax = units == HYGRA_SI ? 50.0 : 725.19;
    bool in_range = finite(a) && finite(b) && p > 0.0 && p <= pmax;
    if (type == HYGRA_TDRY_W || type < HYGRA_W_TWET)
        in_range = in_range && temperature_in_range(a, units);
    check(rc, before, value, in_range);
    // A state built from a pair reproduces the pair: read both inputs back.
    if (rc == HYGRA_OK && !by_name && in_range)
        check_reproduces(type, units, a, b, p);
}

void fuzz_altitude(reader& in)
{
    const int units = in.byte() % 2 ? HYGRA_IP : HYGRA_SI;
    const double z = in.number();
    std::snprintf(current_call, sizeof current_call, "altitude(%d, %.17g)", units, z);
    const double before = -4242.0;
    double value = before;
    hygra::ashrae97::evaluation_count = 0;
    const int rc = (in.byte() % 2 ? moistair_pz : moistair_tz)(units, in.byte() == 0 ? nullptr : &value, z);
    check(rc, before, value, finite(z));
}

void fuzz_const(reader& in)
{
    const int selector = in.selector(0, HYGRA_CONST_COUNT);
    const int units = in.raw<std::int32_t>();
    const double before = -4242.0;
    double value = before;
    hygra::ashrae97::evaluation_count = 0;
    const int rc = moistair_const(selector, units, in.byte() == 0 ? nullptr : &value);
    check(rc, before, value, true);
}

void fuzz_batch(reader& in)
{
    const int type = in.selector(0, HYGRA_STATE_TYPE_COUNT);
    const int units = in.byte() % 3 == 0 ? HYGRA_IP : HYGRA_SI;
    const std::size_t n = in.byte() % 4;
    const std::size_t n_codes = in.byte() % 4;
    double first[3], second[3], pressure[3], results[9];
    int codes[3], status[9];
    for (std::size_t i = 0; i < n; ++i) {
        first[i] = in.number();
        second[i] = in.number();
        pressure[i] = in.number();
    }
    for (std::size_t j = 0; j < n_codes; ++j)
        codes[j] = in.selector(0, HYGRA_PROPERTY_COUNT);
    const double before = -4242.0;
    for (double& r : results)
        r = before;
    std::snprintf(current_call, sizeof current_call, "hygra_eval_batch(%d, %d, %zu states, %zu codes)",
                  type, units, n, n_codes);
    hygra::ashrae97::evaluation_count = 0;
    const int rc = hygra_eval_batch(type, units, n, first, second, pressure, codes, n_codes, results, status);
    int first_failure = HYGRA_OK;
    for (std::size_t k = 0; k < n * n_codes; ++k) {
        if (status[k] < HYGRA_OK || status[k] > HYGRA_OUT_OF_RANGE)
            broken("element status outside 0..4", status[k]);
        if (status[k] != HYGRA_OK && results[k] != before)
            broken("element written on failure", status[k]);
        if (first_failure == HYGRA_OK)
            first_failure = status[k];
    }
    if (rc != first_failure)
        broken("batch result is not the first element's failure", rc);
    // Work is bounded per value, not per batch.
    if (hygra::ashrae97::evaluation_count > max_evaluations * (n * n_codes + 1))
        broken("unbounded work in one batch", rc);
}

void fuzz_texts(reader& in)
{
    const int code = in.raw<std::int32_t>();
    const int units = in.raw<std::int32_t>();
    const bool known = code >= 0 && code < HYGRA_PROPERTY_COUNT;
    if ((hygra_property_name(code) != nullptr) != known || (hygra_property_meaning(code) != nullptr) != known ||
        (hygra_property_unit(code, units) != nullptr) != known)
        broken("property metadata for a code", code);
    if (hygra_strerror(code) == nullptr || hygra_version() == nullptr || hygra_last_error() == nullptr)
        broken("a text function returned NULL", code);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    reader in{data, size};
    while (in.size > 0) {
        switch (in.byte() % 6) {
        case 0: fuzz_eval(in, false); break;
        case 1: fuzz_eval(in, true); break;
        case 2: fuzz_altitude(in); break;
        case 3: fuzz_const(in); break;
        case 4: fuzz_batch(in); break;
        default: fuzz_texts(in); break;
        }
    }
    return 0;
}
