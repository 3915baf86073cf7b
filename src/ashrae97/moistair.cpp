// Real-gas mixture functions: molar volume, enthalpy, entropy and relative
// humidity of moist air from the virial equation of state, and the dew-point and
// wet-bulb temperatures found by minimising a squared residual.
#include "ashrae97/moistair.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>
#include <string>

#include "ashrae97/constants.h"
#include "ashrae97/dew_point_estimate.h"
#include "ashrae97/horner.h"
#include "ashrae97/secant_search.h"
#include "ashrae97/water.h"
#include "numeric/errors.h"
#include "numeric/brent_solver.h"
#include "numeric/powell_minimizer.h"
#include "numeric/univariate_function.h"

namespace hygra::ashrae97 {

namespace {

// the fixed-point iteration for the molar volume: at most this many passes,
// stopping when successive volumes agree to this relative tolerance
constexpr int volume_passes = 100;
constexpr double volume_tolerance = 1e-6;
// a negative trial volume is replaced by the previous one grown by this factor
constexpr double volume_regrowth = 1.05;

// A wet bulb found by minimisation is accepted when the energy balance holds to
// this fraction of the enthalpy (kJ/kg), within this distance (K) of the
// interval between dew point and dry bulb; a root search refines the rest.
constexpr double balance_tolerance = 1e-6;
constexpr double balance_slack = 1e-6;
constexpr double wet_bulb_relative_tolerance = 1e-11;

// Saturation jumps at the triple point by up to a few tenths of a per cent (at
// 50 bar), a few tens of mK in temperature: within this distance (K) of it the
// dew point and wet bulb are checked against the jump.
constexpr double triple_point_reach = 1.0;
// Air is saturated when its relative humidity is 1 within this rounding.
constexpr double saturation_match = 1e-12;
// A dew point found is a root when saturation there matches the humidity ratio
// to this fraction (the jump at the triple point is at least 3e-5 of it); the
// root search refines to this relative tolerance in temperature.
constexpr double dew_point_match = 1e-7;
constexpr double dew_point_relative_tolerance = 1e-13;

// The secant searches of the dew point and the wet bulb: the first step from
// the estimate (K), the most evaluations before the searches below take over,
// and the relative tolerance on the temperature.
constexpr double secant_first_step = 0.01;
constexpr int secant_evaluations = 10;
constexpr double dew_point_secant_tolerance = 1e-12;
// the wet bulb of air below saturation is first sought at this fraction of the
// way from the dew point to the dry bulb
constexpr double wet_bulb_fraction = 0.4;

// a mixing term of the entropy counts only above this mole fraction, and the
// per-kg-of-dry-air results need at least this much dry air
constexpr double fraction_floor = 1e-8;

// ideal-gas molar enthalpy of dry air, J/mol: polynomial in T (K), highest
// power last, followed by two constants added separately
constexpr std::array<double, 5> air_enthalpy_fit = {28.709015, 0.0026431805, -1.0405863e-05, 1.866041e-08,
                                        -9.7843331e-12};
constexpr std::array<double, 2> air_enthalpy_offsets = {6.3290874, -7914.1982};
// ideal-gas molar enthalpy of water vapour, J/mol
constexpr std::array<double, 5> vapour_enthalpy_fit = {32.491829, 0.0065576345, -2.6442147e-05, 5.1751789e-08,
                                           -3.1541624e-11};
constexpr std::array<double, 2> vapour_enthalpy_offsets = {-0.005008, 35994.17};

// ideal-gas molar entropy of dry air at 101325 Pa, J/(mol K):
// coefficient of ln T, polynomial in T, then a constant
constexpr double air_entropy_log = 28.709015;
constexpr std::array<double, 5> air_entropy_fit = {34.373874, 0.0052863609, -1.5608795e-05, 2.4880547e-08,
                                       -1.2230416e-11};
constexpr double air_entropy_offset = -196.125465;
// ideal-gas molar entropy of water vapour at 101325 Pa, J/(mol K)
constexpr double vapour_entropy_log = 32.284652;
constexpr std::array<double, 6> vapour_entropy_fit = {2.196603, 0.019743819, -7.0128225e-05, 1.4866252e-07,
                                          -1.4524437e-10, 5.5663583e-14};
constexpr double vapour_entropy_offset = -63.31449;

double square(double x) { return x * x; }

// (w - ws(T'))^2: zero at the temperature where air of humidity ratio w saturates.
class dewpoint_function : public univariate_function<double, double> {
public:
    dewpoint_function(double p, double w) : m_p(p), m_w(w) {}
    double operator()(const double& t) override
    {
        double ws, xws, xas;
        virial(t, m_p).efactor(ws, xws, xas);
        return square(m_w - ws);
    }

private:
    double m_p;  // total pressure, Pa
    double m_w;  // humidity ratio, kg/kg
};

// ws(T') - w: the dew-point difference not squared, for a root search.
class dewpoint_residual : public univariate_function<double, double> {
public:
    dewpoint_residual(double p, double w) : m_p(p), m_w(w) {}
    double operator()(const double& t) override
    {
        double ws, xws, xas;
        virial(t, m_p).efactor(ws, xws, xas);
        return ws - m_w;
    }

private:
    double m_p;  // total pressure, Pa
    double m_w;  // humidity ratio, kg/kg
};

// ln(ws(T') / w): zero at the dew point of air of humidity ratio w. Nearly
// linear in T' (saturation grows about exponentially), so that a secant search
// from the correlation's estimate lands on it in a few steps. NaN where the
// condensed phase boils (no saturated air).
class log_dewpoint_residual : public univariate_function<double, double> {
public:
    log_dewpoint_residual(double p, double w) : m_p(p), m_w(w) {}
    double operator()(const double& t) override
    {
        double ws, xws, xas;
        virial(t, m_p).efactor(ws, xws, xas);
        return ws > 0.0 ? std::log(ws / m_w) : NAN;
    }

private:
    double m_p;  // total pressure, Pa
    double m_w;  // humidity ratio, kg/kg
};

// Whether a temperature (K) lies close enough to the triple point for the jump
// of saturation there to matter to the dew-point and wet-bulb searches.
bool near_triple_point(double t) { return std::fabs(t - t_triple) < triple_point_reach; }

// The wet-bulb energy balance: air of enthalpy h and humidity ratio w, brought
// to saturation at T' by evaporating water at T', has the enthalpy of saturated
// air at T'. The residual h - (hs - (ws - w) hw) is zero at the thermodynamic
// wet bulb; squared, it is minimised.
class wetbulb_function : public univariate_function<double, double> {
public:
    wetbulb_function(double p, double h, double w, bool squared)
        : m_p(p), m_h(h), m_w(w), m_squared(squared)
    {
    }
    double operator()(const double& t) override
    {
        if (t < t_min || t > t_water_max)
            throw std::domain_error("water");
        const double hw = water(t).hw();
        double ws, xws, xas;
        virial(t, m_p).efactor(ws, xws, xas);
        const double hs = moistair(t, m_p, xws).hm();
        const double r = m_h - (hs - (ws - m_w) * hw);
        return m_squared ? r * r : r;
    }

private:
    double m_p;       // total pressure, Pa
    double m_h;       // enthalpy of the air, kJ per kg dry air
    double m_w;       // humidity ratio of the air, kg/kg
    bool m_squared;   // return the square of the residual
};

// The lowest root of the wet-bulb balance f in [lo, hi]. The balance jumps at
// the triple point, where the condensed water turns from ice to liquid, and a
// sign change across that jump is no root: each side is searched on its own,
// the colder first.
double lowest_balance_root(wetbulb_function& f, double lo, double hi)
{
    const double ice_end = std::nextafter(t_triple, 0.0);  // last temperature over ice
    const bool split = lo < t_triple && t_triple < hi;
    const double pieces[2][2] = {{lo, split ? ice_end : hi}, {t_triple, hi}};
    for (int i = 0; i < (split ? 2 : 1); ++i) {
        const double a = pieces[i][0], b = pieces[i][1];
        const double fa = f(a), fb = f(b);
        if (fa * fb <= 0.0) {
            brent_solver solver(f, 0.0, wet_bulb_relative_tolerance,
                                brent_solver::default_maximum_iterations);
            return solver.solve(a, b, fa, fb);
        }
    }
    throw convergence_error(std::string("moistair::twet"));
}

// xws(T') less the largest mole fraction of vapour saturated air may hold.
class boiling_function : public univariate_function<double, double> {
public:
    explicit boiling_function(double p) : m_p(p) {}
    double operator()(const double& t) override
    {
        double ws, xws, xas;
        virial(t, m_p).efactor(ws, xws, xas);
        return xws - (1.0 - dry_air_floor);
    }

private:
    double m_p;  // total pressure, Pa
};

// hi, or, when air saturated at hi would be (nearly) pure vapour, the
// temperature in [lo, hi] where it becomes so: above the boiling point at p no
// air is saturated, and the wet-bulb balance there means nothing. The wet bulb
// of air hotter than the boiling point lies below it.
double below_boiling(double p, double lo, double hi)
{
    boiling_function f(p);
    const double fhi = f(hi);
    if (!(fhi > 0.0))
        return hi;
    const double flo = f(lo);
    if (!(flo < 0.0))
        return hi;
    brent_solver solver(f, 0.0, wet_bulb_relative_tolerance, brent_solver::default_maximum_iterations);
    return solver.solve(lo, hi, flo, fhi);
}

}  // namespace

double moistair::w() const
{
    // A NaN dry-air fraction counts as nonzero.
    return m_xa != 0.0 ? m_xw * mass_ratio / m_xa : 0.0;
}

moistair::mixture_coefficients moistair::mixture(bool with_derivatives) const
{
    virial_coefficients c, d;
    if (m_given != nullptr)
        c = *m_given, d = *m_given_derivatives;
    else if (with_derivatives)
        coefficients_and_derivatives(c, d);
    else
        c = coefficients();
    const double xa = m_xa, xw = m_xw;
    mixture_coefficients m{};
    m.bm = xa * xa * c.baa + 2.0 * xa * xw * c.baw + xw * xw * c.bww;
    m.cm = xa * xa * xa * c.caaa + 3.0 * xa * xa * xw * c.caaw + 3.0 * xa * xw * xw * c.caww +
           xw * xw * xw * c.cwww;
    if (with_derivatives) {
        m.dbm = xa * xa * d.baa + 2.0 * xa * xw * d.baw + xw * xw * d.bww;
        m.dcm = xa * xa * xa * d.caaa + 3.0 * xa * xa * xw * d.caaw + 3.0 * xa * xw * xw * d.caww +
                xw * xw * xw * d.cwww;
    }
    return m;
}

double moistair::molar_volume(double bm, double cm) const
{
    const double v0 = gas_constant * t() / p();  // ideal-gas molar volume
    double v = v0;
    double vn = v0;
    for (int pass = 0; pass < volume_passes; ++pass) {
        vn = ((cm / v + bm) / v + 1.0) * v0;
        if (std::fabs(1.0 - v / vn) < volume_tolerance)
            return vn;
        // A negative volume would flip the sign of the next correction for
        // good: step back and grow the previous volume instead.
        v = vn > 0.0 ? vn : volume_regrowth * v;
    }
    return vn;
}

double moistair::molar_volume() const
{
    const mixture_coefficients m = mixture(false);
    return molar_volume(m.bm, m.cm);
}

double moistair::vm() const
{
    const double v = 0.001 * molar_volume();  // m3/kmol of mixture
    return m_xa > fraction_floor ? v / (m_xa * molar_mass_air) : v;
}

double moistair::hm() const
{
    const double T = t();
    const mixture_coefficients m = mixture(true);
    const double v = molar_volume(m.bm, m.cm);
    const double ha0 =
        T * horner(air_enthalpy_fit, T) + air_enthalpy_offsets[0] + air_enthalpy_offsets[1];
    const double hw0 = T * horner(vapour_enthalpy_fit, T) + vapour_enthalpy_offsets[0] +
                       vapour_enthalpy_offsets[1];
    const double rt = gas_constant * T;
    const double h = m_xa * ha0 + m_xw * hw0 +
                     (1e-6 * rt / v) * ((m.bm - T * m.dbm) + (m.cm - 0.5 * T * m.dcm) / v);
    return m_xa > fraction_floor ? h / (m_xa * molar_mass_air) : h;
}

double moistair::sm() const
{
    const double T = t();
    const double P = p();
    const mixture_coefficients m = mixture(true);
    const double v = molar_volume(m.bm, m.cm);
    const double r = gas_constant * 1e-6;  // J/(mol K)
    const double rt = gas_constant * T;
    const double lnt = std::log(T);
    const double sa0 = air_entropy_log * lnt + horner(air_entropy_fit, T) + air_entropy_offset;
    const double sw0 =
        vapour_entropy_log * lnt + horner(vapour_entropy_fit, T) + vapour_entropy_offset;
    double s = m_xw * sw0 + m_xa * sa0 - r * std::log(P / p_standard);
    // Entropy of mixing; a component too dilute to count contributes nothing.
    if (m_xa > fraction_floor)
        s += r * m_xa * std::log(v * P / (m_xa * rt));
    if (m_xw > fraction_floor)
        s += r * m_xw * std::log(P * v / (rt * m_xw));
    s -= (r / v) * ((m.bm + T * m.dbm) + (m.cm + T * m.dcm) / (2.0 * v));
    return m_xa > fraction_floor ? s / (m_xa * molar_mass_air) : s;
}

double moistair::rh() const
{
    double ws, xws, xas;
    efactor(ws, xws, xas);
    return m_xw / xws;
}

double moistair::tdew_estimate() const { return dew_point_estimate(p(), w()); }

double moistair::tdew() const
{
    bool found;
    return dew_point(found);
}

double moistair::dew_point(bool& found) const
{
    found = true;
    const double w = this->w();
    // A search on NaN would still end somewhere: no dew point without a number.
    if (std::isnan(w) || std::isnan(p()))
        return std::numeric_limits<double>::quiet_NaN();
    // Saturated air has its dew point at its dry bulb. Near the triple point the
    // search below could report the other dew point of the same humidity ratio.
    if (near_triple_point(t()) && saturated())
        return t();
    const double te = tdew_estimate();
    // The root of ln(ws/w) by secant steps from the correlation's estimate.
    // Away from the triple point saturation rises steadily with temperature,
    // so a root found there is the dew point; anything else is decided by the
    // searches below.
    if (w > 0.0 && m_xa != 0.0 && te > t_min && te < t_max) {
        log_dewpoint_residual f(p(), w);
        const secant_result r = secant_search(f, t_min, t_max, te, secant_first_step, 0.0,
                                              dew_point_secant_tolerance, secant_evaluations);
        if (r.found && !near_triple_point(r.x) && std::fabs(r.fx) <= dew_point_match)
            return r.x;
    }
    const double t0 = std::max(t_min, std::min(t_max, te));
    const double d = std::min(t_max - t0, t0 - t_min);
    if (d == 0.0) {
        found = false;
        return t0;
    }
    // Humid air is matched to a tolerance relative to its humidity ratio.
    const double tolerance = (m_xa == 0.0 || w < 0.001) ? 1e-8 : w * 1e-9;
    double td;
    try {
        dewpoint_function f(p(), w);
        powell_minimizer minimizer(f, tolerance, powell_minimizer::default_iterations);
        td = minimizer.solve(t0, 0.1, d);
    } catch (const std::exception&) {
        // The walk ran out of the range (the correlation can start it far from
        // a dew point near the lowest temperature): bracket the root instead.
        return bracketed_dew_point(te, found);
    }
    return near_triple_point(td) ? dew_point_at_triple_point(td) : td;
}

double moistair::bracketed_dew_point(double te, bool& found) const
{
    // Saturation rises with the temperature, over ice up to the triple point
    // and over liquid from it up to the boiling point: the lowest temperature
    // where it reaches w. None in the range: the correlation is the answer of
    // last resort, and no dew point is found.
    dewpoint_residual f(p(), m_xa == 0.0 ? 0.0 : w());
    const double ice_end = std::nextafter(t_triple, 0.0);
    const double pieces[2][2] = {{t_min, ice_end}, {t_triple, below_boiling(p(), t_triple, t_max)}};
    found = true;
    for (const auto& piece : pieces) {
        const double a = piece[0], b = piece[1];
        const double fa = f(a);
        if (fa > 0.0) {
            // Already saturated at the start of the piece: below the range, or
            // between the two branches at the triple point.
            if (a == t_min)
                break;
            return a;
        }
        const double fb = f(b);
        if (fb >= 0.0) {
            brent_solver solver(f, 0.0, dew_point_relative_tolerance,
                                brent_solver::default_maximum_iterations);
            return solver.solve(a, b, fa, fb);
        }
    }
    found = false;
    return te;
}

bool moistair::saturated() const
{
    return std::fabs(rh() - 1.0) <= saturation_match;
}

double moistair::dew_point_at_triple_point(double td) const
{
    // Saturation jumps at the triple point, where the condensed phase turns from
    // ice to liquid. The fits leave the humidity ratio of air saturated over ice
    // just below it a little above that over liquid at it, so a humidity ratio
    // in between has two dew points: the one over ice, the lower, is reported,
    // so that a dew point given reads back. A minimum found on the jump itself
    // is no dew point at all.
    const double w = this->w();
    const double ice_end = std::nextafter(t_triple, 0.0);  // last temperature over ice
    const double ws_ice = saturation_w(ice_end);
    const bool over_ice = w <= ws_ice;
    if ((td < t_triple) == over_ice && std::fabs(saturation_w(td) - w) <= dew_point_match * w)
        return td;
    if (!over_ice && saturation_w(t_triple) >= w)
        return t_triple;  // between the two branches: air saturates at the triple point
    const double lo = over_ice ? t_min : t_triple;
    const double hi = over_ice ? ice_end : below_boiling(p(), t_triple, t_max);
    dewpoint_residual f(p(), w);
    const double flo = f(lo), fhi = f(hi);
    if (!(flo * fhi <= 0.0))
        return td;
    brent_solver solver(f, 0.0, dew_point_relative_tolerance, brent_solver::default_maximum_iterations);
    return solver.solve(lo, hi, flo, fhi);
}

double moistair::saturation_w(double t) const
{
    double ws, xws, xas;
    virial(t, p()).efactor(ws, xws, xas);
    return ws;
}

double moistair::twet() const
{
    if (std::isnan(t()) || std::isnan(p()) || std::isnan(m_xw))
        return std::numeric_limits<double>::quiet_NaN();
    // Saturated air is its own wet bulb (nothing evaporates into it).
    if (near_triple_point(t()) && saturated())
        return t();
    const double h = hm();
    const double w = this->w();
    // Air below saturation (its dew point, by the correlation, below the dry
    // bulb): the root of the balance by secant steps from a point between dew
    // point and dry bulb. Away from the triple point, where the balance jumps,
    // the balance falls steadily from the dew point to the dry bulb, so a root
    // found there is the wet bulb; anything else is decided by the searches below.
    const double te = tdew_estimate();
    if (m_xa != 0.0 && w > 0.0 && te > t_min && te < t()) {
        wetbulb_function f(p(), h, w, false);
        const double t0 = te + wet_bulb_fraction * (t() - te);
        const secant_result r = secant_search(f, t_min, t(), t0, secant_first_step, 0.0,
                                              wet_bulb_relative_tolerance, secant_evaluations);
        if (r.found && !near_triple_point(r.x) && water(r.x).pws() < p() &&
            std::fabs(r.fx) <= balance_tolerance * std::max(1.0, std::fabs(h)))
            return r.x;
    }
    bool found;
    const double td = dew_point(found);
    // The wet bulb lies between the dew point and the dry bulb. A dew point
    // above the dry bulb of air below saturation is the correlation's fallback,
    // no dew point at all: then only the lowest temperature bounds the wet bulb.
    double lo = std::min(td, t()), hi = std::max(td, t());
    if (!found || (td > t() && !(rh() > 1.0))) {
        lo = t_min;
        hi = t();
    }
    // Without a dew point, no walk from it: the root search below.
    const double d = found ? std::min(t_max - td, td - t_min) : 0.0;
    if (d > 0.0) {
        // Walk up from the dew point to the minimum of the squared balance.
        try {
            wetbulb_function f(p(), h, w, true);
            powell_minimizer minimizer(f, powell_minimizer::default_tolerance,
                                       powell_minimizer::default_iterations);
            const double tw = minimizer.solve(td, 0.1, d);
            // The condensed water switches from ice to liquid at the triple
            // point, and the balance jumps there: a walk that overshoots can
            // settle on the jump, which balances nothing. Accept only a true
            // root between the dew point and the dry bulb.
            if (tw >= lo - balance_slack && tw <= hi + balance_slack &&
                std::sqrt(minimizer.fx()) <= balance_tolerance * std::max(1.0, std::fabs(h)))
                return tw;
        } catch (const std::exception&) {
            // No minimum within reach of the dew point: solve the bracket below.
        }
    }
    if (lo == hi)
        return lo;
    // The balance is positive at the dew point and negative at the dry bulb:
    // a root search between them cannot miss the wet bulb. It also covers dry
    // air, whose dew point sits at the lowest temperature of the model.
    wetbulb_function f(p(), h, w, false);
    return lowest_balance_root(f, lo, below_boiling(p(), lo, hi));
}

}  // namespace hygra::ashrae97
