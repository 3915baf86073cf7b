// States from the relative humidity and one other property. Relative humidity
// alone does not fix the mole fraction of water vapour, which depends on the
// saturation state at the dry bulb, so the search runs over the dry-bulb
// temperature and rebuilds the mole fraction at every trial temperature.
#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "ashrae97/checked_root.h"
#include "ashrae97/constants.h"
#include "ashrae97/ideal_gas_estimate.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/saturation.h"
#include "ashrae97/secant_search.h"
#include "ashrae97/water.h"
#include "numeric/brent_solver.h"
#include "numeric/univariate_function.h"

namespace hygra::ashrae97 {

namespace {

// tolerances of the temperature searches: the residual has the property's unit
constexpr double absolute_tolerance = 1e-16;
constexpr double relative_tolerance = 1e-10;

// least magnitudes that the residuals of enthalpy (kJ/kg), entropy (kJ/(kg K))
// and volume (m3/kg) are held relative to: about 1e-6 K of dry bulb each
constexpr double enthalpy_scale = 1.0;
constexpr double entropy_scale = 1e-3;
constexpr double volume_scale = 1e-3;

// the wet-bulb balance of saturated air at its own wet bulb is zero within this
// rounding (relative to the enthalpy)
constexpr double saturation_balance = 1e-12;

// The secant searches from an estimate: first step (K), most evaluations
// before the bracketed searches take over, relative tolerance on the
// temperature; roots this close to the triple point (K), where saturation
// jumps and a second root may lie, are left to the bracketed searches.
constexpr double secant_first_step = 0.01;
constexpr int secant_evaluations = 10;
constexpr double secant_relative_tolerance = 1e-12;
constexpr double triple_point_reach = 1.0;
// ... and of the ideal-gas estimates that start them
constexpr int estimate_evaluations = 12;
constexpr double estimate_relative_tolerance = 1e-7;

// Humidity ratio of ideal moist air of relative humidity rh at T (K) and p
// (Pa); NaN where it would boil.
double ideal_w(double rh, double t, double p)
{
    const double pw = rh * water(t).pws();
    return pw < p ? mass_ratio * pw / (p - pw) : NAN;
}

// What an ideal-gas estimate matches at T: enthalpy, volume or the wet-bulb
// balance of air of relative humidity rh.
class ideal_rh_residual : public univariate_function<double, double> {
public:
    enum kind { enthalpy, volume, wet_bulb };
    ideal_rh_residual(kind k, double rh, double p, double target, double twet = 0.0, double ws_wet = 0.0,
                      double hw = 0.0)
        : m_kind(k), m_rh(rh), m_p(p), m_target(target), m_twet(twet), m_ws_wet(ws_wet), m_hw(hw)
    {
    }
    double operator()(const double& t) override
    {
        const double w = ideal_w(m_rh, t, m_p);
        const double tc = t - t_ice;
        switch (m_kind) {
        case enthalpy:
            return ideal_cp_air * tc + w * (ideal_latent_heat + ideal_cp_vapour * tc) - m_target;
        case volume:
            return ideal_r_air * t * (1.0 + ideal_vapour_volume_factor * w) / m_p - m_target;
        default: {
            const double twc = m_twet - t_ice;
            return ideal_cp_air * (tc - twc) + w * (ideal_latent_heat + ideal_cp_vapour * tc - m_hw) -
                   m_ws_wet * (ideal_latent_heat + ideal_cp_vapour * twc - m_hw);
        }
        }
    }

private:
    kind m_kind;
    double m_rh, m_p, m_target;    // relative humidity, pressure (Pa), target
    double m_twet, m_ws_wet, m_hw; // wet bulb (K), saturation there (kg/kg), water enthalpy (kJ/kg)
};

// The root of an ideal-gas residual in [lo, t_max] from t0, or t0 itself.
double ideal_estimate(ideal_rh_residual f, double lo, double t0)
{
    const secant_result r = secant_search(f, lo, t_max, t0, 1.0, 0.0, estimate_relative_tolerance,
                                          estimate_evaluations);
    return r.found ? r.x : t0;
}

// A residual of the dry bulb, as NaN where air of relative humidity rh would
// be nearly pure vapour (rh xws above 1 less the dry-air floor), so that a
// secant search does not wander where the formulation means nothing.
class within_gas : public univariate_function<double, double> {
public:
    within_gas(univariate_function<double, double>& f, double rh, double p) : m_f(f), m_rh(rh), m_p(p) {}
    double operator()(const double& t) override
    {
        if (!(m_rh * water(t).pws() < (1.0 - dry_air_floor) * m_p))
            return NAN;
        return m_f(t);
    }

private:
    univariate_function<double, double>& m_f;
    double m_rh, m_p;
};

// Difference between a target and one mixture property at a trial dry-bulb
// temperature, for air of fixed relative humidity and pressure; squared when
// the function is to be minimised rather than solved.
class tdry_rh_function : public univariate_function<double, double> {
public:
    tdry_rh_function(double rh, double p, double target, moistair_property property, bool squared)
        : m_rh(rh), m_p(p), m_target(target), m_property(property), m_squared(squared)
    {
    }
    double operator()(const double& t) override
    {
        const double xw = m_rh * saturation_mole_fraction(t, m_p);
        const double r = m_target - (moistair(t, m_p, xw).*m_property)();
        return m_squared ? r * r : r;
    }

private:
    double m_rh;                   // relative humidity, fraction
    double m_p;                    // total pressure, Pa
    double m_target;               // value the property must take
    moistair_property m_property;  // the mixture property matched
    bool m_squared;                // return the square of the residual
};

// rh xws(T, p) less the largest mole fraction of vapour searched: it rises with
// the temperature and crosses zero where air of this relative humidity would be
// nearly pure vapour.
class vapour_excess_function : public univariate_function<double, double> {
public:
    vapour_excess_function(double rh, double p) : m_rh(rh), m_p(p) {}
    double operator()(const double& t) override
    {
        return m_rh * saturation_mole_fraction(t, m_p) - (1.0 - dry_air_floor);
    }

private:
    double m_rh;  // relative humidity, fraction
    double m_p;   // total pressure, Pa
};

// Highest dry-bulb temperature at which air of relative humidity rh at p is
// still mostly gas of a definite composition: above it rh xws would exceed 1 and
// the gas-phase formulation evaluated there means nothing. The model's upper
// limit when no such temperature lies in its range.
double highest_temperature(double rh, double p)
{
    vapour_excess_function excess(rh, p);
    const double at_top = excess(t_max);
    if (!(at_top > 0.0))
        return t_max;
    const double at_bottom = excess(t_min);
    if (!(at_bottom < 0.0))
        throw std::domain_error("moist_air::x_range");
    brent_solver solver(excess, 0.0, relative_tolerance, brent_solver::default_maximum_iterations);
    return solver.solve(t_min, t_max, at_bottom, at_top);
}

// Dry-bulb temperature at which the property of air of relative humidity rh
// equals the target, searched from the lowest temperature of the model up to
// the highest of a gas. `scale` is the least magnitude the property's residual
// is held relative to, so that a target near 0 (the enthalpy of air near 0
// degC, an entropy near its reference) is not held to a tolerance no temperature
// can meet in double precision.
double solve_temperature(double rh, double p, double target, moistair_property property,
                         double scale, double t0)
{
    tdry_rh_function f(rh, p, target, property, false);
    // Secant steps from the estimate: a root away from the triple point, with
    // the gas reaching it, is the only one.
    if (std::isfinite(t0)) {
        within_gas g(f, rh, p);
        const secant_result r = secant_search(g, t_min, t_max, std::min(t_max, std::max(t_min, t0)),
                                              secant_first_step, 0.0, secant_relative_tolerance,
                                              secant_evaluations);
        if (r.found && std::fabs(r.x - t_triple) >= triple_point_reach &&
            std::fabs(r.fx) <= residual_tolerance * std::max(std::fabs(target), scale) + residual_floor)
            return r.x;
    }
    brent_solver solver(f, absolute_tolerance, relative_tolerance,
                        brent_solver::default_maximum_iterations);
    const double t = solver.solve(t_min, highest_temperature(rh, p));
    return checked_root(solver, t, std::max(std::fabs(target), scale));
}

// The wet-bulb energy balance as a function of the dry bulb T for air of fixed
// relative humidity: h(T, W) - W hw relative to its target hs* - Ws* hw*, where
// W is the humidity ratio of air of this relative humidity at T and the starred
// values belong to the wet bulb. Rises with T.
class rh_balance_function : public univariate_function<double, double> {
public:
    rh_balance_function(double rh, double p, double target, double hw)
        : m_rh(rh), m_p(p), m_target(target), m_hw(hw)
    {
    }
    double operator()(const double& t) override
    {
        const double xw = m_rh * saturation_mole_fraction(t, m_p);
        const double balance = moistair(t, m_p, xw).hm() - w_from_xw(xw) * m_hw;
        return m_target == 0.0 ? balance : (balance - m_target) / std::fabs(m_target);
    }

private:
    double m_rh;      // relative humidity, fraction
    double m_p;       // total pressure, Pa
    double m_target;  // hs* - Ws* hw*, kJ per kg dry air
    double m_hw;      // enthalpy of the condensed water at the wet bulb, kJ/kg
};

// The wet bulb (K) that the getter reports for air of relative humidity rh at
// dry bulb t and pressure p.
double wet_bulb_of(double t, double rh, double p)
{
    return moistair(t, p, rh * saturation_mole_fraction(t, p)).twet();
}

}  // namespace

void moist_air::store_at_rh(double tdry, double rh)
{
    m_tdry = tdry;
    check_t(m_tdry);
    m_xw = rh * saturation_mole_fraction(tdry, m_p);
    check_x(m_xw);
}

void moist_air::at_rh_h(double rh, double h, double p)
{
    m_p = p;
    check_p(m_p);
    check_rh(rh);
    const double t0 = ideal_estimate({ideal_rh_residual::enthalpy, rh, p, h}, t_min, t_ice + 20.0);
    const double t = solve_temperature(rh, p, h, &moistair::hm, enthalpy_scale, t0);
    store_at_rh(t, rh);
}

void moist_air::at_rh_s(double rh, double s, double p)
{
    m_p = p;
    check_p(m_p);
    check_rh(rh);
    // No closed form: 20 degC, the entropy rising steadily from there.
    const double t = solve_temperature(rh, p, s, &moistair::sm, entropy_scale, t_ice + 20.0);
    store_at_rh(t, rh);
}

void moist_air::at_rh_v(double rh, double v, double p)
{
    m_p = p;
    check_p(m_p);
    check_rh(rh);
    const double t0 = ideal_estimate({ideal_rh_residual::volume, rh, p, v}, t_min, t_ice + 20.0);
    const double t = solve_temperature(rh, p, v, &moistair::vm, volume_scale, t0);
    store_at_rh(t, rh);
}

void moist_air::at_rh_twet(double rh, double twet, double p)
{
    m_p = p;
    check_p(m_p);
    check_rh(rh);
    // Saturation at the wet bulb and the water evaporated there: ice below the
    // triple point, liquid from it, as in the wet-bulb getter.
    double ws_wet, xws_wet, xas_wet;
    virial(twet, p).efactor(ws_wet, xws_wet, xas_wet);
    check_twet_below_boiling(xws_wet);
    const double hw = water(twet).hw();
    const double hs = moistair(twet, p, xws_wet).hm();
    // The energy balance of the wet bulb, h(T, W) - W hw = hs - Ws hw, for air of
    // this relative humidity at the trial dry bulb T. Its left side rises with T
    // (warmer air holds more water and more heat), except for a small drop where
    // saturation at T jumps from ice to liquid at the triple point, so each side
    // of the triple point holds at most one root.
    rh_balance_function f(rh, p, hs - ws_wet * hw, hw);
    const double fa = f(twet);
    if (fa < 0.0) {
        // Secant steps from the ideal-gas estimate: a root away from the triple
        // point, with the gas reaching it, is the only one.
        const double t0 = ideal_estimate({ideal_rh_residual::wet_bulb, rh, p, 0.0, twet, ws_wet, hw}, twet,
                                         twet + 1.0);
        within_gas g(f, rh, p);
        const secant_result r = secant_search(g, twet, t_max, std::max(twet, t0), secant_first_step, 0.0,
                                              secant_relative_tolerance, secant_evaluations);
        if (r.found && std::fabs(r.x - t_triple) >= triple_point_reach &&
            std::fabs(r.fx) <= residual_tolerance + residual_floor) {
            store_at_rh(r.x, rh);
            return;
        }
    }
    const double top = highest_temperature(rh, p);
    if (fa >= 0.0) {
        // Saturated air is its own wet bulb; only supersaturated air would have
        // its dry bulb below its wet bulb.
        if (fa <= saturation_balance) {
            store_at_rh(twet, rh);
            return;
        }
        throw std::domain_error("moistair::at_rh_twet");
    }
    const double ice_end = std::nextafter(t_triple, 0.0);  // last temperature over ice
    const bool split = twet < t_triple && t_triple < top;
    const double pieces[2][2] = {{twet, split ? ice_end : top}, {t_triple, top}};
    double roots[2];
    int found = 0;
    for (int i = 0; i < (split ? 2 : 1); ++i) {
        const double a = pieces[i][0], b = pieces[i][1];
        const double ga = i == 0 ? fa : f(a), gb = f(b);
        if (!(ga <= 0.0 && gb >= 0.0))
            continue;
        brent_solver solver(f, absolute_tolerance, relative_tolerance,
                            brent_solver::default_maximum_iterations);
        const double t = solver.solve(a, b, ga, gb);
        roots[found++] = checked_root(solver, t, 1.0);
    }
    if (found == 0)
        throw std::domain_error("moistair::at_rh_twet");
    // Two states balance at this wet bulb, one on each side of the triple point:
    // keep the one whose wet bulb, as the getter reports it, is the one given.
    double t = roots[0];
    if (found == 2) {
        const double miss0 = std::fabs(wet_bulb_of(roots[0], rh, p) - twet);
        const double miss1 = std::fabs(wet_bulb_of(roots[1], rh, p) - twet);
        if (miss1 < miss0)
            t = roots[1];
    }
    store_at_rh(t, rh);
}

}  // namespace hygra::ashrae97
