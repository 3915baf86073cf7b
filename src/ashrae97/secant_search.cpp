#include "ashrae97/secant_search.h"

#include <algorithm>
#include <cmath>

namespace hygra::ashrae97 {

namespace {

// a residual (relative to its target) this small is zero but for rounding
constexpr double rounding_residual = 1e-13;

}  // namespace

secant_result secant_search(univariate_function<double, double>& f, double lo, double hi, double x0,
                            double step, double abs_tol, double rel_tol, int max_evaluations)
{
    const secant_result none{false, x0, NAN};
    if (!(lo <= hi))
        return none;
    x0 = std::min(hi, std::max(lo, x0));
    double x1 = x0 + step;
    if (x1 > hi || x1 < lo)
        x1 = x0 - step;
    if (!(x1 >= lo && x1 <= hi) || x1 == x0)
        return none;
    double f0 = f(x0);
    if (f0 == 0.0)
        return {true, x0, f0};
    double f1 = f(x1);
    int evaluations = 2;
    int edges = 0;       // steps that had to be held at an end of [lo, hi]
    bool bracketed = false;
    double a = 0.0, fa = 0.0, b = 0.0, fb = 0.0;  // the bracket, fa and fb of opposite signs
    int side = 0;        // which end of the bracket moved last (-1 a, +1 b), for Illinois
    for (;;) {
        if (std::isnan(f0) || std::isnan(f1))
            return none;
        if (f1 == 0.0)
            return {true, x1, f1};
        if (!bracketed && (f0 < 0.0) != (f1 < 0.0)) {
            bracketed = true;
            a = std::min(x0, x1), b = std::max(x0, x1);
            fa = a == x0 ? f0 : f1, fb = b == x0 ? f0 : f1;
        }
        const double tol = abs_tol + rel_tol * std::fabs(x1);
        if (bracketed && b - a <= tol)
            return {true, std::fabs(fa) < std::fabs(fb) ? a : b, std::fabs(fa) < std::fabs(fb) ? fa : fb};
        double x;
        bool held = false;
        if (bracketed) {
            // False position on the bracket, halving the residual kept at the end
            // that stayed twice (Illinois), so that both ends move.
            x = b - fb * (b - a) / (fb - fa);
            // A step that rounds onto an end: that end is the root to rounding.
            if (x == a || x == b)
                return {true, x, x == a ? fa : fb};
            if (!(x > a && x < b))
                x = 0.5 * (a + b);
        } else {
            x = x1 - f1 * (x1 - x0) / (f1 - f0);
            if (!std::isfinite(x))
                return none;
            if (x < lo || x > hi) {
                // Held at the end of the interval: no convergence can be read
                // from such a step, and the same end twice means the root is
                // beyond it.
                x = x < lo ? lo : hi;
                // The root lies beyond the end just evaluated: the end itself
                // is the root if its residual vanishes but for rounding (dry
                // air, whose root may round to a hair below no water at all).
                if (x == x1)
                    return std::fabs(f1) <= rounding_residual ? secant_result{true, x1, f1} : none;
                if (++edges > 2)
                    return none;
                held = true;
            }
        }
        // A step shorter than the tolerance: the root is found, for the error
        // left after a secant step is far below the step.
        if (!held && std::fabs(x - x1) <= tol)
            return {true, x, f1};
        if (evaluations >= max_evaluations)
            return none;
        const double fx = f(x);
        ++evaluations;
        if (std::isnan(fx))
            return none;
        if (bracketed) {
            if ((fx < 0.0) == (fa < 0.0)) {
                a = x, fa = fx;
                if (side == -1)
                    fb *= 0.5;
                side = -1;
            } else {
                b = x, fb = fx;
                if (side == +1)
                    fa *= 0.5;
                side = +1;
            }
            if (fx == 0.0)
                return {true, x, fx};
        }
        x0 = x1, f0 = f1;
        x1 = x, f1 = fx;
    }
}

}  // namespace hygra::ashrae97
