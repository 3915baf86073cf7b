// States from the wet-bulb temperature and the enthalpy, entropy or volume.
// The wet bulb fixes a line of states, from air saturated at the wet bulb to
// dry air much warmer, all of which end as that saturated air when water at the
// wet bulb is evaporated into them; the state is searched along that line for
// the other property.
//
// Along a wet-bulb line the enthalpy changes only by the enthalpy of the water
// evaporated, W hw*, with hw* the enthalpy of liquid water (or ice) at the wet
// bulb: about 1.2 kJ/kg over the whole line at 20 degC, and nothing at all at
// 0.01 degC, where liquid water has zero enthalpy. Wet bulb and enthalpy are
// therefore refused where the enthalpy cannot tell the line's states apart.
// Over ice the entropy along a wet-bulb line first rises and then falls again
// towards saturation: a value between may belong to two states, and is refused.
#include "ashrae97/line_pairs.h"
#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {

void moist_air::at_twet_h(double twet, double h, double p)
{
    m_p = p;
    check_p(m_p);
    const line_point found = state_of_line_pair(twet_h, twet, h, p);
    store_found(found.t, found.xw);
}

void moist_air::at_twet_s(double twet, double s, double p)
{
    m_p = p;
    check_p(m_p);
    const line_point found = state_of_line_pair(twet_s, twet, s, p);
    store_found(found.t, found.xw);
}

void moist_air::at_twet_v(double twet, double v, double p)
{
    m_p = p;
    check_p(m_p);
    const line_point found = state_of_line_pair(twet_v, twet, v, p);
    store_found(found.t, found.xw);
}

}  // namespace hygra::ashrae97
