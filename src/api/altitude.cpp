// moistair_pz, moistair_tz: the standard atmosphere at an altitude in m or ft,
// the pressure in bar or psi (the units moistair_eval takes), the temperature
// in degC or degF. No cache is involved; both may be called from any thread.
#include <cmath>

#include "api/last_error.h"
#include "api/result_code.h"
#include "api/units.h"
#include "ashrae97/moist_air.h"
#include "hygra.h"

namespace hygra {

namespace {

// The altitude range is the only way these fail.
void describe_altitude_failure(int code, const char* what, int units, double altitude) noexcept
{
    using ashrae97::moist_air;
    if (code != HYGRA_OUT_OF_RANGE) {
        describe_plainly(code, what);
        return;
    }
    const int u = unit_index(units);
    const char* unit = u == 1 ? "m" : "ft";
    set_last_error("altitude %.6g %s is outside the standard atmosphere's range, %.6g to %.6g %s",
                   altitude, unit, moist_air::m_zmin * u_Fz[u], moist_air::m_zmax * u_Fz[u], unit);
}

// The altitude limits in feet are published rounded to a hundredth of a foot
// (-1640.42 and 32808.40 ft); a height in feet within half of that of a limit
// is taken as the limit itself. The limits in metres are exact.
constexpr double published_rounding = 0.005;

// Altitude in the caller's unit to m, with the published limits accepted.
double altitude_in(double altitude, int u)
{
    using ashrae97::moist_air;
    const double z = altitude / u_Fz[u];
    for (double limit : {moist_air::m_zmin, moist_air::m_zmax})
        if (u == 2 && std::fabs(altitude - limit * u_Fz[u]) <= published_rounding)
            return limit;
    return z;
}

// Runs one standard-atmosphere function of altitude in m, converting its
// result with `out`.
template <class Atmosphere, class Convert>
int at_altitude(int units, double* result, double altitude, Atmosphere atmosphere, Convert out)
{
    return guarded(
        [&]() -> int {
            if (result == nullptr) {
                set_last_error("the result pointer is null");
                return HYGRA_INVALID_ARGUMENT;
            }
            const int u = unit_index(units);
            *result = out(atmosphere(altitude_in(altitude, u)), u);
            return HYGRA_OK;
        },
        [&](int rc, const char* what) noexcept { describe_altitude_failure(rc, what, units, altitude); });
}

}  // namespace

}  // namespace hygra

extern "C" HYGRA_API int moistair_pz(int units, double* result, double altitude)
{
    using namespace hygra;
    return at_altitude(units, result, altitude, &ashrae97::moist_air::pz,
                       [](double p, int u) { return p * u_Fp[u]; });
}

extern "C" HYGRA_API int moistair_tz(int units, double* result, double altitude)
{
    using namespace hygra;
    return at_altitude(units, result, altitude, &ashrae97::moist_air::tz,
                       [](double t, int u) { return temperature_out(t, u); });
}
