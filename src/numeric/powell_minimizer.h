// One-dimensional minimisation without derivatives within a distance of a start
// point: a downhill walk with growing steps until the minimum is bracketed (or
// the edge of the allowed interval is reached), then safeguarded parabolic
// interpolation through three points. Used wherever the moist-air model drives
// a squared residual to its minimum; each evaluation is expensive there, so the
// search is built to spend few of them.
#ifndef HYGRA_NUMERIC_POWELL_MINIMIZER_H
#define HYGRA_NUMERIC_POWELL_MINIMIZER_H

#include "numeric/univariate_function.h"

namespace hygra {

class powell_minimizer {
public:
    // Status of the minimiser. Only not_started, found and bad_arguments are
    // seen from outside: the others end a solve and are turned into exceptions
    // with the status set back to found.
    enum status_code : int {
        not_started = 0,      // constructed, no solve yet
        found = 1,            // a solve has finished with a usable result
        bad_arguments = 2,    // the tolerance or the first step does not fit the limit
        at_limit = 3,         // the function still falls at the edge of the allowed interval
        no_room = 4,          // the bracket cannot be split any more in floating point
        iteration_limit = 5   // the evaluation limit was reached without convergence
    };

    // tolerance on the abscissa of the minimum
    static constexpr double default_tolerance = 1e-8;
    // evaluations allowed in one solve
    static constexpr unsigned long default_iterations = 100;

    // Stores f, the tolerance and the limit; nothing is checked here. A
    // negative tolerance is taken as 0 by solve.
    powell_minimizer(univariate_function<double, double>& f, double tolerance = default_tolerance,
                     unsigned long iterations = default_iterations);

    // Minimises f starting at x0 and returns the abscissa of the minimum, which
    // is also left in x() with its value in fx(). No point farther than `limit`
    // from x0 is evaluated. `step` is the first step: its sign gives the first
    // direction and 0 means 0.01 * limit. The search ends when the bracket
    // around the best point is no wider than the tolerance on either side.
    //
    // Throws, always after at least one evaluation:
    // - std::domain_error "powell_minimizer" when tolerance >= limit or when the
    //   first step, grown until it is not lost in rounding at x0, exceeds the
    //   limit; the status stays bad_arguments and x() is x0;
    // - std::range_error "powell_minimizer" when the function still decreases
    //   at the edge of the allowed interval; x() is the point at the edge;
    // - hygra::convergence_error "powell_minimizer" when the bracket can no
    //   longer be split or the evaluation limit is reached; x() is the best point.
    // After the last two the status is found and x(), fx() may be used.
    // Exceptions of f pass through, with the status found and x() the point
    // being evaluated.
    double solve(double x0, double step, double limit);

    // Returns when the status is found; otherwise throws hygra::invalid_state
    // "powell_minimizer".
    void check_state() const;

    double x() const { return m_x; }
    double fx() const { return m_fx; }
    double tolerance() const { return m_tolerance; }
    unsigned long iterations() const { return m_iterations; }
    int status() const { return m_status; }

private:
    univariate_function<double, double>& m_function;  // not owned
    double m_tolerance;     // tolerance on the abscissa, >= 0 once a solve has started
    double m_x;             // the point being evaluated during a solve; the result afterwards
    double m_fx;            // function value at the result
    unsigned long m_max_iterations;  // limit on the evaluations of one solve
    unsigned long m_iterations;      // evaluations made by the last solve
    int m_status;           // a status_code
};

}  // namespace hygra

#endif
