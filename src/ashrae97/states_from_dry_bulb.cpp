// States from the dry-bulb temperature and one other property. With the dry
// bulb and the pressure given only the mole fraction of water vapour remains:
// relative humidity and dew point give it in closed form, the other properties
// by a root search over the mole fraction.
#include <algorithm>
#include <cmath>
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

// Tolerances of the searches for enthalpy and entropy: the residual is relative
// to the target, so these are dimensionless.
constexpr double tight_absolute_tolerance = 1e-16;
constexpr double tight_relative_tolerance = 1e-10;

// Above saturation the vapour condenses and the gas-phase formulation no longer
// describes the air; the searches over the mole fraction stop a little above
// it, so that saturated states are found despite rounding.
constexpr double supersaturation_margin = 1e-3;
// ... and short of pure vapour (dry_air_floor).
// A relative humidity this close above 1 is a saturated state read back with
// rounding (its humidity ratio converted to a mole fraction and back).
constexpr double saturation_rounding = 1e-9;
// A wet bulb this far above the dry bulb (K) is the dry bulb read back with rounding.
constexpr double wet_bulb_rounding = 1e-6;

// the relative tolerance of a search that must resolve the mole fraction to its
// last digits (nearly pure vapour)
constexpr double finest_relative_tolerance = 1e-15;

// Residual of one mixture property as a function of the mole fraction of water
// vapour at fixed dry bulb and pressure, relative to its target.
class xw_function : public univariate_function<double, double> {
public:
    xw_function(double tdry, double p, double target, moistair_property property)
        : m_tdry(tdry), m_p(p), m_target(target), m_property(property)
    {
        virial(tdry, p).coefficients_and_derivatives(m_c, m_d);
    }
    double operator()(const double& xw) override
    {
        const double value = (moistair(m_tdry, m_p, xw, m_c, m_d).*m_property)();
        // A target of exactly zero (the enthalpy of dry air at 0 degC, say) has
        // no relative residual: use the absolute one.
        return m_target == 0.0 ? -value : (m_target - value) / m_target;
    }

private:
    double m_tdry;                 // dry-bulb temperature, K
    double m_p;                    // total pressure, Pa
    double m_target;               // value the property must take
    moistair_property m_property;  // the mixture property matched
    virial_coefficients m_c, m_d;  // virial coefficients at the dry bulb, and their derivatives
};

// Residual of the wet-bulb energy balance h(tdry, W) + (Ws* - W) hw* = hs* as a
// function of the mole fraction of water vapour.
class twet_function : public univariate_function<double, double> {
public:
    twet_function(double tdry, double p, double target, double hw)
        : m_tdry(tdry), m_p(p), m_target(target), m_hw(hw)
    {
        virial(tdry, p).coefficients_and_derivatives(m_c, m_d);
    }
    double operator()(const double& xw) override
    {
        const double h = moistair(m_tdry, m_p, xw, m_c, m_d).hm();
        const double xa = 1.0 - xw;
        const double w = xa != 0.0 ? mass_ratio * xw / xa : 0.0;
        const double balance = h - w * m_hw;
        return m_target == 0.0 ? -balance : 1.0 - balance / m_target;
    }

private:
    double m_tdry;    // dry-bulb temperature, K
    double m_p;       // total pressure, Pa
    double m_target;  // hs* - Ws* hw*, kJ per kg dry air
    double m_hw;      // enthalpy of the condensed water at the wet bulb, kJ/kg
    virial_coefficients m_c, m_d;  // virial coefficients at the dry bulb, and their derivatives
};

// Largest mole fraction of water vapour at which moist air at (t, p) is still
// a gas: saturation (with a margin for rounding), or nearly pure vapour above
// the boiling point.
double gas_mole_fraction_limit(double t, double p)
{
    const double xws = saturation_mole_fraction(t, p);
    return std::min(1.0 - dry_air_floor, xws * (1.0 + supersaturation_margin));
}

// A function of the mole fraction seen as a function of the fraction of its
// largest value, so that the solver's tolerances are relative to saturation
// rather than to a mole fraction of 1: dry air at -40 degC holds a few 1e-7.
class scaled_fraction : public univariate_function<double, double> {
public:
    scaled_fraction(univariate_function<double, double>& f, double scale) : m_f(f), m_scale(scale) {}
    double operator()(const double& u) override { return m_f(u * m_scale); }

private:
    univariate_function<double, double>& m_f;  // function of the mole fraction
    double m_scale;                            // mole fraction at u = 1
};

