// States from the dew-point temperature and one other property: wet bulb,
// relative humidity, enthalpy, entropy or volume. Air whose dew point is tdew
// holds exactly the water that saturates air at tdew, so the dew point gives
// the humidity ratio at the pressure in closed form, W = Ws(tdew, p); the state
// is then found as from that humidity ratio and the other property. Its mole
// fraction is that of W, so its dew point is tdew again.
#include <stdexcept>

#include "ashrae97/moist_air.h"
#include "ashrae97/saturation.h"

namespace hygra::ashrae97 {

double moist_air::begin_at_tdew(double tdew, double p)
{
    m_p = p;
    check_p(m_p);
    // A dew point outside the model's temperatures fails here ("water",
    // "virial::t"). At or above the boiling point at p saturation exceeds pure
    // vapour and its humidity ratio turns negative: no air has that dew point.
    const double w = saturation_humidity_ratio(tdew, p);
    if (w < 0.0)
        throw std::domain_error("moist_air::x_range");
    return w;
}

void moist_air::at_tdew_twet(double tdew, double twet, double p)
{
    at_w_twet(begin_at_tdew(tdew, p), twet, p);
}

void moist_air::at_tdew_rh(double tdew, double rh, double p)
{
    at_w_rh(begin_at_tdew(tdew, p), rh, p);
}

void moist_air::at_tdew_h(double tdew, double h, double p)
{
    at_w_h(begin_at_tdew(tdew, p), h, p);
}

void moist_air::at_tdew_s(double tdew, double s, double p)
{
    at_w_s(begin_at_tdew(tdew, p), s, p);
}

void moist_air::at_tdew_v(double tdew, double v, double p)
{
    at_w_v(begin_at_tdew(tdew, p), v, p);
}

}  // namespace hygra::ashrae97
