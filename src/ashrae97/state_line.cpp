// Lines of states of one enthalpy, entropy, volume or wet bulb: their ends,
// the state at each dry bulb, and the search along them for the state where a
// second property takes its value.
#include "ashrae97/state_line.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ashrae97/checked_root.h"
#include "ashrae97/constants.h"
#include "ashrae97/saturation.h"
#include "ashrae97/virial.h"
#include "ashrae97/water.h"
#include "numeric/brent_solver.h"
#include "numeric/univariate_function.h"

namespace hygra::ashrae97 {

namespace {

// Relative tolerances of the root searches: on the dry bulb (K) along a line,
// and on the mole fraction (a fraction of the interval searched) across it.
constexpr double line_relative_tolerance = 1e-13;
constexpr double across_relative_tolerance = 1e-13;

// The saturated end is searched upwards from the triple point in steps that
// start at this size (K) and double.
constexpr double saturated_first_step = 16.0;

// Above saturation the vapour condenses; the mole fractions searched at the
// ends of a line stop a little above it, so that saturated states are found
// despite rounding.
constexpr double supersaturation_margin = 1e-3;

// Double precision of the formulation's properties: a property is computed to
// about 1e-14 of the size of the terms summed, which for the enthalpy reach a
// few hundred kJ/kg (the ideal-gas polynomials), for the entropy about 10
// kJ/(kg K) and for the volume about 1 m3/kg.
constexpr double property_precision = 1e-14;
constexpr double enthalpy_terms = 300.0;  // kJ/kg
constexpr double entropy_terms = 10.0;    // kJ/(kg K)
constexpr double volume_terms = 1.0;      // m3/kg

// A pair fixes a state when the second property, over the whole line, changes
// by more than this many times its precision: the humidity ratio it gives is
// then known to a part in a million of its range along the line.
constexpr double distinct_factor = 1e6;

// A target this many times the precision from the value at an end, or within
// this fraction of the span of the line, is met at that end.
constexpr double end_precisions = 16.0;
constexpr double end_span_fraction = 1e-9;
// A value read back from a state (its wet bulb above all, found by a search to
// about 1e-9 K) carries that search's error into the other quantity: a target
// this close to an end, relative to itself, is that end.
constexpr double end_target_fraction = 1e-9;

// An extreme between the ends is reported when it stands out from them by
// more than this fraction of the span of the line.
constexpr double extreme_span_fraction = 1e-6;

// Golden-section passes in the search for an extreme along a line: the bracket
// shrinks to 0.618^60, about 3e-13, of the line.
constexpr int golden_passes = 60;

// The precision of a property's value near `value`.
double resolution(moistair_property property, double value)
{
    const double terms = property == &moistair::hm ? enthalpy_terms
                         : property == &moistair::sm ? entropy_terms
                                                     : volume_terms;
    return property_precision * (terms + std::fabs(value));
}

// The residual of a line as a function of one variable.
class saturated_residual : public univariate_function<double, double> {
public:
    explicit saturated_residual(const state_line& line) : m_line(line) {}
    // Saturated air at t against the line's value.
    double operator()(const double& t) override
    {
        return m_line.residual(t, saturation_mole_fraction(t, m_line.p()));
    }

private:
    const state_line& m_line;
};

class dry_residual : public univariate_function<double, double> {
public:
    explicit dry_residual(const state_line& line) : m_line(line) {}
    // Dry air at t against the line's value.
    double operator()(const double& t) override { return m_line.residual(t, 0.0); }

private:
    const state_line& m_line;
};

class across_residual : public univariate_function<double, double> {
public:
    across_residual(const state_line& line, double t, double lo, double hi)
        : m_line(line), m_t(t), m_lo(lo), m_hi(hi)
    {
    }
    // The residual at the fraction u of the way from lo to hi.
    double operator()(const double& u) override { return m_line.residual(m_t, at(u)); }
    double at(double u) const { return m_lo + u * (m_hi - m_lo); }

private:
    const state_line& m_line;
    double m_t;   // dry bulb, K
    double m_lo;  // mole fraction at u = 0
    double m_hi;  // mole fraction at u = 1
};

// How much saturated air at t exceeds the most vapour searched: it rises with t
// and crosses zero where saturated air would be nearly pure vapour.
class vapour_excess : public univariate_function<double, double> {
public:
    explicit vapour_excess(double p) : m_p(p) {}
    double operator()(const double& t) override
    {
        return saturation_mole_fraction(t, m_p) - (1.0 - dry_air_floor);
    }

private:
    double m_p;  // total pressure, Pa
};

// A mixture property along a line, less a target.
class along_residual : public univariate_function<double, double> {
public:
    along_residual(const state_line& line, moistair_property property, double target)
        : m_line(line), m_property(property), m_target(target)
    {
    }
    double operator()(const double& t) override { return at(t, m_line.xw_at(t)); }
    double at(double t, double xw) const
    {
        return (moistair(t, m_line.p(), xw).*m_property)() - m_target;
    }

private:
    const state_line& m_line;
    moistair_property m_property;
    double m_target;
};

// The root of f between a and b, where it changes sign.
double root_between(univariate_function<double, double>& f, double a, double b, double fa,
                    double fb, double relative_tolerance)
{
    brent_solver solver(f, 0.0, relative_tolerance, brent_solver::default_maximum_iterations);
    return solver.solve(a, b, fa, fb);
}

// The dry bulb in [a, b] where `sign` times f is largest, and that value
// (times sign), by golden-section search; f is taken to have one extreme there.
double extreme_of(along_residual& f, double a, double b, double sign, double& t_extreme)
{
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = sign * f(c), fd = sign * f(d);
    for (int pass = 0; pass < golden_passes; ++pass) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = sign * f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = sign * f(d);
        }
    }
    t_extreme = fc > fd ? c : d;
    return std::max(fc, fd);
}

}  // namespace

