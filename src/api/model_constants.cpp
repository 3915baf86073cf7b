// moistair_const: the molar masses of the model and the temperature and
// pressure range in which it accepts states, in the caller's units.
#include <cstdint>

#include "api/last_error.h"
#include "api/result_code.h"
#include "api/units.h"
#include "ashrae97/moist_air.h"
#include "hygra.h"

extern "C" HYGRA_API int moistair_const(int selector, int units, double* result)
{
    using namespace hygra;
    using ashrae97::moist_air;
    return guarded([&]() -> int {
        if (result == nullptr) {
            set_last_error("the result pointer is null");
            return HYGRA_INVALID_ARGUMENT;
        }
        // Read as unsigned so that negative selectors fail like too-large ones.
        if (static_cast<std::uint32_t>(selector) >= HYGRA_CONST_COUNT) {
            set_last_error("constant selector %d is not one of 0 to %d", selector, HYGRA_CONST_COUNT - 1);
            return HYGRA_INVALID_ARGUMENT;
        }
        const int u = unit_index(units);
        double value = 0.0;
        switch (selector) {
        case HYGRA_CONST_MW: value = moist_air::m_mww; break;  // kg/kmol in both systems
        case HYGRA_CONST_MA: value = moist_air::m_mwa; break;
        case HYGRA_CONST_TMIN: value = temperature_out(moist_air::m_tmin, u); break;
        case HYGRA_CONST_TMAX: value = temperature_out(moist_air::m_tmax, u); break;
        case HYGRA_CONST_PMIN: value = moist_air::m_pmin * u_Fp[u]; break;
        case HYGRA_CONST_PMAX: value = moist_air::m_pmax * u_Fp[u]; break;
        }
        *result = value;
        return HYGRA_OK;
    });
}
