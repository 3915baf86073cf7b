// Conversion factors between the library's internal units and the two unit
// systems of the C interface. A value in internal units times table[u] is the
// value in unit system u; an input in unit system u divided by table[u] is in
// internal units. Index 0 is the internal unit itself, 1 SI, 2 inch-pound.
// The stored values are used exactly as written: several differ from the exact
// conversion in their last digits, and results depend on them.
#ifndef HYGRA_API_UNITS_H
#define HYGRA_API_UNITS_H

#include <cmath>
#include <limits>

#include "ashrae97/constants.h"

namespace hygra {

// pressure: Pa -> bar, psi
inline constexpr double u_Fp[3] = {1.0, 1e-5, 0.000145038};
// specific enthalpy: kJ/kg -> kJ/kg, Btu/lb
inline constexpr double u_Fh[3] = {1.0, 1.0, 0.42992261392949266};
// temperature difference: K -> K, degF
inline constexpr double u_Ft[3] = {1.0, 1.0, 1.8};
// specific volume: m3/kg -> m3/kg, ft3/lb
inline constexpr double u_Fv[3] = {1.0, 1.0, 16.01846443340014};
// altitude: m -> m, ft
inline constexpr double u_Fz[3] = {1.0, 1.0, 3.280839895013123};
// dynamic viscosity: Pa s -> Pa s, lb/(ft h)
inline constexpr double u_Fm[3] = {1.0, 1.0, 2419.088153749502};
// thermal conductivity: W/(m K) -> W/(m K), Btu/(h ft degF)
inline constexpr double u_Fk[3] = {1.0, 1.0, 0.5777892051642799};
// diffusion coefficient: m2/s -> m2/s, ft2/h
inline constexpr double u_Fd[3] = {1.0, 1.0, 38750.1};

// The unit index of a unit-system flag: 0 selects SI, any other value inch-pound.
inline constexpr int unit_index(int flag) { return flag == 0 ? 1 : 2; }

// Temperatures a user types as printed and means exactly, K: the model's lowest
// and highest temperature (-100 and 372 degC, -148 and 701.6 degF) and the
// triple point of water (0.01 degC, 32.018 degF), where ice turns to liquid.
inline constexpr double exact_temperatures[] = {ashrae97::t_min, ashrae97::t_max, ashrae97::t_triple};
// A converted temperature within this fraction of one of them (two to four
// units in the last place) missed it by the rounding of the conversion (273.15
// and 1.8 are not exact in binary: -100 degC comes out as 173.14999999999998 K).
inline constexpr double conversion_rounding = 4.0 * std::numeric_limits<double>::epsilon();

// Temperature in the caller's scale (degC for SI, degF for inch-pound) to kelvin.
// A value that lands within rounding of a limit of the model or of the triple
// point is that temperature.
inline double temperature_in(double t, int u)
{
    const double k = u == 1 ? t + 273.15 : ((t - 32.0) / 1.8) + 273.15;
    for (double exact : exact_temperatures)
        if (std::fabs(k - exact) <= conversion_rounding * exact)
            return exact;
    return k;
}

// Kelvin to the caller's scale.
inline double temperature_out(double t, int u)
{
    return u == 1 ? t - 273.15 : t * 1.8 - 459.67;
}

// Specific entropy and heat capacity share one factor: enthalpy over temperature difference.
inline double entropy_in(double s, int u) { return s / (u_Fh[u] / u_Ft[u]); }
inline double entropy_out(double s, int u) { return s * u_Fh[u] / u_Ft[u]; }

}  // namespace hygra

#endif
