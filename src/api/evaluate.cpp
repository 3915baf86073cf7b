// moistair_eval: the one operation through which a property of a state is read.
#include <cstdint>

#include "api/property_dispatch.h"
#include "api/result_code.h"
#include "api/state_cache.h"
#include "api/units.h"
#include "hygra.h"

namespace hygra {

namespace {

using ashrae97::moist_air;

// First and second input of a state type from the caller's units to internal units.
std::pair<double, double> inputs_in(int type, double first, double second, int u)
{
    // What each input of the pair is, in the order of the state type.
    enum quantity { temperature, fraction, enthalpy, entropy, volume };
    static constexpr quantity pairs[HYGRA_STATE_TYPE_COUNT][2] = {
        {temperature, temperature},  // tdry_twet
        {temperature, fraction},     // tdry_rh
        {temperature, fraction},     // tdry_w
        {temperature, enthalpy},     // tdry_h
        {temperature, entropy},      // tdry_s
        {temperature, volume},       // tdry_v
        {temperature, temperature},  // tdry_tdew
        {fraction, temperature},     // w_twet
        {fraction, temperature},     // w_tdry
        {fraction, fraction},        // w_rh
        {fraction, enthalpy},        // w_h
        {fraction, entropy},         // w_s
        {fraction, volume},          // w_v
        {fraction, temperature},     // rh_twet
        {fraction, temperature},     // rh_tdry
        {fraction, fraction},        // rh_w
        {fraction, enthalpy},        // rh_h
        {fraction, entropy},         // rh_s
        {fraction, volume},          // rh_v
    };
    auto convert = [u](quantity q, double v) {
        switch (q) {
        case temperature: return temperature_in(v, u);
        case enthalpy: return v / u_Fh[u];
        case entropy: return entropy_in(v, u);
        case volume: return v / u_Fv[u];
        case fraction: break;
        }
        return v;
    };
    return {convert(pairs[type][0], first), convert(pairs[type][1], second)};
}

}  // namespace

}  // namespace hygra

extern "C" HYGRA_API int moistair_eval(int state_type, int code, int units, double* result,
                                       double first, double second, double pressure)
{
    using namespace hygra;
    if (result == nullptr)
        return HYGRA_INVALID_ARGUMENT;
    const int u = unit_index(units);
    const double p = pressure / u_Fp[u];
    if (static_cast<std::uint32_t>(state_type) >= HYGRA_STATE_TYPE_COUNT)
        return HYGRA_INVALID_ARGUMENT;
    const auto in = inputs_in(state_type, first, second, u);
    return guarded([&] {
        const state_key key{state_type, {{in.first, in.second}, p}};
        const ashrae97::moist_air state = cache().get(key);
        if (static_cast<std::uint32_t>(code) >= HYGRA_PROPERTY_COUNT)
            return HYGRA_INVALID_ARGUMENT;
        *result = property_value(state, code, u);
        return HYGRA_OK;
    });
}
