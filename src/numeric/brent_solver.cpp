// Brent's root solver. Notation of Brent's method: b is the best estimate of the
// root, a the previous b, c the contrapoint (f(b) and f(c) of opposite sign),
// d the step just taken and e the step before it.
#include "numeric/brent_solver.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "numeric/errors.h"

namespace hygra {

namespace {

// Below this |b| the abscissa tolerance stops shrinking: roots near 0 get the
// absolute tolerance 0.1 * rel_tol instead of an ever smaller relative one.
constexpr double tolerance_floor_abscissa = 0.1;

}  // namespace

brent_solver::brent_solver(univariate_function<double, double>& f, double abs_tol,
                           double rel_tol, unsigned long max_iterations)
    : univariate_solver(f, abs_tol, rel_tol, max_iterations)
{
}

void brent_solver::store(double root, double froot, double error)
{
    m_root = root;
    m_froot = froot;
    m_error = error;
    m_solved = true;
}

double brent_solver::solve(double a, double b)
{
    m_iterations = 1;
    const double fa = m_function(a);
    if (m_abs_tol >= std::fabs(fa)) {
        store(a, fa, 0.0);
        return a;
    }
    m_iterations = 2;
    const double fb = m_function(b);
    if (m_abs_tol >= std::fabs(fb)) {
        store(b, fb, 0.0);
        return b;
    }
    return solve(a, b, fa, fb);
}

double brent_solver::solve(double a, double b, double fa, double fb)
{
    if (m_abs_tol >= std::fabs(fa)) {
        store(a, fa, 0.0);
        return a;
    }
    if (m_abs_tol >= std::fabs(fb)) {
        store(b, fb, 0.0);
        return b;
    }
    // Written as "> 0" so that a NaN product goes on into the search.
    if (fa * fb > 0)
        throw std::domain_error("brent_solver");
    if (m_iterations > m_max_iterations) {
        store(b, fb, std::fabs(a - b));
        throw convergence_error(std::string("brent_solver"));
    }

    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    for (;;) {
        // Keep b the end with the smaller |f|; a follows it as the previous b.
        if (std::fabs(fb) > std::fabs(fc)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = m_rel_tol * std::max(tolerance_floor_abscissa, std::fabs(b));
        m_tol = tol;
        // The whole width |c - b| against tol, not half of it: stricter than the
        // test on the half width, so the returned bracket is at most tol wide.
        if (m_abs_tol >= std::fabs(fb) || tol >= std::fabs(c - b)) {
            store(b, fb, std::fabs(c - b));
            return b;
        }
        const double m = 0.5 * (c - b);

        // Interpolate only when the step before last was not already tiny and
        // the last step reduced |f|; otherwise bisect.
        bool bisect = true;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p;
            double q;
            if (a == c) {
                // Only two distinct points: the secant step.
                p = (c - b) * s;
                q = 1.0 - s;
            } else {
                // Inverse quadratic interpolation through a, b and c.
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * ((c - b) * qa * (qa - r) - (b - a) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0)
                q = -q;
            p = std::fabs(p);
            // Accept the interpolated step p/q when it stays within three
            // quarters of the way to c and is less than half the step before
            // last, so that the steps shrink at least geometrically.
            if (2.0 * p < 3.0 * m * q && 2.0 * p < std::fabs(e * q)) {
                e = d;
                d = p / q;
                bisect = false;
            }
        }
        if (bisect) {
            d = m;
            e = m;
        }

        // Never step less than half the tolerance, and then towards c, so that
        // the next bracket test can succeed.
        const double half_tol = 0.5 * tol;
        const double b_new = std::fabs(d) > half_tol ? b + d : (m > 0 ? b + half_tol : b - half_tol);
        const double fb_new = m_function(b_new);
        ++m_iterations;
        if (fc * fb_new > 0) {
            // The new point lies on c's side of the root: the old best becomes
            // the contrapoint and the step history restarts.
            c = b;
            fc = fb;
            d = b_new - b;
            e = d;
        }
        a = b;
        fa = fb;
        b = b_new;
        fb = fb_new;
        if (m_iterations > m_max_iterations) {
            store(b, fb, std::fabs(c - b));
            throw convergence_error(std::string("brent_solver"));
        }
    }
}

}  // namespace hygra
