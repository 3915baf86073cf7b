// States from two of enthalpy, entropy and specific volume, where both the dry
// bulb and the humidity ratio are unknown. Each value of one of them is a line
// of states on the chart, from saturated air to dry air; the state is searched
// along that line for the value of the other, with the state at each dry bulb
// of the line found across it. Enthalpy with volume and entropy with volume
// walk the line of the volume, enthalpy with entropy the line of the enthalpy.
//
// Along a line of constant enthalpy the entropy rises with the humidity ratio
// as long as the vapour's chemical potential is negative; close to saturation
// near 0 degC at high pressure it turns positive, and there the entropy falls
// again: a value it reaches twice is refused as fitting two states.
#include "ashrae97/line_pairs.h"
#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {

void moist_air::at_h_s(double h, double s, double p)
{
    m_p = p;
    check_p(m_p);
    const line_point found = state_of_line_pair(h_s, h, s, p);
    store_found(found.t, found.xw);
}

void moist_air::at_h_v(double h, double v, double p)
{
    m_p = p;
    check_p(m_p);
    const line_point found = state_of_line_pair(h_v, h, v, p);
    store_found(found.t, found.xw);
}

void moist_air::at_s_v(double s, double v, double p)
{
    m_p = p;
    check_p(m_p);
    const line_point found = state_of_line_pair(s_v, s, v, p);
    store_found(found.t, found.xw);
}

void moist_air::store_found(double tdry, double xw)
{
    m_tdry = tdry;
    check_t(m_tdry);
    m_xw = xw;
    check_x(m_xw);
}

}  // namespace hygra::ashrae97