state_line::state_line(line_kind kind, double value, double p, const char* message)
    : m_kind(kind), m_value(value), m_p(p), m_hw(0.0), m_scale(std::fabs(value)),
      m_cap(1.0 - dry_air_floor), m_low{}, m_high{}, m_low_saturated(true)
{
    // At zero pressure the gas has no finite volume, and no state has an
    // infinite value: no state to walk.
    if (!(p > 0.0) || std::isinf(value))
        throw std::domain_error(message);
    if (kind == line_kind::wet_bulb) {
        // The wet-bulb energy balance: air brought to saturation at the wet bulb
        // by evaporating water at the wet bulb ends as saturated air there, so
        // h(t, W) - W hw* = hs* - Ws* hw* along the line.
        const double twet = value;
        double ws, xws, xas;
        virial(twet, p).efactor(ws, xws, xas);
        if (!(xws <= 1.0))
            throw std::domain_error("moist_air::twet_range");
        m_hw = water(twet).hw();
        const double hs = moistair(twet, p, xws).hm();
        m_value = hs - ws * m_hw;
        m_scale = std::fabs(hs) + std::fabs(ws * m_hw);
        m_low = {twet, xws};
    } else {
        m_low = saturated_end(message);
        // Only a line that leaves the model's range below saturation starts
        // at its lowest temperature, unsaturated.
        m_low_saturated = m_low.t != t_min || m_low.xw >= saturation_mole_fraction(t_min, p);
    }
    m_cap = std::min(1.0 - dry_air_floor, m_low.xw * (1.0 + supersaturation_margin));
    m_high = dry_end(m_low.t, message);
}

double state_line::residual(double t, double xw) const
{
    const moistair m(t, m_p, xw);
    switch (m_kind) {
    case line_kind::enthalpy: return m.hm() - m_value;
    case line_kind::entropy: return m.sm() - m_value;
    case line_kind::volume: return m.vm() - m_value;
    case line_kind::wet_bulb: break;
    }
    return m.hm() - m.w() * m_hw - m_value;
}

