// moistair_eval: the one operation through which a property of a state is read.
#include <cmath>
#include <cstdint>
#include <utility>

#include "api/failure_messages.h"
#include "api/last_error.h"
#include "api/property_dispatch.h"
#include "api/result_code.h"
#include "api/state_cache.h"
#include "api/state_inputs.h"
#include "api/units.h"
#include "hygra.h"

namespace hygra {

namespace {

// Whether a property value can stand as an answer. A NaN computed from inputs
// that hold none is no answer; neither is an overflow at a positive pressure
// (at exactly zero pressure volumes and diffusivity are infinite, and are so
// reported). A NaN input still gives a NaN answer: the range checks let it pass.
bool plausible(double value, double first, double second, double p)
{
    const bool nan_input = std::isnan(first) || std::isnan(second) || std::isnan(p);
    if (std::isnan(value))
        return nan_input;
    if (std::isinf(value))
        return nan_input || !std::isfinite(first) || !std::isfinite(second) || !(p > 0.0);
    return true;
}

}  // namespace

}  // namespace hygra

extern "C" HYGRA_API int moistair_eval(int state_type, int code, int units, double* result,
                                       double first, double second, double pressure)
{
    using namespace hygra;
    evaluation call{state_type, code, unit_index(units), first, second, pressure, false};
    return guarded(
        [&]() -> int {
            if (result == nullptr) {
                set_last_error("the result pointer is null");
                return HYGRA_INVALID_ARGUMENT;
            }
            const int u = call.u;
            const double p = pressure / u_Fp[u];
            if (static_cast<std::uint32_t>(state_type) >= HYGRA_STATE_TYPE_COUNT) {
                set_last_error("state type %d is not one of 0 to %d", state_type,
                               HYGRA_STATE_TYPE_COUNT - 1);
                return HYGRA_INVALID_ARGUMENT;
            }
            const state_inputs& in = inputs_of(state_type);
            const state_key key{state_type,
                                {{input_in(in.first.kind, first, u), input_in(in.second.kind, second, u)}, p}};
            const ashrae97::moist_air state = cache().get(key);
            call.constructed = true;
            if (static_cast<std::uint32_t>(code) >= HYGRA_PROPERTY_COUNT) {
                set_last_error("property code %d is not one of 0 to %d", code, HYGRA_PROPERTY_COUNT - 1);
                return HYGRA_INVALID_ARGUMENT;
            }
            const double value = property_value(state, code, u);
            if (!plausible(value, first, second, p)) {
                set_last_error("%s of this state is not a finite number: the formulation breaks "
                               "down here (a pressure this close to 0 overflows it)",
                               hygra_property_name(code));
                return HYGRA_OUT_OF_RANGE;
            }
            *result = value;
            return HYGRA_OK;
        },
        [&](int rc, const char* what) noexcept { describe_evaluation_failure(rc, what, call); });
}
