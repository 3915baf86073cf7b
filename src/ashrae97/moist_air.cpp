// The moist-air object: constants, construction and its dispatch to the state
// routines, the shared range checks, and the state from dry bulb and humidity
// ratio, which needs no search.
#include "ashrae97/moist_air.h"

#include <stdexcept>
#include <string>

#include "ashrae97/constants.h"
#include "numeric/errors.h"

namespace hygra::ashrae97 {

const double moist_air::m_zmin = -500.0;
const double moist_air::m_zmax = 10000.0;
const double moist_air::m_pmin = p_min;
const double moist_air::m_pmax = p_max;
const double moist_air::m_tmin = t_min;
const double moist_air::m_tmax = t_max;
const double moist_air::m_mwa = molar_mass_air;
const double moist_air::m_mww = molar_mass_water;
const double moist_air::m_rg = gas_constant;

moist_air::moist_air(state_type type, double first, double second, double p)
    : m_valid(false), m_tdry(0.0), m_p(0.0), m_xw(0.0)
{
    // Read as unsigned so that negative values fail like too-large ones.
    if (static_cast<unsigned>(type) > static_cast<unsigned>(s_v))
        throw std::domain_error("moist_air");
    switch (type) {
    case tdry_twet: at_tdry_twet(first, second, p); break;
    case tdry_rh: at_tdry_rh(first, second, p); break;
    case tdry_w: at_tdry_w(first, second, p); break;
    case tdry_h: at_tdry_h(first, second, p); break;
    case tdry_s: at_tdry_s(first, second, p); break;
    case tdry_v: at_tdry_v(first, second, p); break;
    case tdry_tdew: at_tdry_tdew(first, second, p); break;
    case w_twet: at_w_twet(first, second, p); break;
    case w_tdry: at_tdry_w(second, first, p); break;
    case w_rh: at_w_rh(first, second, p); break;
    case w_h: at_w_h(first, second, p); break;
    case w_s: at_w_s(first, second, p); break;
    case w_v: at_w_v(first, second, p); break;
    case rh_twet: at_rh_twet(first, second, p); break;
    case rh_tdry: at_tdry_rh(second, first, p); break;
    case rh_w: at_w_rh(second, first, p); break;
    case rh_h: at_rh_h(first, second, p); break;
    case rh_s: at_rh_s(first, second, p); break;
    case rh_v: at_rh_v(first, second, p); break;
    case tdew_twet: at_tdew_twet(first, second, p); break;
    case tdew_rh: at_tdew_rh(first, second, p); break;
    case tdew_h: at_tdew_h(first, second, p); break;
    case tdew_s: at_tdew_s(first, second, p); break;
    case tdew_v: at_tdew_v(first, second, p); break;
    case twet_h: at_twet_h(first, second, p); break;
    case twet_s: at_twet_s(first, second, p); break;
    case twet_v: at_twet_v(first, second, p); break;
    case h_s: at_h_s(first, second, p); break;
    case h_v: at_h_v(first, second, p); break;
    case s_v: at_s_v(first, second, p); break;
    }
    m_valid = true;
}

void moist_air::check_state() const
{
    if (!m_valid)
        throw invalid_state(std::string("moist_air"));
}

// The limits themselves are accepted; a NaN fails neither comparison.
void moist_air::check_t(double t)
{
    if (m_tmin > t || t > m_tmax)
        throw std::domain_error("moist_air::t_range");
}

void moist_air::check_p(double p)
{
    if (m_pmin > p || p > m_pmax)
        throw std::domain_error("moist_air::p_range");
}

void moist_air::check_x(double x)
{
    if (0.0 > x || x > 1.0)
        throw std::domain_error("moist_air::x_range");
}

void moist_air::check_twet_below_boiling(double xws)
{
    if (!(xws <= 1.0))
        throw std::domain_error("moist_air::twet_range");
}

double moist_air::w() const { return w_from_xw(m_xw); }

double xw_from_w(double w)
{
    const double m = 1.0 / (1.0 + w);          // mass fraction of dry air
    const double a = m / molar_mass_air;       // moles of dry air per kg of mixture
    const double b = (1.0 - m) / molar_mass_water;  // moles of water per kg of mixture
    return b / (a + b);
}

double w_from_xw(double xw)
{
    const double xa = 1.0 - xw;
    return xa == 0.0 ? 0.0 : mass_ratio * xw / xa;
}

void moist_air::begin_at_tdry(double tdry, double p)
{
    m_tdry = tdry;
    check_t(m_tdry);
    m_p = p;
    check_p(m_p);
}

void moist_air::at_tdry_w(double tdry, double w, double p)
{
    begin_at_tdry(tdry, p);
    m_xw = xw_from_w(w);
    check_x(m_xw);
}

}  // namespace hygra::ashrae97
