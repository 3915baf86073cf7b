// States from the dry-bulb temperature and one other property. With the dry
// bulb and the pressure given only the mole fraction of water vapour remains:
// relative humidity and dew point give it in closed form, the other properties
// by a root search over the mole fraction.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ashrae97/checked_root.h"
#include "ashrae97/constants.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/saturation.h"
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
    }
    double operator()(const double& xw) override
    {
        const double value = (moistair(m_tdry, m_p, xw).*m_property)();
        // A target of exactly zero (the enthalpy of dry air at 0 degC, say) has
        // no relative residual: use the absolute one.
        return m_target == 0.0 ? -value : (m_target - value) / m_target;
    }

private:
    double m_tdry;                 // dry-bulb temperature, K
    double m_p;                    // total pressure, Pa
    double m_target;               // value the property must take
    moistair_property m_property;  // the mixture property matched
};

// Residual of the wet-bulb energy balance h(tdry, W) + (Ws* - W) hw* = hs* as a
// function of the mole fraction of water vapour.
class twet_function : public univariate_function<double, double> {
public:
    twet_function(double tdry, double p, double target, double hw)
        : m_tdry(tdry), m_p(p), m_target(target), m_hw(hw)
    {
    }
    double operator()(const double& xw) override
    {
        const double h = moistair(m_tdry, m_p, xw).hm();
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

// Root of f in mole fraction over the whole gas range at (t, p). Bone-dry air
// whose residual is within tolerance of zero is the answer when the residual
// does not change sign: a wet bulb or a volume read from air with a few 1e-13
// of water cannot tell it from dry air. Nearly pure vapour, whose properties
// per kg of dry air change the more the less dry air is left, is solved again
// to the precision of the mole fraction itself when the first root is not
// close enough.
double solve_mole_fraction(univariate_function<double, double>& f, double t, double p,
                           double abs_tol, double rel_tol)
{
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
    m_xw = solve_mole_fraction(f, tdry, p, tight_absolute_tolerance, tight_relative_tolerance);
}

void moist_air::at_tdry_s(double tdry, double s, double p)
{
    begin_at_tdry(tdry, p);
    xw_function f(tdry, p, s, &moistair::sm);
    m_xw = solve_mole_fraction(f, tdry, p, tight_absolute_tolerance, tight_relative_tolerance);
}

void moist_air::at_tdry_v(double tdry, double v, double p)
{
    begin_at_tdry(tdry, p);
    xw_function f(tdry, p, v, &moistair::vm);
    m_xw = solve_mole_fraction(f, tdry, p, brent_solver::default_absolute_tolerance,
                               brent_solver::default_relative_tolerance);
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
    m_xw = solve_mole_fraction(f, tdry, p, brent_solver::default_absolute_tolerance,
                               brent_solver::default_relative_tolerance);
}

}  // namespace hygra::ashrae97
