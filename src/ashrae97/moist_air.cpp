// The moist-air object: constants, construction and its dispatch to the state
// routines, the shared range checks, and the state from dry bulb and humidity
// ratio, which needs no search.
#include "ashrae97/moist_air.h"

#include <cmath>
#include <limits>
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
    // -0 and +0 are one value: the same inputs give the same state whichever
    // sign of zero they carry (the ideal saturation pws/p turns -0 into -inf).
    first += 0.0;
    second += 0.0;
    p += 0.0;
    if (!std::isfinite(first) || !std::isfinite(second) || std::isnan(p)) {
        at_not_finite(type, first, second, p);
        m_valid = true;
        return;
    }
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
    // The mass fraction of water, 1 - m, written as w m: the difference would
    // lose every digit of a humidity ratio below 1e-16 and most below 1e-10.
    const double b = (w * m) / molar_mass_water;  // moles of water per kg of mixture
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

void moist_air::check_w(double w)
{
    // W = -1 would even slip through as a NaN mole fraction.
    if (w < 0.0)
        throw std::domain_error("moist_air::x_range");
    if (w > w_max)
        throw std::domain_error("moist_air::w_range");
}

void moist_air::check_rh(double rh)
{
    if (rh < 0.0)
        throw std::domain_error("moist_air::x_range");
}

void moist_air::at_tdry_w(double tdry, double w, double p)
{
    begin_at_tdry(tdry, p);
    check_w(w);
    m_xw = xw_from_w(w);
    check_x(m_xw);
}

void moist_air::at_not_finite(state_type type, double first, double second, double p)
{
    // No property of the formulation is infinite at an infinite input: such an
    // input holds no state. (Temperatures and pressure fail their range checks
    // anyway; an infinite humidity ratio, relative humidity, enthalpy, entropy
    // or volume would otherwise reach a search or a conversion that cannot
    // represent it.)
    if (std::isinf(first) || std::isinf(second))
        throw std::domain_error("moist_air::not_finite");
    // The closed forms carry a NaN through to exactly the quantities that
    // depend on it.
    switch (type) {
    case tdry_rh: at_tdry_rh(first, second, p); return;
    case rh_tdry: at_tdry_rh(second, first, p); return;
    case tdry_w: at_tdry_w(first, second, p); return;
    case w_tdry: at_tdry_w(second, first, p); return;
    case tdry_tdew: at_tdry_tdew(first, second, p); return;
    default: break;
    }
    // A search would run on NaN and return some number: keep the given dry
    // bulb or humidity ratio, which fix their stored quantity alone, and let
    // the rest be NaN.
    m_p = p;
    check_p(m_p);
    m_tdry = std::numeric_limits<double>::quiet_NaN();
    m_xw = std::numeric_limits<double>::quiet_NaN();
    switch (type) {
    case tdry_twet: case tdry_h: case tdry_s: case tdry_v:
        m_tdry = first;
        check_t(m_tdry);
        break;
    case w_twet: case w_rh: case w_h: case w_s: case w_v:
        check_w(first);
        m_xw = xw_from_w(first);
        break;
    case rh_w:
        check_rh(first);
        check_w(second);
        m_xw = xw_from_w(second);
        break;
    case rh_twet: case rh_h: case rh_s: case rh_v:
        check_rh(first);
        break;
    default: break;
    }
}

}  // namespace hygra::ashrae97
