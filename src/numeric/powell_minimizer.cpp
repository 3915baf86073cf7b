// One-dimensional minimisation within a distance of a start point: downhill
// walk with growing steps, then safeguarded parabolic interpolation.
//
// Notation: x is the point just evaluated; b the best point so far; o the point
// kept beside b (the previous best during the walk, the near end of the
// bracket later); r a retired point; s the step; x0 the start and L the limit.
// Every point carries its function value with it.
#include "numeric/powell_minimizer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "numeric/errors.h"

namespace hygra {

namespace {

// first step as a fraction of the limit when the caller gives 0
constexpr double default_step_fraction = 0.01;
// growth of a first step that is lost in rounding at x0
constexpr double lost_step_growth = 5.0;
// a step from p is cut to the edge when p + 1.5 s reaches it: no tiny last step
constexpr double edge_lookahead = 1.5;
// bounds of the factor by which a downhill step grows after an improvement
constexpr double min_growth = 2.0;
constexpr double max_growth = 9.0;
// scale of the growth factor estimated from the last three points
constexpr double growth_scale = 1.5;
// the probe inside the edge lies this fraction of the last step away from it
constexpr double probe_fraction = 0.01;
// no trial point comes closer to the best point than this fraction of the tolerance
constexpr double delta_floor_fraction = 0.9;
// smallest useful step of the first interpolation, as a fraction of the bracket
constexpr double first_delta_fraction = 0.01;
// a bracket whose far side is this many times longer than its near side is lopsided
constexpr double lopsided_ratio = 10.0;
// a lopsided bracket is entered by at most this fraction of its far side
constexpr double lopsided_step_fraction = 0.1;
// in a lopsided bracket, go this many times the distance to the parabola's vertex
constexpr double vertex_overshoot = 3.0;
// a far side within this many tolerances is split instead of interpolated
constexpr double small_bracket_tolerances = 2.9;
// weights of the split of a small bracket whose midpoint would be too far from b
constexpr double near_weight = 0.67;
constexpr double far_weight = 0.33;

struct point {
    double x;  // abscissa
    double f;  // function value there
};

// +1 or -1; 0 counts as positive
double sign_of(double v) { return v < 0 ? -1.0 : 1.0; }

// What a pass decided: evaluate `next`, or end with `status` and report `result`.
struct decision {
    bool done;
    int status;
    point result;
    double next;
};

decision go(double next) { return {false, powell_minimizer::found, {next, 0.0}, next}; }
decision end(int status, point result) { return {true, status, result, result.x}; }

// The state of one solve between evaluations. Its phase:
// 1 walking downhill, 2 the last step was cut at the edge of the interval,
// 3 probing just inside the edge, 4 first interpolation due, 5 interpolating.
class search_state {
public:
    search_state(double x0, double limit) : m_x0(x0), m_limit(limit) {}

    decision first(point x, double step, double tol);
    decision second(point x);
    decision later(point x);
    point best() const { return m_b; }

private:
    decision step_from(point p);
    decision improve(point x, bool grow);
    decision update_bracket(point x);
    decision interpolate(point P, point B, point Q, point R);

