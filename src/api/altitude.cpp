// moistair_pz, moistair_tz: the standard atmosphere at an altitude in m or ft,
// the pressure in bar or psi (the units moistair_eval takes), the temperature
// in degC or degF. No cache is involved; both may be called from any thread.
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
            *result = out(atmosphere(altitude / u_Fz[u]), u);
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
