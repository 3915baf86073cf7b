// Brent's root solver: inverse quadratic interpolation or the secant step while
// they make good progress, bisection otherwise, with the root bracketed by the
// best point b and the contrapoint c at every step.
#ifndef HYGRA_NUMERIC_BRENT_SOLVER_H
#define HYGRA_NUMERIC_BRENT_SOLVER_H

#include "numeric/univariate_solver.h"

namespace hygra {

class brent_solver final : public univariate_solver {
public:
    // |f| at or below this is a root: by default only an exact zero.
    static constexpr double default_absolute_tolerance = 0.0;
    // abscissa tolerance relative to |root| (absolute below |root| = 0.1)
    static constexpr double default_relative_tolerance = 1e-8;
    // evaluations allowed in one solve, the two end values included
    static constexpr unsigned long default_maximum_iterations = 100;

    // Throws std::invalid_argument "univariate_solver" on a negative tolerance
    // or max_iterations <= 1.
    brent_solver(univariate_function<double, double>& f,
                 double abs_tol = default_absolute_tolerance,
                 double rel_tol = default_relative_tolerance,
                 unsigned long max_iterations = default_maximum_iterations);

    // Evaluates f(a) and f(b) (restarting the evaluation count at 1 and 2) and
    // goes on as the four-argument form. Returns the root, which is also stored
    // with f(root) and the final bracket width.
    //
    // The root b is accepted when |f(b)| <= abs_tol or when the bracket [b, c]
    // is no wider than rel_tol * max(0.1, |b|).
    //
    // Throws std::domain_error "brent_solver" when f(a) and f(b) have the same
    // sign and neither is a root (a NaN product is not caught), and
    // hygra::convergence_error "brent_solver" when the evaluation count exceeds
    // the limit; the last point evaluated is then stored as the result,
    // untested. Exceptions of f pass through.
    double solve(double a, double b) override;
    // The same with fa = f(a) and fb = f(b) known. The evaluation count is not
    // reset: on a fresh solver it starts from 0.
    double solve(double a, double b, double fa, double fb) override;

private:
    // Stores a result; `error` is the width of the bracket that holds it.
    void store(double root, double froot, double error);
};

}  // namespace hygra

#endif
