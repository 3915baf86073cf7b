// moistair_pz, moistair_tz: the standard atmosphere at an altitude in m or ft,
// the pressure in bar or psi (the units moistair_eval takes), the temperature
// in degC or degF. No cache is involved; both may be called from any thread.
#include "api/result_code.h"
#include "api/units.h"
#include "ashrae97/moist_air.h"
#include "hygra.h"

extern "C" HYGRA_API int moistair_pz(int units, double* result, double altitude)
{
    using namespace hygra;
    return guarded([&]() -> int {
        if (result == nullptr)
            return HYGRA_INVALID_ARGUMENT;
        const int u = unit_index(units);
        const double p = ashrae97::moist_air::pz(altitude / u_Fz[u]);
        *result = p * u_Fp[u];
        return HYGRA_OK;
    });
}

extern "C" HYGRA_API int moistair_tz(int units, double* result, double altitude)
{
    using namespace hygra;
    return guarded([&]() -> int {
        if (result == nullptr)
            return HYGRA_INVALID_ARGUMENT;
        const int u = unit_index(units);
        const double t = ashrae97::moist_air::tz(altitude / u_Fz[u]);
        *result = temperature_out(t, u);
        return HYGRA_OK;
    });
}