    double m_x0;        // start point, the origin of the limit
    double m_limit;     // no point farther than this from x0 is evaluated
    double m_tol = 0;   // tolerance on the abscissa
    double m_s = 0;     // current step of the walk
    int m_phase = 1;
    point m_b{};        // best point so far
    point m_o{};        // the point kept beside b; the bracket's near end N while interpolating
    point m_r{};        // retired point
    point m_far{};      // the bracket's far end F while interpolating
};

decision search_state::first(point x, double step, double tol)
{
    m_tol = tol;
    if (tol >= m_limit)
        return end(powell_minimizer::bad_arguments, x);
    double s = step;
    if (std::fabs(s) > m_limit)
        s = std::copysign(m_limit, s);
    if (s == 0)
        s = default_step_fraction * m_limit;
    if (std::fabs(s) < tol)
        s = std::copysign(tol, s);
    // Grow a step that vanishes in rounding at x0 (x0 large, s small) until half
    // of it moves x0. The growth stops once the step exceeds the limit (it is
    // refused below whatever it grows to), and a step that cannot grow (0, as
    // when 0.01 * limit underflows, or not finite) is refused too.
    const auto lost = [this](double v) {
        return m_x0 + 0.5 * std::fabs(v) <= m_x0 || m_x0 + 0.5 * std::fabs(v) >= m_x0 + std::fabs(v);
    };
    while (lost(s) && std::fabs(s) <= m_limit && s != 0 && std::isfinite(s))
        s = lost_step_growth * s;
    m_phase = 1;
    if (std::fabs(s) > m_limit || s == 0)
        return end(powell_minimizer::bad_arguments, x);
    m_s = s;
    return step_from(x);
}

decision search_state::second(point x)
{
    if (x.f < m_b.f)
        return improve(x, false);
    // Uphill at once: walk the other way from x0, keeping x as the far point.
    m_s = -m_s;
    m_o = x;
    m_phase = 1;
    return step_from(m_b);
}

decision search_state::later(point x)
{
    // A tie with the best point counts as worse: the search does not wander
    // along a flat stretch on a walk (the tie rule of the bracket handles it).
    if (x.f < m_b.f) {
        m_r = m_o;
        return improve(x, true);
    }
    switch (m_phase) {
    case 5:
        return update_bracket(x);
    case 3:
        // The probe is not lower than the point at the edge: the function
        // still falls there and there is no minimum inside the interval.
        return end(powell_minimizer::at_limit, m_b);
    default:
        // Phases 1 and 2: uphill after a descent, so o, b and x bracket the minimum.
        m_phase = 4;
        return interpolate(x, m_b, m_o, m_o);
    }
}

decision search_state::step_from(point p)
{
    double x = p.x + m_s;
    if (std::fabs(p.x + edge_lookahead * m_s - m_x0) >= m_limit) {
        x = m_x0 + m_limit * sign_of(m_s);
        m_phase = 2;
    }
    m_b = p;
    return go(x);
}

decision search_state::improve(point x, bool grow)
{
    switch (m_phase) {
    case 1:
        if (grow) {
            // Estimate from the last three points how far the descent goes on:
            // rho_f / rho_x compares the fall of the last step with the mean
            // fall of the last two. While the slope does not flatten the step
            // grows by 9; as it flattens, by a factor from the curvature, but
            // the walk always at least doubles so that it reaches the minimum.
            const double rho_x = (x.x - m_b.x) / (x.x - m_r.x);
            const double rho_f = (x.f - m_b.f) / (x.f - m_r.f);
            double k = rho_x <= rho_f ? max_growth
                                      : growth_scale * (rho_x - rho_f / rho_x) / (rho_f - rho_x);
            // Written so that a NaN estimate takes the cautious factor.
            if (!(k >= min_growth))
                k = min_growth;
            else if (k > max_growth)
                k = max_growth;
            m_s = k * m_s;
        }
        m_o = m_b;
        return step_from(x);
    case 2: {
        // The point at the edge is lower: probe just inside it to see whether
        // the function turns up before the edge.
        const double d = std::max(probe_fraction * std::fabs(x.x - m_b.x), delta_floor_fraction * m_tol);
        double p = x.x + d * sign_of(m_b.x - x.x);
        if (std::fabs(p - x.x) > std::fabs(p - m_b.x))
            p = 0.5 * (x.x + m_b.x);
        m_phase = 3;
        if ((x.x - p) / (x.x - m_b.x) <= 0)
            return end(powell_minimizer::at_limit, x);
        m_o = m_b;
        m_b = x;
        return go(p);
    }
    case 3:
        // The probe is lower than the edge: the minimum lies between the best
        // point before the edge (r), the probe and the edge.
        m_phase = 4;
        return interpolate(m_r, x, m_b, m_r);
    default:
        return update_bracket(x);
    }
}

decision search_state::update_bracket(point x)
{
    // The bracket left by the last interpolation: best b, near end N = o, far end F.
    const double span = m_far.x - m_o.x;
    point P;
    point B;
    point Q;
    point R;
    if (x.f < m_b.f) {
        if ((x.x - m_b.x) / span > 0) {  // x between b and F
            P = m_far, B = x, Q = m_b, R = m_o;
        } else {  // x between N and b
            P = m_o, B = x, Q = m_b, R = m_far;
        }
    } else {
        if ((m_b.x - x.x) / span > 0) {  // x between N and b
            P = m_far, B = m_b, Q = x, R = m_o;
        } else {  // x between b and F
            P = m_o, B = m_b, Q = x, R = m_far;
        }
    }
    // On a flat stretch the new point ties with the best: make it the best and
    // keep the side where the values are equal, so the search walks along the
    // flat part instead of closing in on the old best point.
    if (P.f != B.f && R.f == B.f && Q.f == B.f) {
        std::swap(B, Q);
        std::swap(P, R);
    }
    return interpolate(P, B, Q, R);
}

decision search_state::interpolate(point P, point B, point Q, point R)
{
    const double d1 = (B.f - P.f) / (B.x - P.x);
    const double d2 = (Q.f - B.f) / (Q.x - B.x);

    // Smallest step worth taking from B: a step that would change f by less
    // than the parabola can resolve wastes an evaluation.
    double delta_min;
    if (m_phase == 4) {
        delta_min = first_delta_fraction * std::fabs(P.x - Q.x);
        m_phase = 5;
    } else if (d2 == 0) {
        delta_min = 0;
    } else {
        // g: change of slope between the retired side and Q's side.
        const double g = (R.f - Q.f) / (R.x - Q.x) - d2;
        const double w = P.x - Q.x;
        if (g / w < 0) {
            delta_min = 0.5 * std::fabs(d2 * ((R.x - B.x) / g + w / (d2 - d1)));
            if (!(std::fabs(w) > delta_min))
                delta_min = std::fabs(w);
        } else {
            delta_min = std::fabs(w);
        }
    }

    // Vertex of the parabola through P, B and Q.
    const double xq = d1 == d2 ? B.x : 0.5 * ((Q.x + B.x) * d1 - (P.x + B.x) * d2) / (d1 - d2);

    // F is the end farther from B, N the nearer; a NaN ratio gives F = P.
    point F;
    point N;
    if ((P.x - B.x) / (B.x - Q.x) < 1) {
        F = Q;
        N = P;
    } else {
        F = P;
        N = Q;
    }
    // Converged when both ends are within the tolerance of B.
    if (m_tol >= std::fabs(F.x - B.x))
        return end(powell_minimizer::found, B);

    const double delta = std::max(delta_floor_fraction * m_tol, delta_min);
    const double toward_far = sign_of(F.x - B.x);
    double t;
    if ((F.x - B.x) / (B.x - N.x) > lopsided_ratio) {
        // Lopsided: step into the long side, at least as far as the short side
        // is wide, but by no more than a tenth of the long side, so that a
        // minimum near B is found from both sides in few evaluations.
        t = B.x + toward_far * std::min(lopsided_step_fraction * std::fabs(F.x - B.x),
                                        std::max({std::fabs(B.x - N.x), delta,
                                                  vertex_overshoot * toward_far * (xq - B.x)}));
    } else if (std::fabs(F.x - B.x) <= small_bracket_tolerances * m_tol) {
        // Nearly converged: split the far side so that the next step ends it.
        t = 0.5 * (B.x + F.x);
        if (std::fabs(t - B.x) > m_tol)
            t = near_weight * B.x + far_weight * F.x;
    } else {
        t = xq;
        if (std::fabs(xq - B.x) < delta) {
            // Too close to B to learn anything: move delta towards the vertex,
            // or towards F when that would pass N, and never past the middle of
            // the far side.
            t = B.x + delta * sign_of(xq - B.x);
            if (std::fabs(t - B.x) > std::fabs(t - N.x))
                t = B.x + delta * toward_far;
            if (std::fabs(t - B.x) > std::fabs(t - F.x))
                t = 0.5 * (B.x + F.x);
        }
    }

    // Safeguard: the trial point must differ from B and lie strictly inside
    // (N, F). Otherwise halve from F towards B and take the last point still
    // strictly between them, the closest to B on F's side that halving reaches.
    const double width = F.x - B.x;
    if (!(t != B.x && (F.x - t) / width > 0 && (t - N.x) / width > 0)) {
        double y = F.x;
        for (;;) {
            const double m = 0.5 * (B.x + y);
            if (!((m - B.x) / width > 0 && (y - m) / width > 0))
                break;
            y = m;
        }
        t = y;
        if (t == F.x)  // B and F are adjacent in floating point
            return end(powell_minimizer::no_room, B);
    }
    m_o = N;
    m_far = F;
    m_b = B;
    return go(t);
}

}  // namespace

powell_minimizer::powell_minimizer(univariate_function<double, double>& f, double tolerance,
                                   unsigned long iterations)
    : m_function(f),
      m_tolerance(tolerance),
      m_x(0.0),
      m_fx(0.0),
      m_max_iterations(iterations),
      m_iterations(0),
      m_status(not_started)
{
}

void powell_minimizer::check_state() const
{
    if (m_status != found)
        throw invalid_state(std::string("powell_minimizer"));
}

double powell_minimizer::solve(double x0, double step, double limit)
{
    m_status = found;
    m_x = x0;
    m_iterations = 0;
    search_state walk(x0, limit);
    decision next{};
    for (;;) {
        ++m_iterations;
        const point x{m_x, m_function(m_x)};
        if (m_iterations == 1) {
            if (m_tolerance < 0)
                m_tolerance = 0;
            next = walk.first(x, step, m_tolerance);
        } else if (m_iterations == 2) {
            next = walk.second(x);
        } else {
            next = walk.later(x);
        }
        if (next.done)
            break;
        // The limit is tested once the next point is known, so a solve makes at
        // most m_max_iterations evaluations and reports the best point so far.
        if (!(m_iterations < m_max_iterations)) {
            next = end(iteration_limit, walk.best());
            break;
        }
        m_x = next.next;
    }

    m_x = next.result.x;
    m_fx = next.result.f;
    switch (next.status) {
    case bad_arguments:
        m_status = bad_arguments;
        throw std::domain_error("powell_minimizer");
    case at_limit:
        m_status = found;
        throw std::range_error("powell_minimizer");
    case no_room:
    case iteration_limit:
        m_status = found;
        throw convergence_error(std::string("powell_minimizer"));
    default:
        m_status = found;
        return m_x;
    }
}

}  // namespace hygra
