// The relative humidity of the state, from the library (the state is in its
// cache by now, so this costs one property).
#include "supersaturation.h"

#include "hygra.h"
#include "numbers.h"

namespace hygra::tool {

std::string supersaturation_note(const state_request& request, double pressure)
{
    const double first = request.choice.swapped ? request.b.value : request.a.value;
    const double second = request.choice.swapped ? request.a.value : request.b.value;
    double rh = 0.0;
    if (moistair_eval(request.choice.type, HYGRA_RH, request.units, &rh, first, second, pressure) !=
            HYGRA_OK ||
        !(rh > 1.0))
        return {};
    // Saturated air given by a dew point equal to its dry bulb reads back a
    // rounding above 1 (1.0000000000000002): that is saturation, and the note
    // would say "RH = 1 > 1". It speaks only when the RH it prints is above 1.
    const std::string shown = format_short(rh);
    if (shown == "1")
        return {};
    return "supersaturated: RH = " + shown + " > 1, the dew point lies above the dry bulb";
}

}  // namespace hygra::tool