line_point state_line::saturated_end(const char* message) const
{
    // Saturated air gains enthalpy, entropy and volume as it warms, but its
    // water content jumps at the triple point, where the condensed phase turns
    // from ice to liquid: each side is searched on its own, the colder first,
    // and a line that crosses the jump starts at the triple point. Above the
    // boiling point at p saturated air would be more than pure vapour: the
    // search stops where it is nearly pure vapour.
    saturated_residual f(*this);
    vapour_excess excess(m_p);
    double ice_top = std::nextafter(t_triple, 0.0);  // last temperature over ice
    double xws = saturation_mole_fraction(ice_top, m_p);
    const bool boils_over_ice = xws > 1.0 - dry_air_floor;
    if (boils_over_ice) {
        // Below the pressure of the triple point air saturates over ice only.
        const double e_min = excess(t_min);
        if (!(e_min < 0.0))
            throw std::domain_error(message);
        ice_top = root_between(excess, t_min, ice_top, e_min, xws - (1.0 - dry_air_floor),
                               line_relative_tolerance);
        xws = saturation_mole_fraction(ice_top, m_p);
    }
    const double f_ice = residual(ice_top, xws);
    if (f_ice >= 0.0) {
        const double f_min = f(t_min);
        if (f_min >= 0.0) {
            // Saturated air at the lowest temperature already has the value:
            // the line leaves the model's range there, unsaturated.
            if (residual(t_min, 0.0) > 0.0)
                throw std::domain_error(message);
            return {t_min, xw_between(t_min, saturation_mole_fraction(t_min, m_p))};
        }
        const double t = root_between(f, t_min, ice_top, f_min, f_ice, line_relative_tolerance);
        return {t, saturation_mole_fraction(t, m_p)};
    }
    if (boils_over_ice)
        throw std::domain_error(message);
    double a = t_triple;
    double fa = f(a);
    if (fa >= 0.0)
        return {t_triple, xw_between(t_triple, saturation_mole_fraction(t_triple, m_p))};
    // Step up until saturated air has more than the value.
    for (double step = saturated_first_step;; step *= 2.0) {
        double b = std::min(t_max, a + step);
        xws = saturation_mole_fraction(b, m_p);
        const bool boils = xws > 1.0 - dry_air_floor;
        if (boils) {
            // The last temperature of a gas lies between a and b.
            b = root_between(excess, a, b, excess(a), xws - (1.0 - dry_air_floor),
                             line_relative_tolerance);
            xws = saturation_mole_fraction(b, m_p);
        }
        const double fb = residual(b, xws);
        if (fb >= 0.0) {
            const double t = root_between(f, a, b, fa, fb, line_relative_tolerance);
            return {t, saturation_mole_fraction(t, m_p)};
        }
        if (boils || b == t_max)
            throw std::domain_error(message);
        a = b;
        fa = fb;
    }
}

line_point state_line::dry_end(double t_low, const char* message) const
{
    dry_residual f(*this);
    const double f_max = f(t_max);
    if (f_max <= 0.0) {
        // Dry air at the highest temperature has not yet the value: the line
        // leaves the model's range there, holding water.
        return {t_max, xw_between(t_max, m_cap)};
    }
    const double f_low = f(t_low);
    if (f_low >= 0.0) {
        // Only rounding puts dry air at the low end above the value.
        if (std::fabs(f_low) <= residual_tolerance * m_scale + residual_floor)
            return {t_low, 0.0};
        throw std::domain_error(message);
    }
    return {root_between(f, t_low, t_max, f_low, f_max, line_relative_tolerance), 0.0};
}

double state_line::xw_between(double t, double cap) const
{
    across_residual f(*this, t, 0.0, cap);
    const double f0 = f(0.0);
    if (!(f0 < 0.0))
        return 0.0;
    const double f1 = f(1.0);
    if (!(f1 > 0.0))
        return cap;
    return f.at(root_between(f, 0.0, 1.0, f0, f1, across_relative_tolerance));
}