// Evaluations the secant search from an estimate may make before the bracketed
// search over the whole gas range takes over.
constexpr int estimate_search_evaluations = 12;
// the second point of the secant search lies this fraction of the mole
// fraction, plus this fraction of the largest mole fraction, from the estimate
constexpr double secant_relative_step = 1e-4;
constexpr double secant_floor_step = 1e-7;
// an estimate above this fraction of the saturation pressure over p may be a
// saturated state, which lies a little higher, at the gas limit
constexpr double near_saturation = 0.98;

// Root of f in mole fraction over the whole gas range at (t, p). The search
// starts from the estimate x0 (a mole fraction from the ideal-gas closed forms)
// with secant steps, first below the saturation pressure over p, a mole fraction
// the gas always reaches (the enhancement factor is at least 1), then up to
// the gas limit. Where no root is confirmed that way, the bracketed search over
// the whole range decides, with its guarantees and its failures. There bone-dry
// air whose residual is within tolerance of zero is the answer when the residual
// does not change sign: a wet bulb or a volume read from air with a few 1e-13
// of water cannot tell it from dry air. Nearly pure vapour, whose properties
// per kg of dry air change the more the less dry air is left, is solved again
// to the precision of the mole fraction itself when the first root is not
// close enough.
double solve_mole_fraction(univariate_function<double, double>& f, double t, double p,
                           double abs_tol, double rel_tol, double x0)
{
    const double pws = water(t).pws();
    const double reached = std::min(1.0 - dry_air_floor, pws / p);
    const auto accepted = [](const secant_result& r) {
        return r.found && std::fabs(r.fx) <= residual_tolerance + residual_floor;
    };
    if (reached > 0.0 && std::isfinite(x0)) {
        const double step = secant_relative_step * std::max(0.0, x0) + secant_floor_step * reached;
        // An estimate close to saturation searches up to the gas limit at once.
        const bool whole = x0 >= near_saturation * reached;
        const double hi = whole ? gas_mole_fraction_limit(t, p) : reached;
        const secant_result r =
            secant_search(f, 0.0, hi, x0, step, abs_tol * hi, rel_tol, estimate_search_evaluations);
        if (accepted(r))
            return r.x;
        if (!whole) {
            const double limit = gas_mole_fraction_limit(t, p);
            const secant_result above = secant_search(f, reached, limit, reached, -step, abs_tol * limit,
                                                      rel_tol, estimate_search_evaluations);
            if (accepted(above))
                return above.x;
        }
    }
    const double limit = gas_mole_fraction_limit(t, p);
    scaled_fraction g(f, limit);
    const double g0 = g(0.0), g1 = g(1.0);
    if (g0 * g1 > 0.0 && std::fabs(g0) <= residual_tolerance)
        return 0.0;
    brent_solver solver(g, abs_tol, rel_tol, brent_solver::default_maximum_iterations);
    const double u = solver.solve(0.0, 1.0, g0, g1);
    if (!(std::fabs(solver.froot()) <= residual_tolerance + residual_floor)) {
        brent_solver fine(g, abs_tol, finest_relative_tolerance,
                          brent_solver::default_maximum_iterations);
        return checked_root(fine, fine.solve(0.0, 1.0, g0, g1), 1.0) * limit;
    }
    return u * limit;
}

// Ideal-gas humidity ratios (kg/kg) at dry bulb tc (degC), turned into a
// mole-fraction estimate for the searches.
double xw_estimate(double w)
{
    if (!(w > 0.0))
        return 0.0;
    return w / (mass_ratio + w);
}

// Enthalpy h (kJ/kg dry air) at tc: h = 1.006 t + W (2501 + 1.86 t).
double xw_from_ideal_enthalpy(double tc, double h)
{
    return xw_estimate((h - ideal_cp_air * tc) / (ideal_latent_heat + ideal_cp_vapour * tc));
}

