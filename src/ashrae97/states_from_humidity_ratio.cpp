// States from the humidity ratio and one other property. The humidity ratio
// fixes the mole fraction of water vapour; the dry-bulb temperature is found by
// minimising the squared difference between the given property and that of the
// mixture, starting near the dew point (or at the wet bulb) and restarting
// whenever the minimiser runs into the edge of its interval.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ashrae97/checked_root.h"
#include "ashrae97/constants.h"
#include "ashrae97/dew_point_estimate.h"
#include "ashrae97/ideal_gas_estimate.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/restarting_search.h"
#include "ashrae97/secant_search.h"
#include "ashrae97/water.h"
#include "numeric/brent_solver.h"
#include "numeric/powell_minimizer.h"
#include "numeric/univariate_function.h"

namespace hygra::ashrae97 {

namespace {

// A temperature found reproduces its target when the difference is within this
// fraction of the target; a root search on the difference refines the others
// to this relative tolerance, starting with brackets this wide (K).
constexpr double reproduction_tolerance = 1e-7;
constexpr double polish_relative_tolerance = 1e-12;
constexpr double polish_first_step = 0.005;

// The secant search from an ideal-gas estimate: first step (K), most
// evaluations before the walk and its polish take over, relative tolerance on
// the temperature.
constexpr double secant_first_step = 0.01;
constexpr int secant_evaluations = 10;
constexpr double secant_relative_tolerance = 1e-12;
// A root of the relative humidity this close to the triple point (K), where
// saturation jumps, is left to the walk, which picks among several roots.
constexpr double triple_point_reach = 1.0;

// Difference between a target and one mixture property at a trial dry-bulb
// temperature, for air of fixed humidity ratio and pressure; squared when the
// function is to be minimised rather than solved.
class tdry_w_function : public univariate_function<double, double> {
public:
    tdry_w_function(double w, double p, double target, moistair_property property,
                    bool squared = true)
        : m_w(w), m_p(p), m_target(target), m_property(property), m_squared(squared)
    {
    }
    double operator()(const double& t) override
    {
        const double value = (moistair(t, m_p, xw_from_w(m_w)).*m_property)();
        const double r = m_target - value;
        return m_squared ? r * r : r;
    }
    double target() const { return m_target; }
    // The same difference, not squared.
    tdry_w_function plain() const { return {m_w, m_p, m_target, m_property, false}; }

private:
    double m_w;                    // humidity ratio, kg/kg
    double m_p;                    // total pressure, Pa
    double m_target;               // value the property must take
    moistair_property m_property;  // the mixture property matched
    bool m_squared;                // return the square of the difference
};

// The minimiser can settle on a local minimum of the squared difference that
// is no root: where the condensed phase switches from ice to liquid at the
// triple point, saturation jumps, and so does every property that depends on
// it. A temperature that does not reproduce the target is replaced by a root
// of the plain difference, bracketed by stepping out from it on both sides.
double polish(const tdry_w_function& squared, double t, const char* message)
{
    tdry_w_function f = squared.plain();
    const double rt = f(t);
    if (std::fabs(rt) <= reproduction_tolerance * std::fabs(squared.target()))
        return t;
    // The last steps reach both temperature limits, wherever t lies.
    for (double step = polish_first_step; step < 2.0 * (t_max - t_min); step *= 2.0)
        for (double direction : {-1.0, 1.0}) {
            const double u = std::min(t_max, std::max(t_min, t + direction * step));
            const double ru = f(u);
            if (rt * ru <= 0.0) {
                brent_solver solver(f, 0.0, polish_relative_tolerance,
                                    brent_solver::default_maximum_iterations);
                const double root =
                    direction < 0.0 ? solver.solve(u, t, ru, rt) : solver.solve(t, u, rt, ru);
                return checked_root(solver, root, squared.target());
            }
        }
    throw std::domain_error(message);
}

// The temperature the minimiser walks to from t0. Within a fraction of a
// kelvin of a temperature limit the room left for each leg shrinks with the
// distance to the limit, and the walk can run out of legs short of a state that
// exists: then the root search of polish() brackets it from t0 instead. A start
// on a limit (dry air, or zero pressure, starts at the lowest temperature)
// leaves no search at all.
double walk_or_start(powell_minimizer& minimizer, double t0, double step, const char* message)
{
    try {
        return search_with_restarts(minimizer, t0, step, message);
    } catch (const std::domain_error&) {
        if (!(t0 > t_min && t0 < t_max))
            throw;
        return t0;
    }
}

// The first step of a search from start point t0: a fixed step in K, or, when
// `proportional`, a hundredth of the distance to the nearer temperature limit.
double first_step(double t0, double step, bool proportional)
{
    return proportional ? 0.01 * std::min(t_max - t0, t0 - t_min) : step;
}

// The root of the plain difference by secant steps from the estimate t0 (K):
// true, with the temperature in t, when the difference there is within the
// tolerance polish() accepts. Enthalpy, entropy and volume at fixed W rise
// steadily with the temperature, so such a root is the only one; the relative
// humidity jumps at the triple point, and a root near it is left to the walk.
bool secant_temperature(const tdry_w_function& squared, double t0, bool jumps_at_triple_point, double& t)
{
    if (!(t0 > t_min && t0 < t_max))
        t0 = std::min(t_max, std::max(t_min, std::isfinite(t0) ? t0 : t_ice + 20.0));
    tdry_w_function f = squared.plain();
    const secant_result r = secant_search(f, t_min, t_max, t0, secant_first_step, 0.0,
                                          secant_relative_tolerance, secant_evaluations);
    if (!r.found || !(std::fabs(r.fx) <= reproduction_tolerance * std::fabs(squared.target())))
        return false;
    if (jumps_at_triple_point && std::fabs(r.x - t_triple) < triple_point_reach)
        return false;
    t = r.x;
    return true;
}

// Shared by the searches from humidity ratio with relative humidity, enthalpy,
// entropy or volume: secant steps from the estimate t_estimate, else a walk
// from the estimated dew point of W.
double search_temperature(double w, double p, double target, moistair_property property,
                          double step, bool proportional_step, const char* message, double t_estimate)
{
    // A negative humidity ratio has no vapour pressure to start from.
    if (w < 0.0)
        throw std::domain_error("moist_air::x_range");
    // No state has an infinite property, and every state would "reproduce" it
    // within a tolerance relative to it.
    if (std::isinf(target))
        throw std::domain_error(message);
    tdry_w_function f(w, p, target, property);
    // Dry air (W = 0), and any air at zero pressure, starts the walk on the
    // lowest temperature and is refused there: the pair (dry bulb, W = 0) is
    // the way to give dry air.
    double t;
    if (w > 0.0 && p > 0.0 && secant_temperature(f, t_estimate, property == &moistair::rh, t))
        return t;
    powell_minimizer minimizer(f, powell_minimizer::default_tolerance,
                               powell_minimizer::default_iterations);
    const double t0 = dew_point_estimate(p, w);
    return polish(f, walk_or_start(minimizer, t0, first_step(t0, step, proportional_step), message),
                  message);
}

}  // namespace

void moist_air::at_w_rh(double w, double rh, double p)
{
    m_p = p;
    check_p(m_p);
    // A negative humidity ratio has no vapour pressure to start from.
    check_w(w);
    check_rh(rh);
    // Ideal gas: saturation pressure pw/rh at the dry bulb, from the dew-point
    // correlation at that pressure.
    const double pw = p * w / (mass_ratio_rounded + w);
    const double pws = rh > 0.0 ? pw / rh : NAN;
    const double t0 = pws < p ? dew_point_estimate(p, mass_ratio_rounded * pws / (p - pws)) : NAN;
    store_at_w(search_temperature(w, p, rh, &moistair::rh, 0.01, false, "moistair::at_w_rh", t0), w);
}

void moist_air::at_w_h(double w, double h, double p)
{
    m_p = p;
    check_p(m_p);
    // A negative humidity ratio has no vapour pressure to start from.
    check_w(w);
    // Ideal gas: h = 1.006 t + W (2501 + 1.86 t), t in degC.
    const double t0 = t_ice + (h - ideal_latent_heat * w) / (ideal_cp_air + ideal_cp_vapour * w);
    store_at_w(search_temperature(w, p, h, &moistair::hm, 0.1, false, "moistair::at_w_h", t0), w);
}

void moist_air::at_w_s(double w, double s, double p)
{
    m_p = p;
    check_p(m_p);
    // A negative humidity ratio has no vapour pressure to start from.
    check_w(w);
    // No closed form: 20 degC, the entropy rising steadily from there.
    store_at_w(search_temperature(w, p, s, &moistair::sm, 0.0, true, "moistair::at_w_s", t_ice + 20.0), w);
}

void moist_air::at_w_v(double w, double v, double p)
{
    m_p = p;
    check_p(m_p);
    // A negative humidity ratio has no vapour pressure to start from.
    check_w(w);
    // Ideal gas: v = Ra T (1 + 1.6078 W) / p.
    const double t0 = v * p / (ideal_r_air * (1.0 + ideal_vapour_volume_factor * w));
    store_at_w(search_temperature(w, p, v, &moistair::vm, 0.0, true, "moistair::at_w_v", t0), w);
}

void moist_air::at_w_twet(double w, double twet, double p)
{
    m_p = p;
    check_p(m_p);
    if (t_min > twet || twet > t_water_max)
        throw std::domain_error("water");
    check_w(w);
    // Energy balance of the wet bulb: h(T, W) = hs* - (Ws* - W) hw*, with the
    // condensed water at the wet bulb (ice below the triple point).
    const double hw = water(twet).hw();
    double ws_wet, xws_wet, xas_wet;
    virial(twet, p).efactor(ws_wet, xws_wet, xas_wet);
    check_twet_below_boiling(xws_wet);
    const double hs = moistair(twet, p, xws_wet).hm();
    tdry_w_function f(w, p, hs - (ws_wet - w) * hw, &moistair::hm);
    // The psychrometer equation of ideal gases solved for the dry bulb.
    const double twc = twet - t_ice;
    const double t0 = t_ice + ((ideal_latent_heat + ideal_cp_vapour * twc - hw) * ws_wet + ideal_cp_air * twc -
                               w * (ideal_latent_heat - hw)) /
                                  (ideal_cp_air + ideal_cp_vapour * w);
    double t_secant;
    if (secant_temperature(f, t0, false, t_secant)) {
        store_at_w(t_secant, w);
        return;
    }
    powell_minimizer minimizer(f, powell_minimizer::default_tolerance,
                               powell_minimizer::default_iterations);
    const double t = walk_or_start(minimizer, twet, -0.1, "moistar::at_w_twet");
    store_at_w(polish(f, t, "moistar::at_w_twet"), w);
}

void moist_air::store_at_w(double tdry, double w)
{
    m_tdry = tdry;
    check_t(m_tdry);
    m_xw = xw_from_w(w);
    check_x(m_xw);
}

}  // namespace hygra::ashrae97