double state_line::xw_at(double t) const
{
    // Along the line the mole fraction falls as the dry bulb rises, so the
    // state at t holds between the water of the two ends. Rounding may leave
    // the residual without a sign change at an end: the state is that end.
    across_residual f(*this, t, m_high.xw, m_low.xw);
    const double f0 = f(0.0);
    if (!(f0 < 0.0))
        return m_high.xw;
    const double f1 = f(1.0);
    if (!(f1 > 0.0))
        return m_low.xw;
    return f.at(root_between(f, 0.0, 1.0, f0, f1, across_relative_tolerance));
}

line_reach reach_along(const state_line& line, moistair_property property)
{
    along_residual f(line, property, 0.0);
    line_reach r{f.at(line.low().t, line.low().xw), f.at(line.high().t, line.high().xw), NAN,
                 line.low(), line.high(), line.low_saturated(), line.high_dry()};
    double t;
    const double top = extreme_of(f, line.low().t, line.high().t, 1.0, t);
    const double bottom = -extreme_of(f, line.low().t, line.high().t, -1.0, t);
    // An extreme counts when it stands out from the ends by more than the
    // precision of the search across the line.
    const double margin = end_precisions * resolution(property, top) +
                          extreme_span_fraction * std::fabs(r.at_high - r.at_low);
    if (top > std::max(r.at_low, r.at_high) + margin)
        r.extreme = top;
    else if (bottom < std::min(r.at_low, r.at_high) - margin)
        r.extreme = bottom;
    return r;
}

line_point find_on_line(const state_line& line, moistair_property property, double target)
{
    if (std::isinf(target))
        throw std::domain_error(line_unreachable);
    along_residual f(line, property, target);
    const line_point& low = line.low();
    const line_point& high = line.high();
    const double f_low = f.at(low.t, low.xw);
    const double f_high = f.at(high.t, high.xw);
    const double precision = resolution(property, target);
    const double span = std::fabs(f_high - f_low);
    // The whole line within the property's precision: its states cannot be
    // told apart by the property.
    if (span < distinct_factor * precision &&
        (f_low * f_high <= 0.0 || std::min(std::fabs(f_low), std::fabs(f_high)) < distinct_factor * precision))
        throw std::domain_error(line_indistinct);
    const double at_end = end_precisions * precision + end_span_fraction * span +
                          end_target_fraction * std::fabs(target);
    if (std::fabs(f_low) <= at_end)
        return low;
    if (std::fabs(f_high) <= at_end)
        return high;

    line_point found;
    if (f_low * f_high < 0.0) {
        brent_solver solver(f, 0.0, line_relative_tolerance, brent_solver::default_maximum_iterations);
        found.t = solver.solve(low.t, high.t, f_low, f_high);
        found.xw = line.xw_at(found.t);
    } else {
        // Both ends on one side of the target. A property that rises and falls
        // again along the line (the entropy along a wet bulb over ice, or along
        // an enthalpy near saturation at high pressure) may still reach it
        // between them, then at two states.
        const double sign = f_low < 0.0 ? 1.0 : -1.0;
        double t;
        const double extreme = extreme_of(f, low.t, high.t, sign, t);
        if (extreme < -at_end)
            throw std::domain_error(line_unreachable);
        if (extreme > at_end)
            throw std::domain_error(line_two_states);
        found = {t, line.xw_at(t)};
    }
    // The state reproduces both values, or it is no state.
    const double tolerance = residual_tolerance * std::fabs(target) + residual_floor;
    const double line_tolerance = residual_tolerance * line.scale() + residual_floor;
    if (!(std::fabs(f.at(found.t, found.xw)) <= tolerance) ||
        !(std::fabs(line.residual(found.t, found.xw)) <= line_tolerance))
        throw convergence_error(std::string("brent_solver"));
    return found;
}

}  // namespace hygra::ashrae97