// Specific volume v (m3/kg dry air) at T (K) and p (Pa): v = Ra T (1 + 1.6078 W) / p.
double xw_from_ideal_volume(double t, double p, double v)
{
    return xw_estimate((v * p / (ideal_r_air * t) - 1.0) / ideal_vapour_volume_factor);
}

}  // namespace

void moist_air::at_tdry_rh(double tdry, double rh, double p)
{
    begin_at_tdry(tdry, p);
    // Relative humidity is a fraction; 1 is saturation. The relative humidity
    // read from a saturated state may exceed 1 by a rounding: that is still 1.
    if (rh > 1.0 && rh <= 1.0 + saturation_rounding)
        rh = 1.0;
    if (0.0 > rh || rh > 1.0)
        throw std::domain_error("moist_air::rh_range");
    m_xw = rh * saturation_mole_fraction(tdry, p);
    // Fails only above the boiling point at p, where saturation exceeds xw = 1.
    check_x(m_xw);
}

void moist_air::at_tdry_h(double tdry, double h, double p)
{
    begin_at_tdry(tdry, p);
    xw_function f(tdry, p, h, &moistair::hm);
    m_xw = solve_mole_fraction(f, tdry, p, tight_absolute_tolerance, tight_relative_tolerance,
                               xw_from_ideal_enthalpy(tdry - t_ice, h));
}

void moist_air::at_tdry_s(double tdry, double s, double p)
{
    begin_at_tdry(tdry, p);
    xw_function f(tdry, p, s, &moistair::sm);
    // No closed form: half of saturation, about the middle of the humid range.
    m_xw = solve_mole_fraction(f, tdry, p, tight_absolute_tolerance, tight_relative_tolerance,
                               0.5 * std::min(1.0, water(tdry).pws() / p));
}

void moist_air::at_tdry_v(double tdry, double v, double p)
{
    begin_at_tdry(tdry, p);
    xw_function f(tdry, p, v, &moistair::vm);
    m_xw = solve_mole_fraction(f, tdry, p, brent_solver::default_absolute_tolerance,
                               brent_solver::default_relative_tolerance, xw_from_ideal_volume(tdry, p, v));
}

void moist_air::at_tdry_tdew(double tdry, double tdew, double p)
{
    begin_at_tdry(tdry, p);
    // Air whose dew point is tdew holds exactly the water that saturates air at
    // tdew: W = Ws(tdew, p). A dew point above the dry bulb gives supersaturated
    // air; one at or above the boiling point at p gives no mole fraction in [0, 1].
    m_xw = xw_from_w(saturation_humidity_ratio(tdew, p));
    check_x(m_xw);
}

void moist_air::at_tdry_twet(double tdry, double twet, double p)
{
    begin_at_tdry(tdry, p);
    // A wet bulb a rounding above the dry bulb is saturated air read back (the
    // wet-bulb getter pulls such a wet bulb back to the dry bulb itself).
    if (twet > tdry && twet - tdry <= wet_bulb_rounding)
        twet = tdry;
    if (0.0 > tdry - twet)
        throw std::domain_error("moist_air::at_tdry_twet");
    // Saturation at the wet bulb; a wet bulb below the model's range fails here.
    double ws_wet, xws_wet, xas_wet;
    virial(twet, p).efactor(ws_wet, xws_wet, xas_wet);
    check_twet_below_boiling(xws_wet);
    // The water evaporated at the wet bulb: ice below the triple point, liquid
    // from it, as in the wet-bulb getter, so that every wet bulb it reports
    // builds its state back.
    const double hw = water(twet).hw();
    const double hs = moistair(twet, p, xws_wet).hm();
    twet_function f(tdry, p, hs - ws_wet * hw, hw);
    // The psychrometer equation of ideal gases, for ice and liquid alike: the
    // water evaporated at the wet bulb takes up the heat the air gives cooling to it.
    const double tc = tdry - t_ice, twc = twet - t_ice;
    const double w0 = ((ideal_latent_heat + ideal_cp_vapour * twc - hw) * ws_wet - ideal_cp_air * (tc - twc)) /
                      (ideal_latent_heat + ideal_cp_vapour * tc - hw);
    m_xw = solve_mole_fraction(f, tdry, p, brent_solver::default_absolute_tolerance,
                               brent_solver::default_relative_tolerance, xw_estimate(w0));
}

}  // namespace hygra::ashrae97
