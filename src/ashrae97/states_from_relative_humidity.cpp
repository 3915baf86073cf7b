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
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/saturation.h"
#include "numeric/brent_solver.h"
#include "numeric/univariate_function.h"

namespace hygra::ashrae97 {

namespace {

// tolerances of the temperature searches: the residual has the property's unit
constexpr double absolute_tolerance = 1e-16;
constexpr double relative_tolerance = 1e-10;

// the upward walk of the wet-bulb search gives up below this step, K
constexpr double min_step = 1e-6;

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
// the highest of a gas.
double solve_temperature(double rh, double p, double target, moistair_property property)
{
    tdry_rh_function f(rh, p, target, property, false);
    brent_solver solver(f, absolute_tolerance, relative_tolerance,
                        brent_solver::default_maximum_iterations);
    const double t = solver.solve(t_min, highest_temperature(rh, p));
    return checked_root(solver, t, target);
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
    const double t = solve_temperature(rh, p, h, &moistair::hm);
    store_at_rh(t, rh);
}

void moist_air::at_rh_s(double rh, double s, double p)
{
    m_p = p;
    check_p(m_p);
    const double t = solve_temperature(rh, p, s, &moistair::sm);
    store_at_rh(t, rh);
}

void moist_air::at_rh_v(double rh, double v, double p)
{
    m_p = p;
    check_p(m_p);
    const double t = solve_temperature(rh, p, v, &moistair::vm);
    store_at_rh(t, rh);
}

void moist_air::at_rh_twet(double rh, double twet, double p)
{
    m_p = p;
    check_p(m_p);
    // The search starts a tenth of a kelvin below the wet bulb, where the dry
    // bulb cannot be, and needs room on both sides.
    double a = twet - 0.1;
    if (!(std::min(t_max - a, a - t_min) > 0.0))
        throw std::domain_error("moistair::at_rh_twet");
    check_twet_below_boiling(saturation_mole_fraction(twet, p));
    // The wet bulb of air of this relative humidity rises with its dry bulb.
    // Step upwards, doubling the step, until the wet bulb of the trial dry bulb
    // passes the one given, then solve in that bracket. Nearly pure vapour far
    // above the boiling point may have no wet bulb: a step that lands there is
    // halved instead.
    tdry_rh_function f(rh, p, twet, &moistair::twet, false);
    const double top = highest_temperature(rh, p);
    double fa = f(a);
    // Only supersaturated air has its dry bulb below its wet bulb.
    if (fa < 0.0)
        throw std::domain_error("moistair::at_rh_twet");
    double step = 1.0;
    while (fa != 0.0) {
        if (!(a < top) || !(step > min_step))
            throw std::domain_error("moistair::at_rh_twet");
        const double b = std::min(a + step, top);
        double fb;
        try {
            fb = f(b);
        } catch (const std::exception&) {
            step = 0.5 * (b - a);
            continue;
        }
        if (fb <= 0.0) {
            brent_solver solver(f, absolute_tolerance, relative_tolerance,
                                brent_solver::default_maximum_iterations);
            const double t = solver.solve(a, b, fa, fb);
            store_at_rh(checked_root(solver, t, twet), rh);
            return;
        }
        a = b;
        fa = fb;
        step *= 2.0;
    }
    store_at_rh(a, rh);
}

}  // namespace hygra::ashrae97
